// The unit types this program can create: one line per type, the type itself in a file of its own.
// The window's own unit and menu items are built by the loader.
#include "ui/types/unit_types_win32.h"

#include "ui/format/type_words.h"

namespace {

const UnitType kTypes[] = {
    {type_word::EditBox, createEditBox, true},
    {type_word::PicBox, createPicBox, true},
    {type_word::ShapeBox, createShapeBox, true},
    {type_word::Label, createLabel, true},
    {type_word::CheckBox, createCheckBox, true},
    {type_word::TransLabel, createTransLabel, true},
    {type_word::PicBtn, createPicBtn, true},
    {type_word::Button, createButton, true},
    {type_word::ComboBox, createComboBox, true},
    {type_word::Tab, createTab, true},
    {type_word::Timer, createTimer, false},
    {type_word::CommonDlg, createCommonDlg, false},
    {type_word::LineChart, createLineChart, true},
    {type_word::SysVolume, createSoundEngineUnit, false},
    {type_word::WaveRecord, createSoundEngineUnit, false},
    {type_word::WaveInForm, createSoundEngineUnit, false},
};

}  // namespace

const UnitType* findUnitType(std::uint32_t typeWord) {
  for (const UnitType& t : kTypes)
    if (t.typeWord == typeWord) return &t;
  return nullptr;
}
