#!/bin/sh
# Stands in for the browser: records the pages the program asked to open.
printf '%s\n' "$@" >> "${WINE_TEST_BROWSER_LOG:-/dev/null}"
