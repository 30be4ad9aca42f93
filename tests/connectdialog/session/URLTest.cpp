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
#include "support/InstalledMemoryStore.h"
#include "support/RegisterProtocolRow.h"
#include "support/SessionHolder.h"

namespace {

constexpr char kDefaultPassword[] = "me@example.org";
constexpr unsigned long kNotAUrl = 0xE160000D;
constexpr unsigned long kBadSyntax = 0xE160000E;
constexpr unsigned long kUnsupported = 0xE160000F;

struct Parsed { unsigned long scheme; char const* schemeName; char const* host; unsigned short port;
    bool portIsDefault; char const* user; char const* password; char const* object; int transferType; };

TEST(URL, ParsesAcceptedUrls) {
  struct Case { char const* text; Parsed expected; } const cases[] = {
      {"ftp://host/pub", {URL::kFtp, "ftp", "host", 21, true, "anonymous", kDefaultPassword, "pub", -1}},
      {"sftp://user:p%3Aw@[fe80::1]:2222/home;type=a", {URL::kSftp, "sftp", "fe80::1", 2222, false, "user", "p:w", "home", 1}},
      {" \tSSH2://u@h\r\n", {URL::kSsh2, "SSH2", "h", 22, true, "u", "", "", -1}},
      {"ssh://h", {URL::kSsh, "ssh", "h", 22, true, "", "", "", -1}},
      {"ssh1://h:22", {URL::kSsh1, "ssh1", "h", 22, true, "", "", "", -1}},
      {"telnet:h:2323/", {URL::kTelnet, "telnet", "h", 2323, false, "", "", "", -1}},
      {"rlogin://h", {URL::kRlogin, "rlogin", "h", 0, true, "", "", "", -1}},
      // A bare colon is no port; numbers keep their low 16 bits, wrapped negatives give 0.
      {"ftp://h:", {URL::kFtp, "ftp", "h", 21, true, "anonymous", kDefaultPassword, "", -1}},
      {"ftp://h:65557", {URL::kFtp, "ftp", "h", 21, true, "anonymous", kDefaultPassword, "", -1}},
      {"ftp://h:2147483648", {URL::kFtp, "ftp", "h", 0, false, "anonymous", kDefaultPassword, "", -1}},
      {"ssh://[]:7", {URL::kSsh, "ssh", "", 7, false, "", "", "", -1}},
      {"ftp:///x/y", {URL::kFtp, "ftp", "", 21, true, "anonymous", kDefaultPassword, "x/y", -1}},
      // Logins: a password alone or an empty user keeps FTP from going anonymous.
      {"ftp://:pw@h", {URL::kFtp, "ftp", "h", 21, true, "", "pw", "", -1}},
      {"ftp://u:@h", {URL::kFtp, "ftp", "h", 21, true, "u", "", "", -1}},
      {"ftp://@h", {URL::kFtp, "ftp", "h", 21, true, "anonymous", kDefaultPassword, "", -1}},
      {"ftp://user@host/%zz", {URL::kFtp, "ftp", "host", 21, true, "user", "", "%zz", -1}},
      {"ftp://h%41st/%2Fetc%3btype=I", {URL::kFtp, "ftp", "hAst", 21, true, "anonymous", kDefaultPassword, "/etc", 2}},
      // Transfer types.
      {"ftp://h/f; TYPE = i", {URL::kFtp, "ftp", "h", 21, true, "anonymous", kDefaultPassword, "f", 2}},
      {"ftp://h/f;type=text", {URL::kFtp, "ftp", "h", 21, true, "anonymous", kDefaultPassword, "f", 1}},
      {"ftp://h/a;b;type=x", {URL::kFtp, "ftp", "h", 21, true, "anonymous", kDefaultPassword, "a;b", -1}},
      {"ftp://h/f;type=", {URL::kFtp, "ftp", "h", 21, true, "anonymous", kDefaultPassword, "f;type=", -1}},
      {"ftp://h/;type=a", {URL::kFtp, "ftp", "h", 21, true, "anonymous", kDefaultPassword, "", -1}},
      {"ftp://h//", {URL::kFtp, "ftp", "h", 21, true, "anonymous", kDefaultPassword, "", -1}},
  };
  for (Case const& c : cases) {
    SCOPED_TRACE(c.text);
    URL url(kDefaultPassword);
    VReportMessageParams report;
    ASSERT_TRUE(url.ParseAppUrl(c.text, report));
    EXPECT_EQ(report.GetCode(), 0u);
    EXPECT_EQ(url.GetScheme(), c.expected.scheme);
    EXPECT_EQ(url.GetSchemeName(), c.expected.schemeName);
    EXPECT_STREQ(url.GetAddress(), c.expected.host);
    bool isDefault = !c.expected.portIsDefault;
    EXPECT_EQ(url.GetPort(isDefault), c.expected.port);
    EXPECT_EQ(isDefault, c.expected.portIsDefault);
    EXPECT_STREQ(url.GetUsername(), c.expected.user);
    EXPECT_STREQ(url.GetPassword(), c.expected.password);
    EXPECT_STREQ(url.GetObject(), c.expected.object);
    EXPECT_EQ(url.GetTransferType(), c.expected.transferType);
    EXPECT_TRUE(URL::IsURL(c.text));
  }
}

TEST(URL, RefusesBadText) {
  // schemeInsert: %1 of the report, null when it has none.
  struct Case { char const* text; unsigned long code; char const* schemeInsert; } const cases[] = {
      {nullptr, kNotAUrl, nullptr}, {"", kNotAUrl, nullptr}, {"host", kNotAUrl, nullptr}, {"ftp:", kNotAUrl, nullptr},
      {"ftp: \t", kNotAUrl, nullptr}, {":x", kNotAUrl, nullptr}, {"ftp://", kBadSyntax, nullptr},
      {"ftp://host:21x/", kBadSyntax, nullptr}, {"ftp://h:-1", kBadSyntax, nullptr},
      {"ftp://ho[st/", kBadSyntax, nullptr}, {"ftp://[::1/", kBadSyntax, nullptr},
      {"ftp://h%zz/", kBadSyntax, nullptr}, {"ftp://u%4@h", kBadSyntax, nullptr},
      {"ftp://u:p%@h", kBadSyntax, nullptr}, {"file:x/y", kBadSyntax, nullptr}, {"foo:bar", kUnsupported, "foo"},
      {"http://host/", kUnsupported, "http"}, {"HTTPS://host/", kUnsupported, "HTTPS"},
      {"file://x/y", kUnsupported, "file"},
  };
  for (Case const& c : cases) {
    SCOPED_TRACE(c.text ? c.text : "(null)");
    URL url(kDefaultPassword);
    VReportMessageParams report;
    EXPECT_FALSE(url.ParseAppUrl(c.text, report));
    EXPECT_EQ(report.GetCode(), c.code);
    ASSERT_EQ(report.GetInsertCount(), c.schemeInsert ? 1 : 0);
    if (c.schemeInsert) {
      std::string const text = report.GetText();
      EXPECT_EQ(text.substr(0, text.find('\r')),
                std::string("The URL protocol '") + c.schemeInsert + "' is not supported.");
    }
    EXPECT_FALSE(URL::IsURL(c.text));
  }
}

TEST(URL, UnknownSchemeKeepsItsSplitAfterRefusal) {
  URL url(nullptr);
  VReportMessageParams report;
  EXPECT_FALSE(url.ParseAppUrl("foo:bar", report));
  EXPECT_EQ(url.GetScheme(), URL::kUnknownScheme);
  EXPECT_EQ(url.GetSchemeName(), "foo");
  EXPECT_STREQ(url.GetAddress(), "");
}

TEST(URL, ReparsingForgetsThePreviousUrl) {
  URL url("");
  VReportMessageParams report;
  ASSERT_TRUE(url.ParseAppUrl("sftp://u:p@h:99/dir;type=b", report));
  ASSERT_TRUE(url.ParseAppUrl("ftp://other", report));
  bool isDefault = false;
  EXPECT_EQ(url.GetPort(isDefault), 21);
  EXPECT_TRUE(isDefault);
  EXPECT_STREQ(url.GetUsername(), "anonymous");
  EXPECT_STREQ(url.GetPassword(), "");
  EXPECT_STREQ(url.GetObject(), "");
  EXPECT_EQ(url.GetTransferType(), -1);
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
  struct Case { char const* defaultProtocol; char const* text; char const* protocol; char const* host; int port;
      char const* user; char const* password; bool passwordValid; char const* directory; int transferType;
  } const cases[] = {
      {"FTP", "ftp://host/pub", "FTP", "host", 21, "anonymous", kAnonymous, true, "pub", -1},
      {"SFTP", "ftp://u:p@h:2121/a/b;type=a", "FTP", "h", 2121, "u", "p", true, "a/b", 1},
      {"FTP", "ftp://u@h", "FTP", "h", 21, "u", "", false, "", -1},
      {"FTP", "ssh2://u:p%40w@[::1]:2200/home;type=i", "SFTP", "::1", 2200, "u", "p@w", false, "home", 2},
      {"FTP", "telnet://h", "SFTP", "h", 23, "", "", false, "", -1},
      // Numeric addresses and bare names take the default session's protocol and standard port.
      {"FTP", "192.168.1.5", "FTP", "192.168.1.5", 21, "anonymous", kAnonymous, true, "", -1},
      {"ftp", "fe80::1", "ftp", "fe80::1", 21, "anonymous", kAnonymous, true, "", -1},
      {"SFTP", "myhost", "SFTP", "myhost", 22, "", "", false, "", -1},
      {"sftp", "::1", "sftp", "::1", 22, "", "", false, "", -1},
  };
  for (Case const& c : cases) {
    SCOPED_TRACE(c.text);
    StoreDefaultProtocol(c.defaultProtocol);
    int transferType = 99;
    VReportMessageParams report;
    SessionHolder session(static_cast<SessionConfig*>(CreateSessionConfig(c.text, transferType, report)));
    ASSERT_NE(session, nullptr) << std::hex << report.GetCode();
    EXPECT_EQ(session->GetSessionName(), "Default");
    EXPECT_EQ(session->GetTransferProtocol(), c.protocol);
    ConnectConfig* transfer = session->GetTransferConnectConfig();
    ASSERT_NE(transfer, nullptr);
    EXPECT_EQ(transfer->GetHostname(), c.host);
    EXPECT_EQ(transfer->GetPort(), c.port);
    EXPECT_EQ(transfer->GetUsername(), c.user);
    EXPECT_EQ(transfer->GetPassword(), c.password);
    EXPECT_EQ(transfer->IsPasswordValid(), c.passwordValid);
    EXPECT_EQ(session->GetInitialDirectory(), c.directory);
    EXPECT_EQ(transferType, c.transferType);
  }
}

// The URL's own refusals reach the caller; so does a protocol without its plug-in.
TEST_F(UrlSessionTest, RefusesWithTheReport) {
  struct Case { char const* text; unsigned long code; char const* insert; };  // insert: %1, null when none
  Case const cases[] = {{nullptr, kNotAUrl, nullptr}, {"", kNotAUrl, nullptr}, {"ftp://ho[st/", kBadSyntax, nullptr},
                        {"ftp://h:21x", kBadSyntax, nullptr}, {"http://host/", kUnsupported, "http"}};
  StoreDefaultProtocol("FTP");
  int transferType = 0;
  for (Case const& c : cases) {
    SCOPED_TRACE(c.text ? c.text : "(null)");
    VReportMessageParams report;
    EXPECT_EQ(CreateSessionConfig(c.text, transferType, report), nullptr);
    EXPECT_EQ(report.GetCode(), c.code);
    ASSERT_EQ(report.GetInsertCount(), c.insert ? 1 : 0);
    if (c.insert) EXPECT_NE(std::string(report.GetText()).find(c.insert), std::string::npos);
  }
  GetConnectProtocolTable().RemoveAll();
  VReportMessageParams report;
  EXPECT_EQ(CreateSessionConfig("sftp://host", transferType, report), nullptr);
  EXPECT_EQ(report.GetCode(), 0xE160000Cu);
  EXPECT_STREQ(report.GetTextSingleLine(), "The protocol SFTP is not supported in this version. ");
}

}  // namespace
