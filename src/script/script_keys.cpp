#include "script/script_keys.h"

namespace {

constexpr ScriptKey kKeys[] = {
    {"Down", GridKey::Down},         {"Up", GridKey::Up},
    {"Left", GridKey::Left},         {"Right", GridKey::Right},
    {"Tab", GridKey::Tab},           {"ShiftTab", GridKey::ShiftTab},
    {"Enter", GridKey::Enter},       {"Escape", GridKey::Escape},
    {"Delete", GridKey::Delete},     {"Backspace", GridKey::Backspace},
    {"PageDown", GridKey::PageDown}, {"PageUp", GridKey::PageUp},
    {"F2", GridKey::F2},             {"CtrlTab", GridKey::CtrlTab},
    {"CtrlShiftTab", GridKey::CtrlShiftTab},
};

}  // namespace

const ScriptKey* FindScriptKey(std::string_view name) {
  for (const ScriptKey& key : kKeys)
    if (key.name == name) return &key;
  return nullptr;
}
