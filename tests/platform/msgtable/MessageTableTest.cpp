#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/msgtable/MessageFormatter.h"
#include "platform/msgtable/MessageLookup.h"
#include "platform/msgtable/MessageModule.h"
#include "platform/msgtable/StaticMessageTable.h"
#include "platform/msgtable/SystemMessageTable.h"
#include "support/CaseFile.h"
#include "support/CaseWords.h"
#include "support/KeyDump.h"

namespace {

// A case of message_formats.txt: the pattern, its inserts (quoted: a text, else a number), then
// "single" or "ignore" for those modes.
std::string Formatted(std::string const& line) {
  std::vector<CaseWord> const words = CaseWords(line);
  std::vector<unsigned long> slots;
  std::vector<unsigned char> kinds;
  int flags = 0;
  for (size_t i = 1; i < words.size(); ++i) {
    CaseWord const& word = words[i];
    if (!word.quoted && (word.text == "single" || word.text == "ignore")) {
      flags |= word.text == "single" ? MessageFormatter::kSingleLine : MessageFormatter::kIgnoreInserts;
      continue;
    }
    slots.push_back(word.quoted ? static_cast<unsigned long>(reinterpret_cast<uintptr_t>(word.text.c_str()))
                                : std::stoul(word.text, nullptr, 0));
    kinds.push_back(word.quoted ? kInsertString : kInsertNumber);
  }
  std::string out = "kept:";
  MessageInserts inserts{slots.data(), kinds.data(), static_cast<int>(slots.size())};
  if (MessageFormatter(words[0].text, inserts, flags).Format(out)) return DumpText(out.substr(5));
  return out == "kept:" ? "refused" : "refused, yet wrote " + DumpText(out);
}

TEST(MessageFormatter, FillsInsertsOrRefusesThoseThatDoNotFit) {
  ExpectCaseFile("platform/message_formats.txt", Formatted);
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
  unsigned long const slots[] = {7, static_cast<unsigned long>(reinterpret_cast<uintptr_t>("a.key"))};
  unsigned char const kinds[] = {kInsertNumber, kInsertString};
  ExpectCaseFile("platform/message_lookups.txt", [&](std::string const& line) {
    MessageModule const* searched = line.find(" module") != std::string::npos ? &module : nullptr;
    int const count = std::stoi(line.substr(line.find("inserts=") + 8));
    return DumpText(MessageLookup::Text(std::stoul(line, nullptr, 0), searched, {slots, kinds, count},
                                        line.ends_with(" single")));
  });
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
