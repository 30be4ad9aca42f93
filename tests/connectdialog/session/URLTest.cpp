// URLs as the hosts take them, and the file-transfer sessions made from them.
#include "session/URL.h"

#include <gtest/gtest.h>

#include "VProfileKey.h"
#include "VProfileStore.h"
#include "VReportMessageParams.h"
#include "database/GlobalConfigInstance.h"
#include "database/OptionsUrlSession.h"
#include "session/ConnectConfig.h"
#include "session/ConnectProtocolTable.h"
#include "support/CaseFile.h"
#include "support/CaseText.h"
#include "support/InstalledMemoryStore.h"
#include "support/Joined.h"
#include "support/KeyDump.h"
#include "support/MessageCode.h"
#include "support/RegisterProtocolRow.h"
#include "support/SessionHolder.h"

namespace {

constexpr char kDefaultPassword[] = "me@example.org";
constexpr unsigned long kUnsupported = 0xE160000F;

// One URL reads every text in turn, so each answer also shows that nothing of the text before it is kept.
TEST(URL, ParsesAcceptedUrlsAndRefusesBadText) {
  URL url(kDefaultPassword);
  ExpectCaseFile("connectdialog/url_parse.txt", [&](std::string const& line) {
    std::string const text = line == "(null)" ? "" : CaseText(line);
    char const* const given = line == "(null)" ? nullptr : text.c_str();
    VReportMessageParams report;
    bool const parsed = url.ParseAppUrl(given, report);
    std::string const message = report.GetText();
    bool isDefault = false;
    unsigned short const port = url.GetPort(isDefault);
    std::string const parts =
        parsed ? Joined(url.GetScheme(), url.GetSchemeName(), url.GetAddress(), port, isDefault, url.GetUsername(),
                        url.GetPassword(), url.GetObject(), url.GetTransferType())
               : Joined(report.GetInsertCount(), message.substr(0, message.find('\r')));
    return Joined(URL::IsURL(given), parsed, MessageCode(report.GetCode()), parts);
  });
}

TEST(URL, UnknownSchemeKeepsItsSplitAfterRefusal) {
  URL url(nullptr);
  VReportMessageParams report;
  EXPECT_FALSE(url.ParseAppUrl("foo:bar", report));
  EXPECT_EQ(url.GetScheme(), URL::kUnknownScheme);
  EXPECT_EQ(url.GetSchemeName(), "foo");
  EXPECT_STREQ(url.GetAddress(), "");
}

constexpr char kAnonymous[] = "tester@example.org";

// The file-transfer host's protocol table (SFTP and FTP, the real plug-ins) over a fresh store
// whose default session uses `defaultProtocol` and whose anonymous password is set.
class UrlSessionTest : public testing::Test {
 protected:
  UrlSessionTest() {
    GetConnectProtocolTable().RemoveAll();
    for (int row : {10, 11}) EXPECT_TRUE(RegisterProtocolRow(BUILT_HOST_BASE_DIR, row, 6)) << row;
    VProfileKey(VProfileStore().Root(), "Global").SetSz("Anonymous Password", kAnonymous);
    GlobalConfig* config = nullptr;
    ReloadGlobalConfig(config);
  }
  ~UrlSessionTest() override {
    GlobalConfig* config = nullptr;
    ResetGlobalConfig(config);
    GetConnectProtocolTable().RemoveAll();
  }
  static void StoreDefaultProtocol(char const* protocol) {
    VProfileKey(VProfileStore().Root(), "Sessions\\Default").SetSz("Transfer Protocol Name", protocol);
  }
  InstalledMemoryStore installed;
};

TEST_F(UrlSessionTest, FillsTheTransferSideFromUrlsAndHosts) {
  ExpectCaseFile("connectdialog/url_sessions.txt", [&](std::string const& line) {
    StoreDefaultProtocol(line.substr(0, line.find(' ')).c_str());
    int transferType = 99;
    VReportMessageParams report;
    SessionHolder session(
        static_cast<SessionConfig*>(CreateSessionConfig(line.substr(line.find(' ') + 1).c_str(), transferType, report)));
    ConnectConfig* transfer = session ? session->GetTransferConnectConfig() : nullptr;
    if (!transfer) return "no session: " + MessageCode(report.GetCode());
    return Joined(session->GetSessionName(), session->GetTransferProtocol(), transfer->GetHostname(),
                  transfer->GetPort(), transfer->GetUsername(), transfer->GetPassword(), transfer->IsPasswordValid(),
                  session->GetInitialDirectory(), transferType);
  });
}

// The URL's refusals reach the caller (URL's own test holds them all); so does a protocol without its plug-in.
TEST_F(UrlSessionTest, RefusesWithTheReport) {
  StoreDefaultProtocol("FTP");
  int transferType = 0;
  VReportMessageParams report;
  EXPECT_EQ(CreateSessionConfig("http://host/", transferType, report), nullptr);
  EXPECT_EQ(report.GetCode(), kUnsupported);
  EXPECT_TRUE(std::string(report.GetText()).starts_with("The URL protocol 'http' is not supported."))
      << report.GetText();
  GetConnectProtocolTable().RemoveAll();
  VReportMessageParams noPlugin;
  EXPECT_EQ(CreateSessionConfig("sftp://host", transferType, noPlugin), nullptr);
  EXPECT_EQ(noPlugin.GetCode(), 0xE160000Cu);
  EXPECT_STREQ(noPlugin.GetTextSingleLine(), "The protocol SFTP is not supported in this version. ");
}

}  // namespace
