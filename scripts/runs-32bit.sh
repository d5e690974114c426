#!/usr/bin/env bash
# Wine starts a 32-bit Windows program, as the program ships, through its 32-bit Linux loader; some
# kernels and hypervisors refuse 32-bit Linux programs. Exits 0 when this machine runs them, 1
# (saying why) when it refuses them, 2 when the check itself cannot run.
loader=/lib/ld-linux.so.2  # from libc6:i386, which wine32 brings
error=$("$loader" --version 2>&1 >/dev/null)
case $? in
  0) exit 0 ;;
  126)
    echo "this machine does not run 32-bit Linux programs (${error##*: }), so Wine cannot start 32-bit programs" >&2
    exit 1
    ;;
  *)
    echo "cannot check for 32-bit Linux programs: $loader: ${error:-missing}" >&2
    exit 2
    ;;
esac
