#include "database/OptionsUrlSession.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "VProfileKey.h"
#include "VProfileStore.h"
#include "database/GlobalConfigInstance.h"
#include "session/ConnectConfig.h"
#include "session/ConnectProtocolTable.h"
#include "session/SessionConfig.h"
#include "support/InstalledMemoryStore.h"
#include "support/RegisterProtocolRow.h"
#include "support/SessionHolder.h"

namespace {

constexpr char kAnonymous[] = "tester@example.org";

// The file-transfer host's protocol table (SFTP and FTP, the real plug-ins) over a fresh store
// whose default session uses `defaultProtocol` and whose anonymous password is set.
class UrlSessionTest : public testing::Test {
 protected:
  UrlSessionTest() {
    GetConnectProtocolTable().RemoveAll();
    for (int row : {10, 11}) EXPECT_TRUE(RegisterProtocolRow(BUILT_HOST_BASE_DIR, row, 6)) << row;
    VProfileStore store;
    VProfileKey global(store.Root(), "Global");
    global.SetSz("Anonymous Password", kAnonymous);
    GlobalConfig* config = nullptr;
    ReloadGlobalConfig(config);
  }
  ~UrlSessionTest() override {
    GlobalConfig* config = nullptr;
    ResetGlobalConfig(config);
    GetConnectProtocolTable().RemoveAll();
  }

  static void StoreDefaultProtocol(char const* protocol) {
    VProfileStore store;
    VProfileKey defaults(store.Root(), "Sessions\\Default");
    defaults.SetSz("Transfer Protocol Name", protocol);
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

TEST_F(UrlSessionTest, RefusesWithTheReport) {
  // insert: %1, null when the report has none.
  struct Case { char const* defaultProtocol; char const* text; unsigned long code; char const* insert;
  } const cases[] = {
      {"FTP", nullptr, 0xE160000D, nullptr}, {"FTP", "", 0xE160000D, nullptr},
      {"FTP", "ftp://ho[st/", 0xE160000E, nullptr}, {"FTP", "ftp://h:21x", 0xE160000E, nullptr},
      {"FTP", "http://host/", 0xE160000F, "http"},
  };
  for (Case const& c : cases) {
    SCOPED_TRACE(c.text ? c.text : "(null)");
    StoreDefaultProtocol(c.defaultProtocol);
    int transferType = 0;
    VReportMessageParams report;
    EXPECT_EQ(CreateSessionConfig(c.text, transferType, report), nullptr);
    EXPECT_EQ(report.GetCode(), c.code);
    ASSERT_EQ(report.GetInsertCount(), c.insert ? 1 : 0);
    if (c.insert) {
      EXPECT_NE(std::string(report.GetText()).find(c.insert), std::string::npos);
    }
  }
}

TEST_F(UrlSessionTest, TransferProtocolWithoutPluginIsNotSupported) {
  StoreDefaultProtocol("FTP");
  GetConnectProtocolTable().RemoveAll();
  int transferType = 0;
  VReportMessageParams report;
  EXPECT_EQ(CreateSessionConfig("sftp://host", transferType, report), nullptr);
  EXPECT_EQ(report.GetCode(), 0xE160000Cu);
  EXPECT_STREQ(report.GetTextSingleLine(), "The protocol SFTP is not supported in this version. ");
}

}  // namespace
