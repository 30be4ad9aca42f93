#include "resources/LibraryMessageModule.h"

#include <gtest/gtest.h>

#include "VReportMessageParams.h"
#include "support/Golden.h"
#include "support/Joined.h"
#include "support/KeyDump.h"
#include "support/MessageCode.h"

namespace {

// Each text exactly as the library ships it, in the table's order.
TEST(LibraryMessages, EveryTextIsShippedByteForByte) {
  std::string dump;
  for (MessageEntry const& entry : LibraryMessageModule::Table().Entries()) {
    VReportMessageParams report(entry.code, &LibraryMessageModule::Get());
    dump += MessageCode(entry.code) + " " + DumpText(report.GetText()) + "\n";
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

// Each code with its inserts, as one line or as it stands: every insert filled, no "%" left.
TEST(LibraryMessages, FilledTexts) {
  struct Case { unsigned long code; char const* first; char const* second; bool singleLine; } const cases[] = {
      {0xE1600003, nullptr, nullptr, true}, {0xA1600008, "line 3", "line 9", false},
      {0xE1600007, "/k/a.key", "bad", true}, {0xA1600010, "Korvo", "HaloFyx", false},
      {0xE160000F, "gopher", nullptr, false},
  };
  std::string transcript;
  for (Case const& c : cases) {
    VReportMessageParams report;
    report.Reset(c.code);
    if (c.first) report.AddString(c.first);
    if (c.second) report.AddString(c.second);
    std::string const text = c.singleLine ? report.GetTextSingleLine() : report.GetText();
    EXPECT_EQ(text.find_first_of(c.singleLine ? "\r\n%" : "%"), std::string::npos) << text;
    transcript += Joined(MessageCode(c.code), c.first, c.second, c.singleLine) + " -> " + DumpText(text) + "\n";
  }
  ExpectGolden("connectdialog/filled_messages.txt", transcript);
}

TEST(LibraryMessages, UnknownCodeNamesTheCodeAndTheLibrary) {
  VReportMessageParams report;
  report.Reset(0xE16000FF);
  std::string text = report.GetText();
  EXPECT_EQ(text.rfind("Could not retrieve the error text for error code 0xe16000ff.\r\n", 0), 0u) << text;
  EXPECT_NE(text.find("libconnectdialog.so.1:317 and 1813."), std::string::npos) << text;
}

}  // namespace
