#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/msgtable/MessageFormatter.h"
#include "platform/msgtable/MessageLookup.h"
#include "platform/msgtable/MessageModule.h"
#include "platform/msgtable/StaticMessageTable.h"
#include "platform/msgtable/SystemMessageTable.h"

namespace {

// Inserts for a test: numbers, or strings when the text is set.
struct Arg {
  Arg(unsigned long n) : number(n) {}  // NOLINT
  Arg(char const* s) : text(s) {}      // NOLINT
  unsigned long number = 0;
  char const* text = nullptr;
};

std::optional<std::string> FormatWith(std::string_view pattern, std::vector<Arg> const& args, int flags = 0) {
  std::vector<unsigned long> slots;
  std::vector<unsigned char> kinds;
  for (Arg const& a : args) {
    slots.push_back(a.text ? static_cast<unsigned long>(reinterpret_cast<uintptr_t>(a.text)) : a.number);
    kinds.push_back(a.text ? kInsertString : kInsertNumber);
  }
  std::string out = "kept:";
  MessageInserts inserts{slots.data(), kinds.data(), static_cast<int>(args.size())};
  if (!MessageFormatter(pattern, inserts, flags).Format(out)) {
    EXPECT_EQ(out, "kept:") << "a failed format leaves the output alone";
    return std::nullopt;
  }
  return out.substr(5);
}

constexpr int kSingle = MessageFormatter::kSingleLine;
constexpr int kIgnore = MessageFormatter::kIgnoreInserts;

TEST(MessageFormatter, FillsInserts) {
  struct Case { char const* pattern; std::vector<Arg> args; int flags; char const* expected; } const cases[] = {
      {"plain", {}, 0, "plain"}, {"%1 and %2", {"a", "b"}, 0, "a and b"}, {"%2%1", {"a", "b"}, 0, "ba"},
      {"%1!d! of %2!u!", {12ul, 3ul}, 0, "12 of 3"}, {"%1!d!", {0xFFFFFFFFul}, 0, "-1"},
      {"%1!u!", {0x1FFFFFFFFul}, 0, "4294967295"}, {"%1!lu!", {7ul}, 0, "7"},
      {"%1!I64u!", {0x100000000ul}, 0, "4294967296"}, {"%1!lld!", {0xFFFFFFFFFFFFFFFFul}, 0, "-1"},
      {"0x%1!08x!", {0xA1600004ul}, 0, "0xa1600004"}, {"%1!08X!", {0xbeeful}, 0, "0000BEEF"},
      {"%1!02x!:%2!02X!", {0xaul, 0xfful}, 0, "0a:FF"}, {"%1!x!", {0x1234567890ul}, 0, "34567890"},
      {"%1!hd!", {0x18000ul}, 0, "-32768"}, {"%1!#o!", {8ul}, 0, "010"},
      {"[%1!5d!][%1!-5d!][%1!+d!]", {42ul}, 0, "[   42][42   ][+42]"}, {"%1!c!%2!c!", {'o', 0x16Bul}, 0, "ok"},
      {"[%1!.2s!][%1!6s!][%1!s!]", {"abc"}, 0, "[ab][   abc][abc]"}, {"%1!.3d!", {5ul}, 0, "005"},
      {"%10", {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"}, 0, "j"},
      {"%100", {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"}, 0, "j0"}, {"%1!d!!", {1ul}, 0, "1!"},
      {"100%% %. %! %b%t%r", {}, 0, "100% . !  \t\r"}, {"%q %", {}, 0, "q "}, {"a%nb", {}, 0, "a\r\nb"},
      {"a%nb", {}, kSingle, "ab"}, {"a%0b%nc", {}, 0, "a"}, {"a\r\nb\nc\rd\r\n", {}, 0, "a\r\nb\nc\rd\r\n"},
      {"a\r\nb\nc\rd\r\n\r\n", {}, kSingle, "a b c d  "}, {"%1", {"x\r\ny"}, kSingle, "x\r\ny"},
      {"%1!d! %2 %%", {}, kIgnore, "%1!d! %2 %"}, {"%1 %9!x", {"a"}, kIgnore, "%1 %9!x"}, {"", {}, 0, ""},
  };
  for (Case const& c : cases) EXPECT_EQ(FormatWith(c.pattern, c.args, c.flags), c.expected) << c.pattern;
}

TEST(MessageFormatter, RefusesInsertsThatDoNotFit) {
  struct Case { char const* pattern; std::vector<Arg> args; } const cases[] = {
      {"%9", {"a", "b"}},       {"%1", {}},         {"%1!d!", {"text"}},    {"%1!s!", {5ul}},
      {"%1", {5ul}},            {"%1!c!", {"a"}},   {"%1!d", {5ul}},        {"%1!!", {5ul}},
      {"%1!q!", {5ul}},         {"%1!dd!", {5ul}},  {"%1!*d!", {5ul, 6ul}}, {"%1!99999d!", {5ul}},
      {"%1!.99999s!", {"a"}},   {"%1!ls!", {"a"}},  {"%1!lc!", {5ul}},      {"%1!S!", {"a"}}, {"%1!n!", {5ul}},
  };
  for (Case const& c : cases) EXPECT_FALSE(FormatWith(c.pattern, c.args)) << c.pattern;
}

TEST(MessageFormatter, IgnoringInsertsNeverFails) {
  for (char const* pattern : {"%1!d", "%99!q!", "%", "%%%", "!%1!", "%0%1", "%1!99999d!"})
    EXPECT_TRUE(FormatWith(pattern, {}, kIgnore)) << pattern;
}

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

// Without an executable table the fallback names the code it missed there.
TEST(MessageLookup, SearchesSystemModuleExecutableThenFallsBack) {
  EXPECT_EQ(MessageLookup::Text(0xA1700002, &module, {}, false),
            "Could not retrieve the error text for error code 0xa1700002.\r\n"
            "Status codes from FormatMessage were /opt/test/libsample.so:317 and 1813.");
  ExecutableTableScope executable(&executableTable);
  Inserts inserts;
  inserts.slots[1] = static_cast<unsigned long>(reinterpret_cast<uintptr_t>("a.key"));
  struct Case { unsigned long code; MessageModule const* module; int inserts; bool singleLine; std::string expected; };
  Case const cases[] = {
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
  for (Case const& c : cases)
    EXPECT_EQ(MessageLookup::Text(c.code, c.module, inserts.View(c.inserts), c.singleLine), c.expected)
        << std::hex << c.code;
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
