// CommonDlg (通用对话框): the system's open or save file dialog with the stored filter, title and
// options. It remembers the file name: the preset text at first, then the path last confirmed.
#include <windows.h>
#include <commdlg.h>

#include <algorithm>

#include "ui/controls/file_filter.h"
#include "ui/format/control_properties.h"
#include "ui/gbk_text_win32.h"
#include "ui/types/non_visual_unit_win32.h"
#include "ui/types/unit_types_win32.h"

namespace {

// "display\0pattern\0...\0\0" as the dialog wants it.
std::wstring systemFilter(std::string_view filter) {
  std::wstring out;
  for (const FilterEntry& e : parseFilter(filter)) {
    out += wideFromGbk(e.display) + L'\0';
    out += wideFromGbk(e.pattern) + L'\0';
  }
  return out + L'\0';
}

// The dialogs' library is loaded when a dialog first opens rather than at start: under Wine its own
// start-up sets up the common controls, which costs more than showing the main window does.
BOOL runFileDialog(bool save, OPENFILENAMEW& ofn) {
  using FileDialog = BOOL(WINAPI*)(OPENFILENAMEW*);
  static const HMODULE dialogs = LoadLibraryW(L"comdlg32.dll");
  if (!dialogs) return FALSE;
  const auto run = reinterpret_cast<FileDialog>(
      reinterpret_cast<void*>(GetProcAddress(dialogs, save ? "GetSaveFileNameW" : "GetOpenFileNameW")));
  return run ? run(&ofn) : FALSE;
}

class CommonDlg final : public NonVisualUnit {
 public:
  using NonVisualUnit::NonVisualUnit;
  bool create(const UnitContext& c) {
    const auto p = propertiesOrDefaults<CommonDlgProperties>(c.record);
    if (!p) return false;
    data_ = *p;
    return true;
  }

  std::optional<PropertyValue> property(int index) const override {
    namespace cp = common_dlg_property;
    if (index == cp::fileName) return data_.fileName;
    if (index == cp::filter) return data_.filter;
    return NonVisualUnit::property(index);
  }
  bool setProperty(int index, const PropertyValue& value) override {
    namespace cp = common_dlg_property;
    const auto* text = std::get_if<std::string>(&value);
    if (index != cp::fileName && index != cp::filter) return NonVisualUnit::setProperty(index, value);
    if (!text) return false;
    (index == cp::fileName ? data_.fileName : data_.filter) = *text;
    return true;
  }

  bool show(HWND owner) {
    std::wstring file = wideFromGbk(data_.fileName);
    file.resize(std::max<std::size_t>(file.size() + 1, MAX_PATH), L'\0');
    const std::wstring filter = systemFilter(data_.filter), title = wideFromGbk(data_.title);
    const std::wstring folder = wideFromGbk(data_.initialFolder), extension = wideFromGbk(data_.defaultExtension);
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.size() > 1 ? filter.c_str() : nullptr;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
    ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    ofn.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    ofn.Flags = data_.options | OFN_EXPLORER;
    const BOOL confirmed = runFileDialog(data_.kind == 1, ofn);
    if (!confirmed) return false;
    data_.fileName = gbkFromWide(file.c_str());
    return true;
  }

 private:
  CommonDlgProperties data_;
};

}  // namespace

std::unique_ptr<Unit> createCommonDlg(const UnitContext& c) { return createUnit<CommonDlg>(c); }

bool ShowFileDialog(Unit& unit, HWND owner) {
  auto* dialog = dynamic_cast<CommonDlg*>(&unit);
  return dialog && dialog->show(owner);
}
