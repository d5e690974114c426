// The end-to-end tests' eyes and hands inside the Wine session. Prints UTF-8, one line per item.
//   wait TITLE MS           the window's handle once it exists and is visible
//   gone TITLE MS           succeeds once no visible window has that title
//   list                    top-level windows: handle class visible rect text
//   children TITLE          child windows: id class visible screen-rect text (line breaks as spaces)
//   descendants TITLE       the same for children's children too
//   rect TITLE              window rectangle; client origin on screen and client size
//   exstyle TITLE           extended style in hex
//   press TITLE ID          posts a click to the control ID (a child at any depth)
//   settext TITLE ID TEXT   sets the control's text
//   text TITLE ID           the control's text as it is, line breaks and all
//   checked TITLE ID        the check box's state: 0 or 1
//   show TITLE ID 0|1       hides or shows the control, and repaints what lies under it
//   close TITLE             posts WM_CLOSE
//   move TITLE X Y          moves the window's top-left corner to (X, Y) on the screen
//   raise TITLE             brings the window to the top of the always-on-top windows
// TITLE may also be a handle written #hex.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

void out(const std::wstring& line) {
  std::wstring text = line + L"\n";
  const int n =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), n, nullptr, nullptr);
  DWORD written;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
}

// A top-level window's caption is read without a message, so a busy window never stalls a search;
// a control's text needs WM_GETTEXT.
std::wstring textOf(HWND w) {
  wchar_t buf[4096];
  buf[0] = 0;
  if (GetParent(w) == nullptr || !(GetWindowLongW(w, GWL_STYLE) & WS_CHILD)) {
    InternalGetWindowText(w, buf, 4096);
    return buf;
  }
  DWORD_PTR got = 0;
  SendMessageTimeoutW(w, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(buf), SMTO_ABORTIFHUNG, 1000, &got);
  return buf;
}

std::wstring classOf(HWND w) {
  wchar_t buf[256];
  GetClassNameW(w, buf, 256);
  return buf;
}

std::wstring describe(HWND w, bool child) {
  RECT r{};
  GetWindowRect(w, &r);
  wchar_t head[160];
  if (child)
    swprintf(head, 160, L"%d %ls %d %ld,%ld,%ld,%ld ", GetDlgCtrlID(w), classOf(w).c_str(), IsWindowVisible(w) ? 1 : 0,
             r.left, r.top, r.right, r.bottom);
  else
    swprintf(head, 160, L"#%lx %ls %d %ld,%ld,%ld,%ld ", static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(w)),
             classOf(w).c_str(), IsWindowVisible(w) ? 1 : 0, r.left, r.top, r.right, r.bottom);
  // One line per window: a text's own line breaks show as spaces (`text` gives them as they are).
  std::wstring text = textOf(w);
  for (wchar_t& c : text)
    if (c == L'\r' || c == L'\n') c = L' ';
  return head + text;
}

BOOL CALLBACK collect(HWND w, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(w);
  return TRUE;
}

std::vector<HWND> topLevels() {
  std::vector<HWND> all;
  EnumWindows(collect, reinterpret_cast<LPARAM>(&all));
  return all;
}

HWND find(const wchar_t* title) {
  if (title[0] == L'#') {
    HWND w = reinterpret_cast<HWND>(static_cast<UINT_PTR>(wcstoul(title + 1, nullptr, 16)));
    return IsWindow(w) ? w : nullptr;
  }
  for (HWND w : topLevels())
    if (IsWindowVisible(w) && textOf(w) == title) return w;
  return nullptr;
}

struct IdSearch {
  int id;
  HWND found = nullptr;
};

BOOL CALLBACK matchId(HWND c, LPARAM p) {
  auto* search = reinterpret_cast<IdSearch*>(p);
  if (GetDlgCtrlID(c) != search->id) return TRUE;
  search->found = c;
  return FALSE;
}

