// The real protocol plug-ins' pages in the Session Options dialog: put below the Connection
// page through the table's slots, following the protocol picked, editing the session's options.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "VOptionList.h"
#include "database/GlobalConfig.h"
#include "dialogs/SessionConnectPage.h"
#include "dialogs/SessionOptionsDialog.h"
#include "library/LibraryState.h"
#include "library/ProductInfo.h"
#include "platform/ui/HeadlessUserInterface.h"
#include "platform/ui/UserInterface.h"
#include "session/ConnectProtocolTable.h"
#include "session/LoadProtocolDll.h"
#include "session/SessionConfig.h"
#include "vutils/MemoryKey.h"

namespace {

class ProtocolPagesTest : public ::testing::Test {
 protected:
  // The terminal client's table: SSH2 0, Telnet 1, RLogin 2, Serial 3, TAPI 4, None 5.
  ProtocolPagesTest() {
    SessionOptionsDialog::DeleteStateMap();
    GetConnectProtocolTable().RemoveAll();
    SetCurrentAppProductID(kProductHaloKorvo);
    ConnectDialogDllInitApplicationName("HaloKorvo");
    IsHaloKorvo_Korvo_Installed(true);
    IsHaloFyx_Installed(false);
    for (int row : {4, 6, 7, 8, 9, -1}) {
      int index = -1;
      bool exitRequested = false;
      bool warn = false;
      EXPECT_TRUE(LoadProtocolDll(row < 0 ? nullptr : BUILT_HOST_BASE_DIR, row < 0 ? 0 : row, 3, nullptr, nullptr,
                                  nullptr, nullptr, nullptr, nullptr, &index, &exitRequested, &warn))
          << row;
    }
    SetUserInterface(&ui);
  }
  ~ProtocolPagesTest() override {
    SetUserInterface(nullptr);
    IsHaloKorvo_Korvo_Installed(false);
    SetCurrentAppProductID(-1);
    SessionOptionsDialog::DeleteStateMap();
    GetConnectProtocolTable().RemoveAll();
  }
  std::unique_ptr<SessionConfig> Stored(char const* protocol) {
    auto session = std::make_unique<SessionConfig>(CString("lab"), nullptr);
    session->SetTerminalProtocol(protocol);
    session->Save(memory.key, true);
    return std::make_unique<SessionConfig>(CString("lab"), memory.key);
  }
  // The pages below the Connection page, by label.
  static std::vector<std::string> Below(SessionOptionsDialog const& dialog) {
    std::vector<std::string> labels;
    for (VTreeItem item : dialog.Tree().Children(dialog.ConnectionPage()->TreeItem()))
      labels.push_back(dialog.Tree().Label(item));
    return labels;
  }

  MemoryKey memory;
  HeadlessUserInterface ui;
  GlobalConfig config{nullptr};
};

TEST_F(ProtocolPagesTest, EachProtocolsPageEditsItsOptions) {
  struct Case {
    char const* protocol;
    std::vector<std::pair<int, char const*>> values;
    std::map<std::string, std::string> stored;
  };
  for (Case const& c : {
           Case{"SSH2",
                {{2101, "gate.example"}, {2102, "2222"}, {2103, "ops"}, {2104, "publickey"},
                 {2107, "/home/ops/.ssh/id_ed25519"}, {2106, "true"}},
                {{"Hostname", "gate.example"}, {"SSH2 Port", "2222"}, {"Username", "ops"},
                 {"SSH2 Authentication Order", "publickey"}, {"SSH2 Identity Filename", "/home/ops/.ssh/id_ed25519"},
                 {"SSH2 Compression", "true"}}},
           Case{"Serial",
                {{2141, "/dev/ttyUSB0"}, {2142, "115200"}, {2143, "7"}, {2144, "Even"}, {2145, "2"}, {2146, "RTS/CTS"}},
                {{"Serial Port", "/dev/ttyUSB0"}, {"Serial Baud Rate", "115200"}, {"Serial Data Bits", "7"},
                 {"Serial Parity", "2"}, {"Serial Stop Bits", "2"}, {"Serial Flow Control", "2"}}},
           Case{"Telnet", {{2121, "bbs.example"}, {2122, "2323"}}, {{"Hostname", "bbs.example"}, {"Telnet Port", "2323"}}},
           Case{"RLogin", {{2131, "old.example"}, {2132, "1513"}, {2133, "root"}},
                {{"Hostname", "old.example"}, {"RLogin Port", "1513"}, {"Username", "root"}}},
           Case{"TAPI", {{2151, "555 0100"}, {2152, "USR"}}, {{"TAPI Phone Number", "555 0100"}, {"TAPI Modem", "USR"}}},
       }) {
    std::unique_ptr<SessionConfig> session = Stored(c.protocol);
    session->Checkpoint();
    SessionOptionsDialog dialog(&config, session.get());
    dialog.Open();
    EXPECT_EQ(Below(dialog), (std::vector<std::string>{"Logon Scripts", c.protocol}));
    ASSERT_TRUE(dialog.SelectItem(dialog.FindItem(c.protocol))) << c.protocol;
    std::string error;
    for (auto const& [id, value] : c.values) {
      // The identity file is browsed for (2107), the chooser answering with the path.
      if (id == 2107) ui.Script(IDOK, value);
      ASSERT_TRUE(id == 2107 ? dialog.Command(id, error) : dialog.SetControl(id, value, error)) << id << " " << error;
    }
    dialog.OnOK();
    ASSERT_EQ(dialog.EndCode(), IDOK) << c.protocol;
    dialog.OnDestroy();
    EXPECT_EQ(dialog.ConnectionPage()->ChildPages().size(), 1u);  // the plug-in took its page back
    session->Save(memory.key, false);
    SessionConfig reloaded(CString("lab"), memory.key);
    VOptionList const options(reloaded);
    for (auto const& [name, text] : c.stored) {
      VOption const* option = options.Find(name);
      ASSERT_TRUE(option) << name;
      EXPECT_EQ(option->Text().Str(), text) << name;
    }
  }
}

TEST_F(ProtocolPagesTest, ThePagesFollowThePickAndCheckTheirRanges) {
  std::unique_ptr<SessionConfig> session = Stored("SSH2");
  SessionOptionsDialog dialog(&config, session.get());
  dialog.Open();
  std::string error;
  for (char const* protocol : {"Serial", "Telnet", "SSH2"}) {
    ASSERT_TRUE(dialog.SelectItem(dialog.FindItem("Connection")));
    ASSERT_TRUE(dialog.SetControl(SessionConnectPage::kProtocolList, protocol, error)) << error;
    EXPECT_EQ(Below(dialog), (std::vector<std::string>{"Logon Scripts", protocol}));
  }
  ASSERT_TRUE(dialog.SelectItem(dialog.FindItem("SSH2")));
  for (char const* port : {"0", "65536", "x"}) {
    ASSERT_TRUE(dialog.SetControl(2102, port, error));
    dialog.OnOK();
    EXPECT_FALSE(dialog.IsEnded()) << port;
  }
  EXPECT_EQ(ui.Shown().back().text, "Please enter an integer.");
  EXPECT_EQ(ui.Shown().front().text, "Please enter an integer between 1 and 65535.");
  dialog.OnCancel();
  dialog.OnDestroy();
}

}  // namespace
