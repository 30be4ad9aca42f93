#include "platform/msgtable/MessageLookup.h"

#include <cstdint>

#include "platform/msgtable/MessageFormatter.h"
#include "platform/msgtable/MessageModule.h"
#include "platform/msgtable/SystemMessageTable.h"

namespace {

constexpr std::string_view kFallback =
    "Could not retrieve the error text for error code 0x%1!08x!.\r\n"
    "Status codes from FormatMessage were %2:%3!d! and %4!d!.";

}  // namespace

std::string MessageLookup::Text(unsigned long code, MessageModule const* module, MessageInserts const& inserts,
                                bool singleLine) {
  int flags = singleLine ? MessageFormatter::kSingleLine : 0;
  std::string text;
  unsigned long systemError = 0, moduleError = 0, executableError = 0;
  if (FromTable(&SystemMessageTable::Instance(), code, inserts, flags, text, systemError)) return text;
  if (FromTable(module ? module->Table() : nullptr, code, inserts, flags, text, moduleError)) return text;
  if (FromTable(MessageModule::ExecutableTable(), code, inserts, flags, text, executableError)) return text;
  return Fallback(code, module, moduleError, executableError, flags);
}

bool MessageLookup::FromTable(MessageTable const* table, unsigned long code, MessageInserts const& inserts, int flags,
                              std::string& text, unsigned long& error) {
  if (!table) {
    error = kErrorNoTable;
    return false;
  }
  std::string_view pattern;
  if (!table->Find(code, pattern)) {
    error = kErrorNoText;
    return false;
  }
  std::string out;
  if (!MessageFormatter(pattern, inserts, flags).Format(out))
    MessageFormatter(pattern, inserts, flags | MessageFormatter::kIgnoreInserts).Format(out);
  if (out.empty()) {  // a text that says nothing (only %0) is as good as none
    error = kErrorNoText;
    return false;
  }
  text = std::move(out);
  return true;
}

std::string MessageLookup::Fallback(unsigned long code, MessageModule const* module, unsigned long moduleError,
                                    unsigned long executableError, int flags) {
  std::string moduleName = module && !module->FileName().empty() ? module->FileName() : "<Unknown Module>";
  unsigned long const slots[] = {code, static_cast<unsigned long>(reinterpret_cast<uintptr_t>(moduleName.c_str())),
                                 moduleError, executableError};
  unsigned char const kinds[] = {kInsertNumber, kInsertString, kInsertNumber, kInsertNumber};
  std::string text;
  MessageFormatter(kFallback, MessageInserts{slots, kinds, 4}, flags).Format(text);
  return text;
}
