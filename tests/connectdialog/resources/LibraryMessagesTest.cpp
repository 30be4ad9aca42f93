#include "resources/LibraryMessageModule.h"

#include <gtest/gtest.h>

#include "VReportMessageParams.h"
#include "support/CaseFile.h"
#include "support/CaseWords.h"
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

TEST(LibraryMessages, TheLibraryIsTheDefaultModuleAndFillsInserts) {
  EXPECT_EQ(VReportMessageParams().GetModule(), &LibraryMessageModule::Get());
  ExpectCaseFile("connectdialog/filled_messages.txt", [](std::string const& line) {
    std::vector<CaseWord> const words = CaseWords(line);
    VReportMessageParams report;
    report.Reset(std::stoul(words[0].text, nullptr, 16));
    bool singleLine = false;
    for (CaseWord const& word : words) {
      if (word.quoted) report.AddString(word.text.c_str());
      else if (word.text == "single") singleLine = true;
      else if (&word != &words[0]) report.AddNumber(std::stoul(word.text));
    }
    std::string const text = singleLine ? report.GetTextSingleLine() : report.GetText();
    EXPECT_EQ(text.find_first_of(singleLine ? "\r\n%" : "%"), std::string::npos) << text;
    return DumpText(text);
  });
}

TEST(LibraryMessages, UnknownCodeNamesTheCodeAndTheLibrary) {
  VReportMessageParams report;
  report.Reset(0xE16000FF);
  std::string text = report.GetText();
  EXPECT_EQ(text.rfind("Could not retrieve the error text for error code 0xe16000ff.\r\n", 0), 0u) << text;
  EXPECT_NE(text.find("libconnectdialog.so.1:317 and 1813."), std::string::npos) << text;
}

}  // namespace
