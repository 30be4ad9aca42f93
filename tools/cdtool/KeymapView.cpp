#include "KeymapView.h"

#include <cstdio>

#include "terminal/Keymap.h"
#include "terminal/KeymapFileWriter.h"
#include "terminal/VirtualKeyNames.h"

nlohmann::ordered_json KeymapView::Entries(Keymap const& keymap) {
  nlohmann::ordered_json entries = nlohmann::ordered_json::array();
  for (int index = 0; index < Keymap::kIndexCount; ++index) {
    int const code = keymap.GetOwnKeyCode(index);
    if (code == KeymapCode::NONE) continue;
    entries.push_back({{"index", index},
                       {"modifiers", KeymapFileWriter::ModifierField(index)},
                       {"key", VirtualKeyToName(index & 0xFF).Str()},
                       {"code", code},
                       {"function", Keymap::LookupNameByCode(code).Str()},
                       {"value", keymap.GetOwnKeyValue(index).Str()}});
  }
  return entries;
}

nlohmann::ordered_json KeymapView::Names() {
  nlohmann::ordered_json functions = nlohmann::ordered_json::array();
  for (int i = 0; i < Keymap::kCodeCount; ++i)
    functions.push_back({{"code", Keymap::GetCodeByIndex(i)}, {"name", Keymap::GetNameByIndex(i).Str()}});
  nlohmann::ordered_json keys = nlohmann::ordered_json::array();
  for (int key = 0; key < 256; ++key)
    if (std::string const name = VirtualKeyToName(key).Str(); !name.starts_with("0x"))
      keys.push_back({{"virtualKey", key}, {"name", name}});
  return {{"functions", functions}, {"keys", keys}};
}

std::string KeymapView::PlainNames(nlohmann::ordered_json const& names) {
  std::string text = "Functions (code name):\n";
  for (auto const& function : names["functions"])
    text += std::to_string(function["code"].get<int>()) + ' ' + function["name"].get<std::string>() + '\n';
  text += "Keys (virtual key, name); other keys are written as numbers such as 0xBF:\n";
  for (auto const& key : names["keys"]) {
    char number[8];
    std::snprintf(number, sizeof number, "0x%02X", key["virtualKey"].get<unsigned>());
    text += std::string(number) + ' ' + key["name"].get<std::string>() + '\n';
  }
  return text;
}
