// Reads one connection's arguments from a host's argument list: an optional protocol switch,
// then options ("/NAME" or "/NAME value") and plain words in any order, until the first
// argument the record does not take. The position is left on that argument (null when all were
// taken), so that the host can go on with it or report it.
#pragma once

#include <string>
#include <string_view>

#include "platform/types/CStringList.h"

class CommandLineGrammar;

class CommandLineReader {
 public:
  CommandLineReader(CStringList& arguments, POSITION& position) : m_arguments(arguments), m_position(position) {}

  void Read(CommandLineGrammar& grammar);
  // The value of the option being taken; false when the list has ended.
  bool Value(std::string& value);

  // "/" then a letter, then letters and digits: "/dev/ttyS0" is a word, not a switch.
  static bool IsSwitch(std::string_view argument);
  // Decimal digits only, within [low, high].
  static bool Number(std::string_view text, int low, int high, int& number);

 private:
  CStringList& m_arguments;
  POSITION& m_position;
};
