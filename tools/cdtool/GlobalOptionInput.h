// Turns the text of `cdtool global set NAME VALUE` into the stored form of the option's kind:
// a number (decimal from -2147483648, or hex with 0x, up to 4294967295), a flag (true, false,
// 1, 0, yes, no, on, off), a text as it is, or a record as hex bytes of the record's length.
#pragma once

#include <cstdint>
#include <string>

#include "GlobalOptionView.h"

class VProfileKey;

class GlobalOptionInput {
 public:
  // False with Error() set when `text` is not a value of the option's type.
  bool Parse(GlobalOption const& option, std::string const& text);
  // Writes the parsed value under the option's name.
  bool WriteTo(VProfileKey& key) const;
  std::string const& Error() const { return m_error; }

 private:
  bool ParseNumber(std::string const& text);
  bool ParseFlag(std::string const& text);
  bool ParseRecord(GlobalOption const& option, std::string const& text);
  bool Fail(std::string reason);

  std::string m_name;
  std::string m_type;
  uint32_t m_number = 0;
  std::string m_bytes;
  std::string m_error;
};
