// Fills a message text with its inserts by the platform's message-insert rules:
//   %1 .. %99         insert n as a string, or with a printf conversion: %1!d!, %2!08x!, %3!-5s!
//                     (flags -+ #0, width, precision, length h hh l ll I32 I64; d i u o x X c s)
//   %0                ends the message here (no line break follows)
//   %n                a line break (CR LF); dropped in the single-line form
//   %r %t %b          carriage return, tab, space
//   %% %. %! %space   the character itself (likewise any other character after %)
// In the single-line form every line break of the text itself (CR LF, CR or LF) becomes one
// space; inserts are copied as they are. Numbers convert as 32-bit values unless ll or I64 asks
// for 64 bits. With ignore-inserts, insert markers are copied unchanged and formatting cannot fail.
#pragma once

#include <string>
#include <string_view>

#include "platform/msgtable/MessageInserts.h"

class MessageFormatter {
 public:
  enum Flags { kSingleLine = 1, kIgnoreInserts = 2 };

  MessageFormatter(std::string_view pattern, MessageInserts const& inserts, int flags)
      : m_pattern(pattern), m_inserts(inserts), m_flags(flags) {}

  // Appends the formatted text to `out`. False, with `out` unchanged, when an insert is missing,
  // does not match its conversion, or the conversion is malformed.
  bool Format(std::string& out);

 private:
  bool Escape(std::string& text);
  bool Insert(std::string& text);
  bool Convert(int index, std::string_view spec, std::string& text) const;
  bool Has(int flag) const { return (m_flags & flag) != 0; }

  std::string_view m_pattern;
  MessageInserts m_inserts;
  int m_flags;
  size_t m_pos = 0;
  bool m_stopped = false;
};