// The child control with this id, else one at any depth (a unit may sit inside a frame unit).
HWND child(HWND parent, const wchar_t* id) {
  IdSearch search{static_cast<int>(wcstol(id, nullptr, 0))};
  if (HWND direct = GetDlgItem(parent, search.id)) return direct;
  EnumChildWindows(parent, matchId, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

int fail(const wchar_t* why) {
  out(std::wstring(L"error: ") + why);
  return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return fail(L"no command");
  const std::wstring cmd = argv[1];
  if (cmd == L"list") {
    for (HWND w : topLevels()) out(describe(w, false));
    return 0;
  }
  if (argc < 3) return fail(L"no window named");
  if (cmd == L"wait" || cmd == L"gone") {
    const DWORD deadline = GetTickCount() + (argc > 3 ? wcstoul(argv[3], nullptr, 10) : 10000);
    for (;;) {
      HWND w = find(argv[2]);
      if (cmd == L"wait" && w) {
        out(describe(w, false));
        return 0;
      }
      if (cmd == L"gone" && !w) return 0;
      if (static_cast<LONG>(GetTickCount() - deadline) > 0) return fail(L"timed out");
      Sleep(50);
    }
  }
  HWND w = find(argv[2]);
  if (!w) return fail(L"no such window");
  if (cmd == L"children") {
    for (HWND c = GetWindow(w, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) out(describe(c, true));
    return 0;
  }
  if (cmd == L"descendants") {
    std::vector<HWND> all;
    EnumChildWindows(w, collect, reinterpret_cast<LPARAM>(&all));
    for (HWND c : all) out(describe(c, true));
    return 0;
  }
  if (cmd == L"rect") {
    RECT r{}, client{};
    GetWindowRect(w, &r);
    GetClientRect(w, &client);
    POINT origin{0, 0};
    ClientToScreen(w, &origin);
    wchar_t line[160];
    swprintf(line, 160, L"%ld %ld %ld %ld %ld %ld %ld %ld", r.left, r.top, r.right - r.left, r.bottom - r.top, origin.x,
             origin.y, client.right, client.bottom);
    out(line);
    return 0;
  }
  if (cmd == L"exstyle") {
    wchar_t line[32];
    swprintf(line, 32, L"%lx", static_cast<unsigned long>(GetWindowLongW(w, GWL_EXSTYLE)));
    out(line);
    return 0;
  }
  if (cmd == L"close") return PostMessageW(w, WM_CLOSE, 0, 0) ? 0 : fail(L"post failed");
  if (cmd == L"raise")
    return SetWindowPos(w, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE) ? 0
                                                                                               : fail(L"not raised");
  if (cmd == L"move" && argc > 4) {
    const int x = static_cast<int>(wcstol(argv[3], nullptr, 10)), y = static_cast<int>(wcstol(argv[4], nullptr, 10));
    return SetWindowPos(w, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE) ? 0 : fail(L"not moved");
  }
  if (argc < 4) return fail(L"no control id");
  HWND c = child(w, argv[3]);
  if (!c) return fail(L"no such control");
  if (cmd == L"press") return PostMessageW(c, BM_CLICK, 0, 0) ? 0 : fail(L"post failed");
  if (cmd == L"text") {
    out(textOf(c));
    return 0;
  }
  if (cmd == L"checked") {
    out(SendMessageW(c, BM_GETCHECK, 0, 0) == BST_CHECKED ? L"1" : L"0");
    return 0;
  }
  if (cmd == L"show" && argc > 4) {
    ShowWindow(c, wcscmp(argv[4], L"0") ? SW_SHOWNA : SW_HIDE);
    UpdateWindow(GetParent(c));
    return 0;
  }
  if (cmd == L"settext" && argc > 4) {
    DWORD_PTR r = 0;
    SendMessageTimeoutW(c, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[4]), SMTO_ABORTIFHUNG, 2000, &r);
    return 0;
  }
  return fail(L"unknown command");
}
