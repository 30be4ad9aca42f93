// The SSH2 plug-in's page of the Global Options dialog, handed over by loading the plug-in as a
// host does, and the SSH2-wide options it stores reaching the session's command line.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "VOptionList.h"
#include "VProfileKey.h"
#include "VProfileStore.h"
#include "clients/ClientCommandBuilder.h"
#include "connectdialog/database/GlobalConfigWorld.h"
#include "dialogs/GlobalOptionsDialog.h"
#include "library/LibraryState.h"
#include "platform/ui/HeadlessUserInterface.h"
#include "platform/ui/UserInterface.h"
#include "session/ConnectProtocolTable.h"
#include "session/LoadProtocolDll.h"
#include "session/SSH2GlobalConfig.h"
#include "session/SessionConfig.h"
#include "support/KeyDump.h"

namespace {

std::string DumpStore() {
  VProfileStore store(true, nullptr);
  return DumpKey(store.Root());
}

std::string DumpSsh2Key() {
  VProfileStore store(true, nullptr);
  if (!store.Root()->KeyExists("Global\\SSH2")) return "<none>";
  VProfileKey key(store.Root(), "Global\\SSH2");
  return DumpKey(&key);
}

class SSH2GlobalPagesTest : public ::testing::Test {
 protected:
  // The terminal client's table as its host loads it: SSH2 (index 0) and None, and SFTP.
  SSH2GlobalPagesTest() {
    GlobalOptionsDialog::DeleteStateMap();
    GetConnectProtocolTable().RemoveAll();
    ConnectDialogDllInitSSH2GlobalPages(nullptr, nullptr);
    IsHaloKorvo_Korvo_Installed(true);
    IsHaloFyx_Installed(false);
    for (auto [row, product] : {std::pair{4, 3}, {10, 6}, {-1, 3}}) {
      int index = -1;
      bool exitRequested = false, warn = false;
      EXPECT_TRUE(LoadProtocolDll(row < 0 ? nullptr : BUILT_HOST_BASE_DIR, std::max(row, 0), product, nullptr, nullptr,
                                  nullptr, nullptr, nullptr, nullptr, &index, &exitRequested, &warn))
          << row;
    }
    SetUserInterface(&ui);
    GetGlobalConfig(config);
  }
  ~SSH2GlobalPagesTest() override {
    SetUserInterface(nullptr);
    ConnectDialogDllInitSSH2GlobalPages(nullptr, nullptr);
    GetConnectProtocolTable().RemoveAll();
    IsHaloKorvo_Korvo_Installed(false);
    GlobalOptionsDialog::DeleteStateMap();
  }
  std::vector<std::string> RootLabels(GlobalOptionsDialog const& dialog) const {
    std::vector<std::string> labels;
    for (VTreeItem item : dialog.Tree().Children(VTreeControl::kRoot)) labels.push_back(dialog.Tree().Label(item));
    return labels;
  }

