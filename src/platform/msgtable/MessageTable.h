// A code-to-text table of messages whose texts use the insert syntax of MessageFormatter.
#pragma once

#include <string_view>

class MessageTable {
 public:
  virtual ~MessageTable() = default;
  // The unformatted text of `code`; false when the table has none.
  virtual bool Find(unsigned long code, std::string_view& text) const = 0;
};
