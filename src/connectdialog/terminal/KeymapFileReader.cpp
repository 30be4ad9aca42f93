#include "terminal/KeymapFileReader.h"

#include <utility>

#include "terminal/Keymap.h"
#include "terminal/VirtualKeyNames.h"

namespace {

constexpr std::string_view kBlanks = " \t";

std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return upper;
}

std::string OnLine(int number) { return " on line " + std::to_string(number); }

}  // namespace

void KeymapFileReader::ReadLine(std::string_view line, int number) {
  if (line.empty() || Stopped()) return;
  if (line.front() == ';') {
    m_sawComment = true;
    return;
  }
  Fields fields;
  if (!Split(line, fields)) return AddError("syntax error" + OnLine(number));
  int const virtualKey = VirtualKeyFromName(Upper(fields.key));
  if (virtualKey < 0) return AddError("unknown virtual key '" + std::string(fields.key) + "'" + OnLine(number));
  int const modifiers = ReadModifiers(fields.modifiers, number);
  if (Stopped()) return;
  ApplyAction(modifiers | virtualKey, fields.action, number);
}

// The first two blank-separated tokens, then everything after the character that ended the second.
bool KeymapFileReader::Split(std::string_view line, Fields& fields) {
  size_t const modifiersStart = line.find_first_not_of(kBlanks);
  if (modifiersStart == std::string_view::npos) return false;
  size_t const modifiersEnd = line.find_first_of(kBlanks, modifiersStart);
  if (modifiersEnd == std::string_view::npos) return false;
  size_t const keyStart = line.find_first_not_of(kBlanks, modifiersEnd);
  if (keyStart == std::string_view::npos) return false;
  size_t const keyEnd = line.find_first_of(kBlanks, keyStart);
  if (keyEnd == std::string_view::npos || keyEnd + 1 == line.size()) return false;
  fields.modifiers = line.substr(modifiersStart, modifiersEnd - modifiersStart);
  fields.key = line.substr(keyStart, keyEnd - keyStart);
  fields.action = line.substr(keyEnd + 1);
  return true;
}

// Each letter counts once; a repeated or unknown one is reported but the line still applies.
int KeymapFileReader::ReadModifiers(std::string_view field, int number) {
  static constexpr std::pair<char, int> kLetters[] = {
      {'N', 0}, {'E', Keymap::kExtended}, {'C', Keymap::kCtrl}, {'S', Keymap::kShift}, {'A', Keymap::kAlt}};
  std::string letters = Upper(field);
  int bits = 0;
  for (auto const& [letter, bit] : kLetters) {
    size_t const at = letters.find(letter);
    if (at == std::string::npos) continue;
    letters[at] = ' ';
    bits |= bit;
  }
  for (char const c : letters)
    if (c != ' ') AddError(std::string("unknown modifier '") + c + "'" + OnLine(number));
  return bits;
}

void KeymapFileReader::ApplyAction(int index, std::string_view action, int number) {
  size_t const start = action.find_first_not_of(kBlanks);
  action = start == std::string_view::npos ? std::string_view() : action.substr(start);
  if (action.starts_with('"')) {
    // Up to the last quote, so that inner quotes belong to the string.
    size_t const close = action.rfind('"');
    if (close == 0) AddError("expected closing quote" + OnLine(number));
    if (Stopped()) return;
    m_keymap.SetKeyCode(index, KeymapCode::SEND);
    m_keymap.SetKeyValue(index, close == 0 ? std::string_view() : action.substr(1, close - 1));
  } else if (action.starts_with("RUN")) {
    ApplyRun(index, action, number);
  } else {
    ApplyFunction(index, action, number);
  }
}

// RUN("path"): whatever stands before the first quote and after the second is ignored.
void KeymapFileReader::ApplyRun(int index, std::string_view action, int number) {
  size_t const open = action.find('"');
  if (open == std::string_view::npos) return AddError("syntax error" + OnLine(number));
  std::string_view const rest = action.substr(open + 1);
  m_keymap.SetKeyCode(index, KeymapCode::RUN);
  m_keymap.SetKeyValue(index, rest.substr(0, rest.find('"')));
}

void KeymapFileReader::ApplyFunction(int index, std::string_view action, int number) {
  std::string_view const name = action.substr(0, action.find_first_of(kBlanks));
  int const code = Keymap::LookupCodeByName(VString(name));
  if (code < KeymapCode::RUN)
    return AddError("illegal string or unknown function, '" + std::string(name) + "'," + OnLine(number));
  m_keymap.SetKeyCode(index, code);
}

void KeymapFileReader::AddError(std::string const& error) {
  if (Stopped()) return;
  if (m_errorCount++ > 0) m_errors += '\n';
  m_errors += error;
}