  GlobalConfigWorld world{kProductHaloKorvo};
  HeadlessUserInterface ui;
  GlobalConfig* config = nullptr;
};

TEST_F(SSH2GlobalPagesTest, ThePageComesLastAndOnlyOKStoresIt) {
  std::vector<std::pair<int, std::string>> const all{
      {2201, "/home/ops/my hosts"}, {2202, "/home/ops/.ssh/id_ed25519"}, {2203, "30"}, {2204, "Accept new keys"}};
  std::string const stored =
      "SSH2 Known Hosts File = sz \"/home/ops/my hosts\"\n"
      "SSH2 Default Identity Filename = sz \"/home/ops/.ssh/id_ed25519\"\n"
      "SSH2 Keep Alive Interval = dword 30\n"
      "SSH2 Strict Host Key Checking = dword 1\n";
  struct Case {
    char const* name;
    std::vector<std::pair<int, std::string>> values;
    bool ok;
    int endCode;
    std::string key;  // "Global\SSH2" afterwards; empty: the whole store as it was
    std::vector<std::string> messages;
  };
  for (Case const& c : {
           Case{"Cancel", all, false, IDCANCEL, "", {}},
           Case{"OK untouched", {}, true, IDOK, "", {}},
           Case{"interval past its range", {{2203, "3601"}}, true, 0, "", {"Please enter an integer between 0 and 3600."}},
           Case{"OK", all, true, IDOK, stored, {}},
       }) {
    std::string const before = DumpStore();
    size_t const shown = ui.Shown().size();
    {
      GlobalOptionsDialog dialog(*config);
      dialog.Open();
      EXPECT_EQ(RootLabels(dialog), (std::vector<std::string>{"General", "Terminal", "Firewall", "SSH2"})) << c.name;
      ASSERT_TRUE(dialog.SelectItem(dialog.FindItem("SSH2"))) << c.name;
      EXPECT_EQ(dialog.CaptionText(), "  SSH2 Global Options");
      std::string error;
      for (auto const& [id, value] : c.values) ASSERT_TRUE(dialog.SetControl(id, value, error)) << c.name << error;
      if (c.ok) dialog.OnOK(); else dialog.OnCancel();
      EXPECT_EQ(dialog.EndCode(), c.endCode) << c.name;
    }
    std::vector<std::string> messages;
    for (size_t i = shown; i < ui.Shown().size(); ++i) messages.push_back(ui.Shown()[i].text);
    EXPECT_EQ(messages, c.messages) << c.name;
    if (c.key.empty()) EXPECT_EQ(DumpStore(), before) << c.name;
    else EXPECT_EQ(DumpSsh2Key(), c.key) << c.name;
  }
}

// The plug-in's remove callback runs as the dialog goes and takes its page out first.
std::vector<std::string> calls;

TEST_F(SSH2GlobalPagesTest, TheDialogGivesThePageBackWhenItGoes) {
  calls.clear();
  ConnectDialogDllInitSSH2GlobalPages(
      [](IPropertyTreeDialog* dialog, int flag) {
        calls.push_back("add " + std::to_string(flag));
        GetConnectProtocolTable()[0].addGlobalPages(dialog, flag);
      },
      [](IPropertyTreeDialog* dialog) {
        auto* tree = dynamic_cast<GlobalOptionsDialog*>(dialog);
        calls.push_back("remove with " + std::to_string(tree->Pages().size()) + " pages");
        GetConnectProtocolTable()[0].removeGlobalPages(dialog);
        calls.push_back("left " + std::to_string(tree->Pages().size()) + " pages");
        GetConnectProtocolTable()[0].removeGlobalPages(dialog);  // a second call finds nothing
      });
  { GlobalOptionsDialog dialog(*config); }
  EXPECT_EQ(calls, (std::vector<std::string>{"add 1", "remove with 4 pages", "left 3 pages"}));
}

// What the SSH2-wide options put into the ssh and sftp commands of a session.
TEST_F(SSH2GlobalPagesTest, TheSessionCommandsTakeTheOptions) {
  struct Case {
    char const* name;
    char const* knownHosts;
    char const* identity;
    int interval;
    int checking;
    char const* sessionIdentity;
    std::vector<std::string> extra;  // between the session's own options and the destination
    std::string error;
  };
  for (Case const& c : {
           Case{"defaults", "", "", 0, 0, "", {}, ""},
           Case{"every option", "/k/known_hosts", "/k/id", 45, 3, "",
                {"-i", "/k/id", "-o", "UserKnownHostsFile=/k/known_hosts", "-o", "StrictHostKeyChecking=no", "-o",
                 "ServerAliveInterval=45"},
                ""},
           Case{"the session's own identity wins", "", "/k/id", 0, 1, "/mine",
                {"-i", "/mine", "-o", "StrictHostKeyChecking=accept-new"}, ""},
           Case{"blanks quoted, percent doubled", "/k/my 100% hosts", "", 0, 2, "",
                {"-o", "UserKnownHostsFile=\"/k/my 100%% hosts\"", "-o", "StrictHostKeyChecking=yes"}, ""},
           Case{"a quote refused", "/k/\"q", "", 0, 0, "", {},
                "the known-hosts file \"/k/\"q\" holds a quote or a backslash, which ssh cannot take"},
           Case{"checking out of range", "", "", 0, 4, "", {},
                "\"SSH2 Strict Host Key Checking\" holds 4, which is none of 0 to 3"},
       }) {
    SSH2GlobalConfig global(nullptr);
    global.knownHostsFile = c.knownHosts;
    global.defaultIdentityFile = c.identity;
    global.keepAliveInterval = c.interval;
    global.strictHostKeyChecking = c.checking;
    ASSERT_TRUE(global.SaveStored()) << c.name;

    SessionConfig session(CString("lab"), nullptr);
    session.SetTerminalProtocol("SSH2");
    session.SetTransferProtocol("SFTP");
    VString error;
    VOptionList const options(session);
    ASSERT_TRUE(options.Find("Hostname")->FromText("gate.example", error)) << error.Str();
    ASSERT_TRUE(options.Find("SSH2 Identity Filename")->FromText(c.sessionIdentity, error)) << error.Str();
    for (bool terminal : {true, false}) {
      ClientCommand const command = ClientCommandBuilder([](std::string const&) { return true; }).For(session, terminal);
      EXPECT_EQ(command.error, c.error) << c.name;
      if (!c.error.empty()) continue;
      std::vector<std::string> expected{terminal ? "-p" : "-P", "22"};
      if (*c.sessionIdentity) expected.insert(expected.end(), {"-i", c.sessionIdentity});
      std::vector<std::string> extra = c.extra;
      if (*c.sessionIdentity) extra.erase(extra.begin(), extra.begin() + 2);
      expected.insert(expected.end(), extra.begin(), extra.end());
      expected.insert(expected.end(), {"--", "gate.example"});
      EXPECT_EQ(command.program, terminal ? "ssh" : "sftp") << c.name;
      EXPECT_EQ(command.arguments, expected) << c.name << (terminal ? " ssh" : " sftp");
    }
  }
}

}  // namespace
