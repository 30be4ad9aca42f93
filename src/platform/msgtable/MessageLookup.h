// Turns a message code and its inserts into text: the system table first, then the source
// module's table, then the host executable's table, then a fallback text naming the code.
// When a text's inserts do not fit, that text is taken unfilled. The result is never empty.
#pragma once

#include <string>

#include "platform/msgtable/MessageInserts.h"

class MessageModule;
class MessageTable;

class MessageLookup {
 public:
  // Platform errors of a lookup step, as the fallback text reports them.
  static constexpr unsigned long kErrorNoText = 317;
  static constexpr unsigned long kErrorNoTable = 1813;

  // `module` may be null (no source module).
  static std::string Text(unsigned long code, MessageModule const* module, MessageInserts const& inserts,
                          bool singleLine);

 private:
  static bool FromTable(MessageTable const* table, unsigned long code, MessageInserts const& inserts, int flags,
                        std::string& text, unsigned long& error);
  static std::string Fallback(unsigned long code, MessageModule const* module, unsigned long moduleError,
                              unsigned long executableError, int flags);
};
