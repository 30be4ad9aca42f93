#include "terminal/KeymapFileWriter.h"

#include "terminal/Keymap.h"
#include "terminal/VirtualKeyNames.h"

namespace {

constexpr size_t kKeyColumns = 20;

}  // namespace

std::string KeymapFileWriter::Text(Keymap const& keymap) {
  std::string text;
  for (int index = 0; index < Keymap::kIndexCount; ++index)
    if (int const code = keymap.GetOwnKeyCode(index); code != KeymapCode::NONE)
      text += Line(index, code, keymap.GetOwnKeyValue(index));
  return text;
}

std::string KeymapFileWriter::Line(int index, int code, VString const& value) {
  std::string line = ModifierField(index) + '\t';
  std::string const key = VirtualKeyToName(index & 0xFF).Str();
  line += key;
  if (key.size() < kKeyColumns) line.append(kKeyColumns - key.size(), ' ');
  line += '\t';
  if (code == KeymapCode::SEND)
    line += '"' + value.Str() + '"';
  else if (code == KeymapCode::RUN)
    line += "RUN(\"" + value.Str() + "\")";
  else
    line += Keymap::LookupNameByCode(code).Str();
  return line + "\r\n";
}

std::string KeymapFileWriter::ModifierField(int index) {
  std::string field;
  if (index & Keymap::kAlt) field += 'A';
  if (index & Keymap::kCtrl) field += 'C';
  if (index & Keymap::kShift) field += 'S';
  if (index & Keymap::kExtended) field += 'E';
  return field.empty() ? "N" : field;
}
