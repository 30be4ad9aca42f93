// An isolated world for the Connect dialog: a temporary store with a running terminal host,
// a headless user interface and clipboard installed, user-arranged order, a dialog to open, and
// helpers that build a session tree, drive the dialog and read the tree back as the store lists it.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "VProfileKey.h"
#include "VProfileStore.h"
#include "connectdialog/database/GlobalConfigWorld.h"
#include "database/GlobalConfig.h"
#include "database/SessionDatabase.h"
#include "dialogs/ConnectDialog.h"
#include "library/SessionKeyPath.h"
#include "platform/clipboard/HeadlessClipboard.h"
#include "platform/ui/HeadlessUserInterface.h"
#include "support/JoinedText.h"
#include "support/SessionTree.h"

class ConnectDialogWorld : public testing::Test {
 protected:
  ConnectDialogWorld() {
    SetUserInterface(&ui);
    SetClipboard(&clipboard);
    GetGlobalConfig(config);
    config->sortAlphabetical = 0;
    // New Session opens the host's session editor; the wizard's tests turn the wizard on.
    config->newSessionUsesWizard = 0;
  }
  ~ConnectDialogWorld() override {
    SetUserInterface(nullptr);
    SetClipboard(nullptr);
  }

  // Lab holds s1, s2 and folder Inner; Other holds folder Lab and session s1 (Telnet).
  static void AddLabAndOther() {
    AddFolder("", "Lab");
    AddFolder("", "Other");
    AddFolder("Lab", "Inner");
    AddSession("Lab", "s1");
    AddSession("Lab", "s2");
    AddFolder("Other", "Lab");
    AddSession("Other", "s1", "Telnet");
  }
  static void AddFolder(std::string const& parent, std::string const& name) {
    ASSERT_TRUE(SessionDatabase(0).InsertFolder(parent.c_str(), name.c_str(), "", true));
  }
  static void AddSession(std::string const& folder, std::string const& name, std::string const& protocol = "SSH2") {
    SessionDatabase database(0);
    std::string const path = folder.empty() ? name : folder + "\\" + name;
    ASSERT_TRUE(::AddSession(database, path));
    VProfileStore store;
    VProfileKey(store.Root(), SessionKeyPath::Of(path.c_str())).SetSz("Protocol Name", protocol.c_str());
  }
  // The folder's folders, then its sessions, in the store's order: "a,b|s1,s2".
  static std::string Stored(std::string const& folder) {
    SessionDatabase database(0);
    return JoinedText(FolderNames(database, folder), ",") + "|" + JoinedText(SessionNames(database, folder), ",");
  }
  // The protocol a stored session names; "<none>" when it names none.
  static std::string StoredProtocol(std::string const& path) {
    VString protocol;
    VProfileStore store(true, nullptr);
    bool const found = VProfileKey(store.Root(), SessionKeyPath::Of(path.c_str())).GetSz("Protocol Name", protocol);
    return found ? protocol.Str() : "<none>";
  }
  // The visible items' paths, root as "", in display order.
  std::vector<std::string> Shown() {
    std::vector<std::string> paths;
    for (ConnectTreeItem* item : dialog.VisibleItems()) paths.push_back(item->Path());
    return paths;
  }
  // The texts of the message boxes shown since the last call.
  std::vector<std::string> Messages() {
    std::vector<std::string> texts;
    for (size_t i = m_seen; i < ui.Shown().size(); ++i) texts.push_back(ui.Shown()[i].text);
    m_seen = ui.Shown().size();
    return texts;
  }
  // The same, each in quotes and followed by a blank, for a dump.
  std::string Said() {
    std::string said;
    for (std::string const& text : Messages()) said += "\"" + text + "\" ";
    return said;
  }
  static void Do(ConnectDialog& dialog, bool (ConnectDialog::*action)(std::string const&, std::string&),
                 std::string const& argument) {
    std::string error;
    ASSERT_TRUE((dialog.*action)(argument, error)) << error;
  }
  // The same on the world's dialog.
  void Select(std::string const& path) { Do(dialog, &ConnectDialog::Select, path); }
  void Expand(std::string const& path) { Do(dialog, &ConnectDialog::Expand, path); }
  void Collapse(std::string const& path) { Do(dialog, &ConnectDialog::Collapse, path); }
  void EndEdit(std::string const& text) { Do(dialog, &ConnectDialog::EndLabelEdit, text); }
  void Key(std::string const& keys) { Do(dialog, &ConnectDialog::Key, keys); }
  void Run(int command) {
    std::string error;
    ASSERT_TRUE(dialog.Command(command, error)) << error;
  }

  GlobalConfigWorld world;
  HeadlessUserInterface ui;
  HeadlessClipboard clipboard;
  GlobalConfig* config = nullptr;
  ConnectDialog dialog{"Connect", false, false};  // opened by each test, once the world is set

 private:
  size_t m_seen = 0;
};
