#include "platform/msgtable/MessageLookup.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/msgtable/MessageModule.h"
#include "platform/msgtable/StaticMessageTable.h"
#include "platform/msgtable/SystemMessageTable.h"

namespace {

constexpr MessageEntry kModuleEntries[] = {
    {0xA1700001, "Module %1!d! text.\r\nSecond line.\r\n"}, {0xA1700002, "%0Only an end"},
    {0xA1700003, "Ask for %9 here."}, {0xA1700004, "Module wins"},
};
constexpr MessageEntry kExecutableEntries[] = {
    {0xA1700002, "From the executable"}, {0xA1700004, "Executable loses"},
};
StaticMessageTable const moduleTable(kModuleEntries);
StaticMessageTable const executableTable(kExecutableEntries);
MessageModule const module("/opt/test/libsample.so", &moduleTable);

struct Inserts {
  unsigned long slots[2] = {7, 0};
  unsigned char kinds[2] = {kInsertNumber, kInsertString};
  MessageInserts View(int count) const { return {slots, kinds, count}; }
};

class ExecutableTableScope {
 public:
  explicit ExecutableTableScope(MessageTable const* table) { MessageModule::SetExecutableTable(table); }
  ~ExecutableTableScope() { MessageModule::SetExecutableTable(nullptr); }
};

TEST(MessageLookup, SearchesSystemModuleExecutableThenFallsBack) {
  ExecutableTableScope executable(&executableTable);
  Inserts inserts;
  inserts.slots[1] = static_cast<unsigned long>(reinterpret_cast<uintptr_t>("a.key"));
  struct Case {
    unsigned long code;
    MessageModule const* module;
    int inserts;
    bool singleLine;
    std::string expected;
  } const cases[] = {
      {0xA1700001, &module, 1, false, "Module 7 text.\r\nSecond line.\r\n"},
      {0xA1700001, &module, 1, true, "Module 7 text. Second line. "},
      {0xA1700001, &module, 0, false, "Module %1!d! text.\r\nSecond line.\r\n"},
      {0xA1700003, &module, 2, false, "Ask for %9 here."}, {0xA1700004, &module, 0, false, "Module wins"},
      {0xA1700002, &module, 0, false, "From the executable"}, {0xA1700004, nullptr, 0, false, "Executable loses"},
      {38, &module, 0, false, "The end of the file has been reached."},
      {2, nullptr, 0, false, "The file was not found."}, {ENOTTY, nullptr, 0, false, "Inappropriate ioctl for device"},
      {kCodeProtectFailed, nullptr, 0, false, "Could not protect the value %1: %2"},
      {kCodeMalformedHex, nullptr, 2, false, "The value %1 does not hold a whole number of hexadecimal digit pairs."},
      {0xE17000FF, &module, 0, false,
       "Could not retrieve the error text for error code 0xe17000ff.\r\n"
       "Status codes from FormatMessage were /opt/test/libsample.so:317 and 317."},
      {0xE17000FF, nullptr, 0, true,
       "Could not retrieve the error text for error code 0xe17000ff. "
       "Status codes from FormatMessage were <Unknown Module>:1813 and 317."},
  };
  for (Case const& c : cases) {
    EXPECT_EQ(MessageLookup::Text(c.code, c.module, inserts.View(c.inserts), c.singleLine), c.expected)
        << std::hex << c.code;
  }
}

TEST(MessageLookup, FallbackNamesMissingExecutableTable) {
  std::string text = MessageLookup::Text(0xA1700002, &module, {}, false);
  EXPECT_EQ(text,
            "Could not retrieve the error text for error code 0xa1700002.\r\n"
            "Status codes from FormatMessage were /opt/test/libsample.so:317 and 1813.");
}

TEST(MessageLookup, EveryUtilityCodeHasText) {
  for (unsigned long code : {kCodeTextNotConvertible, kCodeNoPrinterContext, kCodeNoDefaultPrinter,
                             kCodeProtectFailed, kCodeUnprotectFailed, kCodeMalformedHex}) {
    std::string_view text;
    EXPECT_TRUE(SystemMessageTable::Instance().Find(code, text)) << std::hex << code;
    EXPECT_FALSE(text.empty());
  }
}

}  // namespace
