// Quick Connect on the real plug-ins of each product: the protocols and ports it offers, every
// refusal leaving the store as it was, and the session it makes, stored or not.
#include "dialogs/QuickConnectDialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "connectdialog/database/GlobalConfigWorld.h"
#include "database/GlobalConfigInstance.h"
#include "database/SessionDatabase.h"
#include "library/ProductInfo.h"
#include "session/BuiltInProtocol.h"
#include "session/ConnectConfig.h"
#include "session/ConnectProtocolTable.h"
#include "session/ISessionConfig.h"
#include "support/HeadlessDialogs.h"
#include "support/JoinedText.h"
#include "support/ListNames.h"

namespace {

using Q = QuickConnectDialog;
using H = HeadlessDialogs;

class QuickConnectDialogTest : public ::testing::Test {
 protected:
  void Start(int product) {
    world.reset();
    world = std::make_unique<GlobalConfigWorld>(product);
    GlobalConfig* config = nullptr;
    GetGlobalConfig(config);
    // The default session is stored the first time it is made, by the dialog or anything else.
    SessionDatabase(0).Lookup(SessionDatabase::kDefaultName)->Release();
    GetConnectProtocolTable().RemoveAll();
    for (int row = 0; row < kBuiltInProtocolCount; ++row)
      if (builtInProtocols[row].productId == product) RegisterProtocolRow(BUILT_HOST_BASE_DIR, row, product);
    RegisterProtocolRow(nullptr, 0, product);
  }
  static std::string Sessions(std::string const& folder) {
    CStringList sessions;
    SessionDatabase(0).GetSessionList(folder.c_str(), sessions);
    return JoinedText(ListNames(sessions), ",");
  }
  // "protocol host port user" of the relevant side of a stored session.
  static std::string Stored(std::string const& path, bool terminal = true) {
    ISessionConfig* session = SessionDatabase(0).Lookup(path.c_str());
    if (!session) return "missing";
    ConnectConfig* side = terminal ? session->GetTermConnectConfig() : session->GetTransferConnectConfig();
    std::string const text = (terminal ? session->GetTerminalProtocol() : session->GetTransferProtocol()).Str() + " " +
                             side->GetHostname().Str() + " " + std::to_string(side->GetPort()) + " " +
                             side->GetUsername().Str();
    session->Release();
    return text;
  }

