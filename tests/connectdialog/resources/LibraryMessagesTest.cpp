#include "resources/LibraryMessageModule.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "VReportMessageParams.h"
#include "support/Golden.h"
#include "support/KeyDump.h"

namespace {

// Each text exactly as the library ships it, in the table's order.
TEST(LibraryMessages, EveryTextIsShippedByteForByte) {
  std::string dump;
  for (MessageEntry const& entry : LibraryMessageModule::Table().Entries()) {
    VReportMessageParams report(entry.code, &LibraryMessageModule::Get());
    char code[16];
    std::snprintf(code, sizeof code, "0x%08lX ", entry.code);
    dump += code + DumpText(report.GetText()) + "\n";
  }
  ExpectGolden("library_messages.txt", dump);
}

TEST(LibraryMessages, LibraryIsTheDefaultSourceModule) {
  VReportMessageParams report;
  EXPECT_EQ(report.GetModule(), &LibraryMessageModule::Get());
  report.Reset(0xA1600004);
  report.AddNumber(12);
  report.AddNumber(3);
  EXPECT_STREQ(report.GetText(),
               "Of your 12 sessions, 3 could not be updated because they are currently read-only.\r\n");
}

TEST(LibraryMessages, FilledTexts) {
  struct Case {
    unsigned long code;
    char const* first;
    char const* second;
    bool singleLine;
    char const* expected;
  } const cases[] = {
      {0xE1600003, nullptr, nullptr, true,
       "Do you want to apply the changes that you made to the default session to ALL of your sessions?  "
       "WARNING: There is no UNDO for this change. "},
      {0xA1600008, "line 3", "line 9", false,
       "The following lines had errors and were ignored when loading keymap file:\r\nline 3\r\n\r\nline 9\r\n"},
      {0xE1600007, "/k/a.key", "bad", true, "Unable to load keymap file: /k/a.key  bad "},
      {0xA1600010, "Korvo", "HaloFyx", false, nullptr},
      {0xE160000F, "gopher", nullptr, false,
       "The URL protocol 'gopher' is not supported.\r\n\r\n"
       "Supported protocols are 'ftp', 'sftp', 'ssh2', 'telnet', and 'rlogin'.\r\n"},
  };
  for (Case const& c : cases) {
    VReportMessageParams report;
    report.Reset(c.code);
    if (c.first) report.AddString(c.first);
    if (c.second) report.AddString(c.second);
    std::string text = c.singleLine ? report.GetTextSingleLine() : report.GetText();
    if (c.expected) {
      EXPECT_EQ(text, c.expected) << std::hex << c.code;
    }
    if (c.singleLine) {
      EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos);
    }
    EXPECT_EQ(text.find('%'), std::string::npos) << text;
  }
}

TEST(LibraryMessages, UnknownCodeNamesTheCodeAndTheLibrary) {
  VReportMessageParams report;
  report.Reset(0xE16000FF);
  std::string text = report.GetText();
  EXPECT_EQ(text.rfind("Could not retrieve the error text for error code 0xe16000ff.\r\n", 0), 0u) << text;
  EXPECT_NE(text.find("libconnectdialog.so.1:317 and 1813."), std::string::npos) << text;
}

}  // namespace
