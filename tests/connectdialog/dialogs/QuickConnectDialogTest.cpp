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
#include "support/CaseFile.h"
#include "support/CaseInputFields.h"
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

// A case is a product: its protocols in the list, then each picked in turn and the first again.
TEST_F(QuickConnectDialogTest, OffersTheHostsSideWithEachProtocolsPort) {
  ExpectCaseFile("dialogs/quick_connect_offers.txt", [&](std::string const& input) {
    Start(std::stoi(input));
    Q dialog("");
    dialog.Open();
    std::string text = "offers " + JoinedText(dialog.Protocols()) + "; picked " + dialog.Value(Q::kProtocol) +
                       ", save " + dialog.Value(Q::kSave) + "\n";
    std::vector<std::string> picks = dialog.Protocols();
    picks.push_back(picks.front());
    for (std::string const& protocol : picks) {
      H::Type(dialog, {{Q::kProtocol, protocol}});
      text += protocol + " " + dialog.Value(Q::kPort) + "\n";
    }
    std::string error;
    EXPECT_FALSE(dialog.SetControl(Q::kProtocol, "Serial", error));
    EXPECT_FALSE(dialog.SetControl(Q::kSave, "yes", error));
    EXPECT_FALSE(dialog.SetControl(4711, "x", error));
    EXPECT_EQ(dialog.Value(Q::kProtocol), picks.back()) << "a refused value changes nothing";
    return text;
  });
}

// A case is "FOLDER|PROTOCOL|HOST|PORT|USER|SAVE" typed into the dialog opened on FOLDER, then OK.
TEST_F(QuickConnectDialogTest, RefusesBadInputAndStoresTheSessionOnlyWhenAsked) {
  Start(kProductHaloKorvo);
  ASSERT_TRUE(SessionDatabase(0).InsertFolder("", "Lab", "", true));
  ExpectCaseFile("dialogs/quick_connect.txt", [&](std::string const& input) {
    std::vector<std::string> typed = CaseInputFields(input, "|");
    if (typed[2] == " \\t") typed[2] = " \t";
    std::string const before = Sessions("Lab") + "|" + Sessions("");
    Q dialog(typed[0]);
    dialog.Open();
    H::Type(dialog, {{Q::kProtocol, typed[1]}, {Q::kHostname, typed[2]}, {Q::kPort, typed[3]},
                     {Q::kUsername, typed[4]}, {Q::kSave, typed[5]}});
    size_t const shown = dialogs.ui.Shown().size();
    dialog.OnOK();
    std::string text;
    for (size_t i = shown; i < dialogs.ui.Shown().size(); ++i)
      text += "says: " + dialogs.ui.Shown()[i].text + " [" + dialogs.ui.Shown()[i].caption + "]\n";
    ISessionConfig* session = dialog.TakeSession();
    if (!dialog.IsEnded())
      return text + "stays open on " + Q::Label(dialog.Focus()) + (session ? ", with a session" : "") +
             (Sessions("Lab") + "|" + Sessions("") == before ? "; store unchanged\n" : "; store changed\n");
    if (!session) return text + "ended without a session\n";
    EXPECT_EQ(dialog.TakeSession(), nullptr) << "the session is handed over once";
    text += "ended " + std::string(dialog.EndCode() == IDOK ? "OK" : "otherwise") + ": \"" +
            session->GetSessionName().Str() + "\" at \"" + session->GetSessionPath().Str() + "\", host \"" +
            session->GetTermConnectConfig()->GetHostname().Str() + "\"\n";
    std::string const name = session->GetSessionName().Str();
    session->Release();
    return text + "stored " + Stored("Lab\\" + name) + "; Lab holds " + Sessions("Lab") + "\n";
  });
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
