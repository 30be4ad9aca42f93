#include "CommandLineReader.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "CommandLineGrammar.h"

namespace {

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

std::string Capitals(std::string_view text) {
  std::string upper(text);
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return upper;
}

}  // namespace

void CommandLineReader::Read(CommandLineGrammar& grammar) {
  int words = 0;
  while (m_position) {
    POSITION const start = m_position;
    std::string const argument = m_arguments.GetNext(m_position).Str();
    bool taken = false;
    if (!IsSwitch(argument)) {
      taken = grammar.TakeWord(argument, words++);
    } else {
      std::string const name = Capitals(std::string_view(argument).substr(1));
      taken = name == grammar.ProtocolSwitch() || grammar.TakeOption(name, *this);
    }
    if (!taken) {
      m_position = start;
      return;
    }
  }
}

bool CommandLineReader::Value(std::string& value) {
  if (!m_position) return false;
  value = m_arguments.GetNext(m_position).Str();
  return true;
}

bool CommandLineReader::IsSwitch(std::string_view argument) {
  return argument.size() >= 2 && argument[0] == '/' && IsAsciiLetter(argument[1]) &&
         std::all_of(argument.begin() + 1, argument.end(), [](char c) { return IsAsciiLetter(c) || IsAsciiDigit(c); });
}

bool CommandLineReader::Number(std::string_view text, int low, int high, int& number) {
  if (text.empty() || text.size() > 9 || !std::all_of(text.begin(), text.end(), IsAsciiDigit)) return false;
  int value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  if (value < low || value > high) return false;
  number = value;
  return true;
}
