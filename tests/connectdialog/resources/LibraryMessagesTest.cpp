#include "resources/LibraryMessageModule.h"

#include <gtest/gtest.h>

#include <string>

#include "VReportMessageParams.h"

namespace {

struct Golden { unsigned long code; std::string text; };

// Each text exactly as the library ships it.
Golden const kGolden[] = {
      {0xA1600004, "Of your %1!d! sessions, %2!d! could not be updated because they are currently read-only.\r\n"},
      {0xA1600005, "%1\r\n"},
      {0xA1600008, "The following lines had errors and were ignored when loading keymap file:\r\n%1\r\n\r\n%2\r\n"},
      {0xA1600009, "Scripting has been administratively disabled.\r\nThe Run Script function is no longer available.\r\n"},
      {0xA1600010, "%1 is currently not integrated with %2.  The selected folder is the same\r\nas %2, which would cause %1 to be integrated with %2.  If you \r\nchoose to integrate, the %1 sessions will have to be copied manually to the \r\nselected folder if you want to continue using them.  \r\n\r\nWould you like to integrate?\r\n"},
      {0xE1600001, "Access to the following folder is denied:\r\n\r\n'%1'\r\n\r\nPlease choose another folder.\r\n"},
      {0xE1600002, "The folder is not valid:\r\n\r\n'%1'\r\n\r\nPlease choose another folder.\r\n"},
      {0xE1600003, "Do you want to apply the changes that you made to the default session to ALL of your sessions?\r\n\r\nWARNING: There is no UNDO for this change.\r\n"},
      {0xE1600006, "User font mapping file not found:\r\n\r\n   %1\r\n\r\nNo map file loaded. Using default font map.\r\n"},
      {0xE1600007, "Unable to load keymap file: %1\r\n\r\n%2\r\n"},
      {0xE160000A, "The config path for Korvo is the same as the config path for HaloFyx.\r\nIntegration of Korvo and HaloFyx is not supported.\r\nPlease select a different config path for Korvo. \r\n"},
      {0xE160000B, "The config path for HaloFyx is the same as the config path for Korvo.\r\nIntegration of HaloFyx and Korvo is not supported.\r\nPlease select a different config path for HaloFyx. \r\n"},
      {0xE160000C, "The protocol %1 is not supported in this version.\r\n"},
      {0xE160000D, "The specified string is not a URL.\r\n"},
      {0xE160000E, "The specified URL has an invalid syntax.\r\n"},
      {0xE160000F, "The URL protocol '%1' is not supported.\r\n\r\nSupported protocols are 'ftp', 'sftp', 'ssh2', 'telnet', and 'rlogin'.\r\n"},
};

TEST(LibraryMessages, EveryTextIsShippedByteForByte) {
  auto entries = LibraryMessageModule::Table().Entries();
  ASSERT_EQ(entries.size(), std::size(kGolden));
  for (Golden const& golden : kGolden) {
    VReportMessageParams report(golden.code, &LibraryMessageModule::Get());
    EXPECT_EQ(std::string(report.GetText()), golden.text) << std::hex << golden.code;
  }
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