  std::unique_ptr<GlobalConfigWorld> world;
  HeadlessDialogs dialogs{false, false};
};

TEST_F(QuickConnectDialogTest, OffersTheHostsSideWithEachProtocolsPort) {
  // ports: the protocol picked, the port shown.
  using Ports = std::vector<std::pair<std::string, std::string>>;
  struct Case { int product; std::vector<std::string> protocols; Ports ports; };
  for (Case const& c : std::vector<Case>{
           {kProductHaloKorvo, {"SSH2", "Telnet", "RLogin"}, {{"Telnet", "23"}, {"RLogin", "513"}, {"SSH2", "22"}}},
           {kProductHaloFyx, {"SFTP", "FTP"}, {{"FTP", "21"}, {"SFTP", "22"}}},
           {kProductKorvo, {"Telnet", "RLogin"}, {{"RLogin", "513"}, {"Telnet", "23"}}},
       }) {
    Start(c.product);
    Q dialog("");
    dialog.Open();
    EXPECT_EQ(dialog.Protocols(), c.protocols) << c.product;
    EXPECT_EQ(dialog.Value(Q::kProtocol), c.protocols.front());
    EXPECT_EQ(dialog.Value(Q::kSave), "false");
    for (auto const& [protocol, port] : c.ports) {
      H::Type(dialog, {{Q::kProtocol, protocol}});
      EXPECT_EQ(dialog.Value(Q::kPort), port) << protocol;
    }
    std::string error;
    EXPECT_FALSE(dialog.SetControl(Q::kProtocol, "Serial", error));
    EXPECT_FALSE(dialog.SetControl(Q::kSave, "yes", error));
    EXPECT_FALSE(dialog.SetControl(4711, "x", error));
    EXPECT_EQ(dialog.Value(Q::kProtocol), c.ports.back().first);
  }
}

TEST_F(QuickConnectDialogTest, RefusedInputKeepsTheDialogOpenAndStoresNothing) {
  Start(kProductHaloKorvo);
  ASSERT_TRUE(SessionDatabase(0).InsertFolder("", "Lab", "", true));
  std::string const before = Sessions("Lab") + "|" + Sessions("");
  struct Case { std::string folder, host, port; int focus; std::string message; };
  std::string const host = "Please enter the host to connect to.", port = "Please enter a port between 1 and 65535.";
  for (Case const& c : std::vector<Case>{
           {"Lab", "", "22", Q::kHostname, host}, {"Lab", " \t", "22", Q::kHostname, host},
           {"Lab", "web lan", "22", Q::kHostname, "A host name cannot contain blanks."},
           {"Lab", "web", "0", Q::kPort, port}, {"Lab", "web", "65536", Q::kPort, port},
           {"Lab", "web", "-1", Q::kPort, port}, {"Lab", "web", "+22", Q::kPort, port},
           {"Lab", "web", "22x", Q::kPort, port}, {"Lab", "web", "", Q::kPort, port},
           {"Lab", "web", "0000022", Q::kPort, port},
           {"Gone", "web", "22", Q::kSave, "The folder to save the session in no longer exists."},
           {"Lab", std::string(300, 'h'), "22", Q::kHostname,
            "\"" + std::string(300, 'h') + "\" is too long: a name has at most 255 bytes, this one 300"},
       }) {
    Q dialog(c.folder);
    dialog.Open();
    SCOPED_TRACE(c.host + " " + c.port);
    H::Type(dialog, {{Q::kHostname, c.host}, {Q::kPort, c.port}, {Q::kSave, "true"}});
    size_t const shown = dialogs.ui.Shown().size();
    dialog.OnOK();
    EXPECT_FALSE(dialog.IsEnded());
    EXPECT_EQ(dialog.Focus(), c.focus);
    ASSERT_EQ(dialogs.ui.Shown().size(), shown + 1);
    EXPECT_EQ(dialogs.ui.Shown().back().text, c.message);
    EXPECT_EQ(dialogs.ui.Shown().back().caption, "Quick Connect");
    EXPECT_EQ(dialog.TakeSession(), nullptr);
    EXPECT_EQ(Sessions("Lab") + "|" + Sessions(""), before);
  }
}

TEST_F(QuickConnectDialogTest, MakesTheSessionAndStoresItOnlyWhenAsked) {
  Start(kProductHaloKorvo);
  ASSERT_TRUE(SessionDatabase(0).InsertFolder("", "Lab", "", true));
  struct Case { std::string protocol, host, port, user, save; std::string name, path, stored; };
  for (Case const& c : std::vector<Case>{
           {"SSH2", " web.lan ", "2222", " ops ", "true", "web.lan", "Lab\\web.lan", "SSH2 web.lan 2222 ops"},
           {"Telnet", "web.lan", "23", "", "true", "web.lan (1)", "Lab\\web.lan (1)", "Telnet web.lan 23 "},
           {"SSH2", "fe80::1", "22", "root", "true", "fe80__1", "Lab\\fe80__1", "SSH2 fe80::1 22 root"},
           {"RLogin", "db", "513", "x", "false", "db", "", "missing"},
       }) {
    Q dialog("Lab");
    dialog.Open();
    H::Type(dialog, {{Q::kProtocol, c.protocol}, {Q::kHostname, c.host}, {Q::kPort, c.port}, {Q::kUsername, c.user},
                     {Q::kSave, c.save}});
    dialog.OnOK();
    ASSERT_TRUE(dialog.IsEnded()) << c.host;
    EXPECT_EQ(dialog.EndCode(), IDOK);
    ISessionConfig* session = dialog.TakeSession();
    ASSERT_NE(session, nullptr);
    EXPECT_EQ(dialog.TakeSession(), nullptr);
    EXPECT_EQ(session->GetSessionName().Str(), c.name);
    EXPECT_EQ(session->GetSessionPath().Str(), c.path);
    EXPECT_EQ(session->GetTermConnectConfig()->GetHostname().Str(), c.host == " web.lan " ? "web.lan" : c.host);
    session->Release();
    EXPECT_EQ(Stored("Lab\\" + c.name), c.stored);
  }
  EXPECT_EQ(Sessions("Lab"), "web.lan,web.lan (1),fe80__1");
}

TEST_F(QuickConnectDialogTest, TheCallbackHandsOverTheSessionOnlyOnOk) {
  Start(kProductHaloFyx);
  // What the user types, then OK; a refused OK leaves the dialog to be cancelled.
  auto steps = Numbered({Set(Q::kProtocol, "FTP"), Set(Q::kHostname, "files"), Set(Q::kSave, "true"), Step("ok")});
  ASSERT_TRUE(dialogs.presenter.Play(DialogScript{steps, {}, {}}, dialogs.ui));
  ISessionConfig* session = nullptr;
  EXPECT_EQ(Q::Run("", &session), static_cast<unsigned long>(IDOK));
  ASSERT_NE(session, nullptr);
  EXPECT_EQ(session->GetSessionPath().Str(), "files");
  session->Release();
  EXPECT_EQ(Stored("files", false), "FTP files 21 ");
  ASSERT_TRUE(dialogs.presenter.Play(DialogScript{Numbered({Set(Q::kHostname, ""), Step("ok")}), {}, {}}, dialogs.ui));
  ISessionConfig* untouched = reinterpret_cast<ISessionConfig*>(0x1);
  EXPECT_EQ(Q::Run("", &untouched), static_cast<unsigned long>(IDCANCEL));
  EXPECT_EQ(untouched, reinterpret_cast<ISessionConfig*>(0x1));
}

}  // namespace
