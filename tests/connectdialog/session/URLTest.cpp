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
#include "support/Golden.h"
#include "support/InstalledMemoryStore.h"
#include "support/Joined.h"
#include "support/KeyDump.h"
#include "support/MessageCode.h"
#include "support/RegisterProtocolRow.h"
#include "support/SessionHolder.h"

namespace {

constexpr char kDefaultPassword[] = "me@example.org";
constexpr unsigned long kUnsupported = 0xE160000F;

// One URL reads every text in turn, so each line also shows that nothing of the text before
// it is kept: the parts it was split into, or the refusal's code, inserts and first line.
TEST(URL, ParsesAcceptedUrlsAndRefusesBadText) {
  char const* const texts[] = {
      "ftp://host/pub", "sftp://user:p%3Aw@[fe80::1]:2222/home;type=a", " \tSSH2://u@h\r\n", "ssh://h", "ssh1://h:22",
      "telnet:h:2323/", "rlogin://h",
      // A bare colon is no port; numbers keep their low 16 bits, wrapped negatives give 0.
      "ftp://h:", "ftp://h:65557", "ftp://h:2147483648", "ssh://[]:7", "ftp:///x/y",
      // Logins: a password alone or an empty user keeps FTP from going anonymous.
      "ftp://:pw@h", "ftp://u:@h", "ftp://@h", "ftp://user@host/%zz", "ftp://h%41st/%2Fetc%3btype=I",
      // Transfer types.
      "ftp://h/f; TYPE = i", "ftp://h/f;type=text", "ftp://h/a;b;type=x", "ftp://h/f;type=", "ftp://h/;type=a",
      "ftp://h//", "sftp://u:p@h:99/dir;type=b", "ftp://other",
      // Refused.
      nullptr, "", "host", "ftp:", "ftp: \t", ":x", "ftp://", "ftp://host:21x/", "ftp://h:-1", "ftp://ho[st/",
      "ftp://[::1/", "ftp://h%zz/", "ftp://u%4@h", "ftp://u:p%@h", "file:x/y", "foo:bar", "http://host/",
      "HTTPS://host/", "file://x/y",
  };
  std::string transcript;
  URL url(kDefaultPassword);
  for (char const* text : texts) {
    VReportMessageParams report;
    bool const parsed = url.ParseAppUrl(text, report);
    std::string const message = report.GetText();
    bool isDefault = false;
    unsigned short const port = url.GetPort(isDefault);
    std::string const parts =
        parsed ? Joined(url.GetScheme(), url.GetSchemeName(), url.GetAddress(), port, isDefault, url.GetUsername(),
                        url.GetPassword(), url.GetObject(), url.GetTransferType())
               : Joined(report.GetInsertCount(), message.substr(0, message.find('\r')));
    transcript += DumpText(text ? text : "(null)") + " -> " +
                  Joined(URL::IsURL(text), parsed, MessageCode(report.GetCode()), parts) + "\n";
  }
  ExpectGolden("connectdialog/url_parse.txt", transcript);
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

// Each default protocol and text, then the session's transfer side: protocol, host, port, user,
// password and whether it is valid, initial directory and transfer type.
TEST_F(UrlSessionTest, FillsTheTransferSideFromUrlsAndHosts) {
  std::pair<char const*, char const*> const cases[] = {
      {"FTP", "ftp://host/pub"}, {"SFTP", "ftp://u:p@h:2121/a/b;type=a"}, {"FTP", "ftp://u@h"},
      {"FTP", "ssh2://u:p%40w@[::1]:2200/home;type=i"}, {"FTP", "telnet://h"},
      // Numeric addresses and bare names take the default session's protocol and standard port.
      {"FTP", "192.168.1.5"}, {"ftp", "fe80::1"}, {"SFTP", "myhost"}, {"sftp", "::1"},
  };
  std::string transcript;
  for (auto const& [defaultProtocol, text] : cases) {
    StoreDefaultProtocol(defaultProtocol);
    int transferType = 99;
    VReportMessageParams report;
    SessionHolder session(static_cast<SessionConfig*>(CreateSessionConfig(text, transferType, report)));
    ASSERT_NE(session, nullptr) << text << std::hex << report.GetCode();
    ConnectConfig* transfer = session->GetTransferConnectConfig();
    ASSERT_NE(transfer, nullptr) << text;
    transcript += Joined(defaultProtocol, text) + " -> " +
                  Joined(session->GetSessionName(), session->GetTransferProtocol(), transfer->GetHostname(),
                         transfer->GetPort(), transfer->GetUsername(), transfer->GetPassword(),
                         transfer->IsPasswordValid(), session->GetInitialDirectory(), transferType) + "\n";
  }
  ExpectGolden("connectdialog/url_sessions.txt", transcript);
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
