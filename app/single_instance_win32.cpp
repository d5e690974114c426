#include "app/single_instance_win32.h"

#include <windows.h>
#include <tlhelp32.h>

#include "ui/gbk_text_win32.h"
#include "ui/handles_win32.h"

std::vector<std::string> runningExecutableNames() {
  std::vector<std::string> names;
  const OwnedHandle snapshot = ownedHandle(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot) return names;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot.get(), &entry); more; more = Process32NextW(snapshot.get(), &entry))
    names.push_back(gbkFromWide(entry.szExeFile));
  return names;
}
