// The Connect dialog's tree and states, driven through its commands: what it shows, what it
// enables, how it names and renames, what it deletes and what it selects afterwards.
#include <gtest/gtest.h>

#include "connectdialog/dialogs/ConnectDialogWorld.h"
#include "library/LibraryState.h"
#include "library/ProductInfo.h"
#include "platform/types/UserInterfaceCodes.h"

namespace {

using Dialog = ConnectDialog;

class ConnectDialogTreeTest : public ConnectDialogWorld {
 protected:
  // Root: folders Zeta, Lab, Alpha (in that user order); Lab holds core1, core2.
  ConnectDialogTreeTest() {
    AddFolder("", "Zeta");
    AddFolder("", "Lab");
    AddFolder("", "Alpha");
    AddSession("Lab", "core1");
    AddSession("Lab", "core2");
  }
};

TEST_F(ConnectDialogTreeTest, OpensWithFoldersAtOnceAndSessionsOnFirstExpansion) {
  Dialog dialog("Connect", false, false);
  dialog.Open();
  EXPECT_EQ(Shown(dialog), (std::vector<std::string>{"", "Zeta", "Lab", "Alpha"}));
  EXPECT_EQ(dialog.VisibleItems()[0]->Label(), "Sessions");
  EXPECT_EQ(dialog.SelectedPath(), "");
  ConnectTreeItem* lab = dialog.VisibleItems()[2];
  EXPECT_TRUE(lab->hasButton);
  EXPECT_FALSE(dialog.VisibleItems()[1]->hasButton) << "Zeta is empty";
  EXPECT_TRUE(lab->Children().empty()) << "sessions wait for the first expansion";
  Do(dialog, &Dialog::Expand, "Lab");
  EXPECT_EQ(Shown(dialog), (std::vector<std::string>{"", "Zeta", "Lab", "Lab\\core1", "Lab\\core2", "Alpha"}));

  config->connectExpandPath = "Lab\\core2";
  Dialog again("Connect", false, false);
  again.Open();
  EXPECT_EQ(again.SelectedPath(), "Lab\\core2") << "the remembered path is selected, its folders expanded";
}

TEST_F(ConnectDialogTreeTest, EnablesCommandsForWhatIsSelected) {
  Dialog dialog("Connect", false, false);
  dialog.Open();
  struct Case { std::string selected; bool item, properties; };
  for (Case const& c : {Case{"", false, false}, Case{"Lab", true, false}, Case{"Lab\\core1", true, true}}) {
    SCOPED_TRACE(c.selected);
    Do(dialog, &Dialog::Expand, "Lab");
    Do(dialog, &Dialog::Select, c.selected);
    for (int id : {Dialog::kCut, Dialog::kCopy, Dialog::kDelete, Dialog::kRename, Dialog::kMenuCut, Dialog::kMenuDelete})
      EXPECT_EQ(dialog.IsEnabled(id), c.item) << id;
    EXPECT_EQ(dialog.IsEnabled(Dialog::kProperties), c.properties);
    EXPECT_FALSE(dialog.IsEnabled(Dialog::kPaste)) << "Paste starts disabled";
    EXPECT_TRUE(dialog.IsEnabled(Dialog::kNewFolder));
    std::string error;
    if (!c.item) {
      EXPECT_FALSE(dialog.Command(Dialog::kDelete, error));
    }
  }
  EXPECT_EQ(dialog.IsChecked(Dialog::kUserArranged), true);
}

TEST_F(ConnectDialogTreeTest, RenamesByTheRulesInTheirOrder) {
  // stored: the root afterwards.
  struct Case { std::string item; std::string typed; std::vector<std::string> messages; bool stillEditing;
      std::string stored; std::string selected; };
  std::string const kept = "Zeta,Lab,Alpha|";
  Case const cases[] = {
      {"Lab", "lab", {}, false, "Zeta,lab,Alpha|", "lab"},
      {"Lab", "  Bench\t", {}, false, "Zeta,Bench,Alpha|", "Bench"},
      {"Zeta", "Omega", {}, false, "Omega,Lab,Alpha|", "Omega"}, {"Lab", "Lab", {}, false, kept, "Lab"},
      {"Lab", "La:b", {"Rename error.\n\nName cannot contain: ' : '"}, true, kept, "Lab"},
      {"Lab", "a/b\\c", {"Rename error.\n\nName cannot contain: ' \\ '"}, true, kept, "Lab"},
      {"Lab", "<|>", {"Rename error.\n\nName cannot contain: ' < '"}, true, kept, "Lab"},
      {"Lab", " \t ", {"Rename error.\n\nName must be non-empty."}, true, kept, "Lab"},
      {"Lab", "zeta", {"Session or folder 'zeta' already exists"}, true, kept, "Lab"},
  };
  for (Case const& c : cases) {
    SCOPED_TRACE(c.item + " -> " + c.typed);
    Dialog dialog("Connect", false, false);
    dialog.Open();
    Do(dialog, &Dialog::Select, c.item);
    Run(dialog, Dialog::kRename);
    Do(dialog, &Dialog::EndLabelEdit, c.typed);
    EXPECT_EQ(Messages(), c.messages);
    EXPECT_EQ(dialog.IsEditingLabel(), c.stillEditing);
    EXPECT_EQ(Stored(""), c.stored);
    EXPECT_EQ(dialog.SelectedPath(), c.selected);
    if (c.stillEditing) {
      std::string error;
      EXPECT_TRUE(dialog.CancelLabelEdit(error));
    }
    if (c.selected != c.item) {
      ASSERT_TRUE(SessionDatabase(0).Rename(c.selected.c_str(), c.item.c_str(), c.selected.c_str()));
    }
    ASSERT_EQ(Stored(""), kept);
  }
}

TEST_F(ConnectDialogTreeTest, ACaseOnlyRenameStepsAsideUnderTheDoubleUnderscoredName) {
  // With that name taken, the first step cannot be stored: nothing changes.
  AddSession("", "__Lab__");
  Dialog dialog("Connect", false, false);
  dialog.Open();
  Do(dialog, &Dialog::Select, "Lab");
  Run(dialog, Dialog::kRename);
  Do(dialog, &Dialog::EndLabelEdit, "lab");
  EXPECT_EQ(Messages(), (std::vector<std::string>{"Rename error.\n\nThe name could not be stored."}));
  EXPECT_EQ(Stored(""), "Zeta,Lab,Alpha|__Lab__");
  EXPECT_EQ(Stored("Lab"), "|core1,core2");
}

TEST_F(ConnectDialogTreeTest, NewFolderIsStoredWhenItsEditEndsEvenCancelled) {
  Dialog dialog("Connect", false, false);
  dialog.Open();
  Do(dialog, &Dialog::Select, "Zeta");
  Run(dialog, Dialog::kNewFolder);
  EXPECT_TRUE(dialog.IsEditingLabel());
  EXPECT_EQ(dialog.SelectedPath(), "Zeta\\New Folder");
  EXPECT_EQ(Stored("Zeta"), "|") << "not stored while it is being named";
  std::string error;
  EXPECT_TRUE(dialog.CancelLabelEdit(error));
  EXPECT_EQ(Stored("Zeta"), "New Folder|");
  EXPECT_EQ(dialog.SelectedPath(), "Zeta\\New Folder");

  Do(dialog, &Dialog::Select, "Zeta");
  Run(dialog, Dialog::kNewFolder);
  EXPECT_EQ(dialog.SelectedPath(), "Zeta\\New Folder (1)");
  Do(dialog, &Dialog::EndLabelEdit, "New Folder");
  EXPECT_EQ(Messages(), (std::vector<std::string>{"Session or folder 'New Folder' already exists"}));
  Do(dialog, &Dialog::EndLabelEdit, " Work ");
  EXPECT_FALSE(dialog.IsEditingLabel());
  EXPECT_EQ(Stored("Zeta"), "New Folder,Work|");
  EXPECT_EQ(dialog.SelectedPath(), "Zeta\\Work");

  Run(dialog, Dialog::kNewFolder);
  Run(dialog, Dialog::kDelete);
  EXPECT_TRUE(Messages().empty()) << "a folder never stored is just removed";
  EXPECT_EQ(Stored("Zeta\\Work"), "|");
  EXPECT_EQ(dialog.SelectedPath(), "Zeta\\Work");
}

TEST_F(ConnectDialogTreeTest, DeleteAsksThenSelectsTheNextThePreviousOrTheParent) {
  Dialog dialog("Connect", false, false);
  dialog.Open();
  Do(dialog, &Dialog::Expand, "Lab");
  Do(dialog, &Dialog::Select, "Lab\\core1");
  ui.Script(IDNO);
  Run(dialog, Dialog::kDelete);
  EXPECT_EQ(Messages(), (std::vector<std::string>{"Are you sure you want to delete this session?"}));
  EXPECT_EQ(ui.Shown().back().type, static_cast<unsigned>(MB_YESNO | MB_ICONEXCLAMATION));
  EXPECT_EQ(Stored("Lab"), "|core1,core2");
  struct Case { std::string selected; std::string after; };
  for (Case const& c : {Case{"Lab\\core1", "Lab\\core2"}, Case{"Lab\\core2", "Lab"}, Case{"Alpha", "Lab"}}) {
    Do(dialog, &Dialog::Select, c.selected);
    ui.Script(IDYES);
    std::string error;
    ASSERT_TRUE(dialog.Key("Delete", error)) << error;
    EXPECT_EQ(dialog.SelectedPath(), c.after) << c.selected;
    EXPECT_FALSE(SessionDatabase::Exists(c.selected.c_str()));
  }
  Do(dialog, &Dialog::Select, "Lab");
  ui.Script(IDYES);
  Run(dialog, Dialog::kDelete);
  EXPECT_EQ(Messages().back(), "Are you sure you want to delete this folder and all of its contents?");
  EXPECT_EQ(Stored(""), "Zeta|");
}

unsigned long AcceptEdit(ISessionConfig*, int isNew) {
  GlobalConfig* config = nullptr;
  GetGlobalConfig(config);
  return isNew == 1 && config->sessionOptionsTreeSelected.Str() == "Connection+" ? 1 : 0;
}

TEST_F(ConnectDialogTreeTest, NewSessionTakesTheFirstFreeNameAndRestoresTheOptionPage) {
  ConnectDialogDllInit(nullptr, nullptr, &AcceptEdit, nullptr, nullptr);
  config->sessionOptionsTreeSelected = "Terminal";
  Dialog dialog("Connect", false, false);
  dialog.Open();
  Do(dialog, &Dialog::Expand, "Lab");
  Do(dialog, &Dialog::Select, "Lab\\core1");
  for (std::string const name : {"New", "New (1)", "New (2)"}) {
    Run(dialog, Dialog::kNewSession);
    EXPECT_EQ(dialog.SelectedPath(), "Lab\\" + name);
  }
  EXPECT_EQ(Stored("Lab"), "|core1,core2,New,New (1),New (2)");
  EXPECT_EQ(config->sessionOptionsTreeSelected.Str(), "Terminal");
  ConnectDialogDllInit(nullptr, nullptr, nullptr, nullptr, nullptr);
}

// The options dialog of the host: the user renames the session to "CORE2" and accepts.
unsigned long RenameInOptions(ISessionConfig* session, int isNew) {
  if (isNew != 0) return 0;
  session->SetSessionName("CORE2");
  return 1;
}

TEST_F(ConnectDialogTreeTest, PropertiesStoreANameChangedInTheOptionsAsARename) {
  AddSession("Lab", "core3");
  ConnectDialogDllInit(nullptr, nullptr, &RenameInOptions, nullptr, nullptr);
  Dialog dialog("Connect", false, false);
  dialog.Open();
  Do(dialog, &Dialog::Expand, "Lab");
  Do(dialog, &Dialog::Select, "Lab\\core2");
  Run(dialog, Dialog::kProperties);
  EXPECT_EQ(config->sessionOptionsTreeSelected.Str(), "Connection+");
  EXPECT_EQ(Stored("Lab"), "|core1,CORE2,core3") << "a case-only change keeps the session's place";
  EXPECT_EQ(dialog.SelectedPath(), "Lab\\CORE2");
  ConnectDialogDllInit(nullptr, nullptr, nullptr, nullptr, nullptr);
}

TEST_F(ConnectDialogTreeTest, TheOrderToggleResortsKeepsWhatIsOpenAndDisablesPaste) {
  Dialog dialog("Connect", false, false);
  dialog.Open();
  Do(dialog, &Dialog::Expand, "Lab");
  Do(dialog, &Dialog::Select, "Lab\\core1");
  Run(dialog, Dialog::kCopy);
  EXPECT_TRUE(dialog.IsEnabled(Dialog::kPaste));
  std::string error;
  ASSERT_TRUE(dialog.Key("Alt+A", error)) << error;
  EXPECT_EQ(Shown(dialog), (std::vector<std::string>{"", "Alpha", "Lab", "Lab\\core1", "Lab\\core2", "Zeta"}));
  EXPECT_EQ(dialog.SelectedPath(), "Lab\\core1");
  EXPECT_EQ(dialog.IsChecked(Dialog::kUserArranged), false);
  EXPECT_EQ(static_cast<int>(config->sortAlphabetical), 1);
  EXPECT_FALSE(dialog.IsEnabled(Dialog::kPaste));
  Run(dialog, Dialog::kUserArranged);
  EXPECT_EQ(Shown(dialog), (std::vector<std::string>{"", "Zeta", "Lab", "Lab\\core1", "Lab\\core2", "Alpha"}));
}

TEST_F(ConnectDialogTreeTest, TheTerminalHostHidesTransferOnlySessionsUnlessAsked) {
  AddSession("", "ftp", "None");
  AddSession("", "shell", "SSH2");
  for (bool show : {false, true}) {
    config->showTransferOnlySessions = show;
    Dialog dialog("Connect", false, false);
    dialog.Open();
    std::vector<std::string> const expected =
        show ? std::vector<std::string>{"", "Zeta", "Lab", "Alpha", "ftp", "shell"}
             : std::vector<std::string>{"", "Zeta", "Lab", "Alpha", "shell"};
    EXPECT_EQ(Shown(dialog), expected) << show;
  }
}

TEST_F(ConnectDialogTreeTest, BrowseModeReturnsTheChosenFolderOrSession) {
  for (std::string const path : {"Lab", "Lab\\core2", ""}) {
    CString chosen("Lab\\core1");
    auto dialog = ConnectDialog::Browser("Pick", chosen.Str());
    dialog->Open();
    EXPECT_EQ(dialog->SelectedPath(), "Lab\\core1");
    EXPECT_FALSE(dialog->IsEnabled(Dialog::kConnect)) << "no connect commands in browse mode";
    Do(*dialog, &Dialog::Select, path);
    dialog->OnOK();
    EXPECT_EQ(dialog->EndCode(), IDOK);
    EXPECT_EQ(dialog->ResultPath(), path);
  }
}

TEST_F(ConnectDialogTreeTest, ClosingRemembersTheSelectionAndWhetherItIsOpen) {
  struct Case { std::string selected; bool expand; int isExpanded; };
  for (Case const& c : {Case{"Lab", true, 1}, Case{"Lab", false, 0}, Case{"Lab\\core2", false, 0}}) {
    Dialog dialog("Connect", false, false);
    dialog.Open();
    Do(dialog, &Dialog::Expand, "Lab");
    if (!c.expand) Do(dialog, &Dialog::Collapse, "Lab");
    if (c.expand || c.selected == "Lab") Do(dialog, &Dialog::Select, "Lab");
    if (c.selected != "Lab") {
      Do(dialog, &Dialog::Expand, "Lab");
      Do(dialog, &Dialog::Select, c.selected);
    }
    std::string error;
    ASSERT_TRUE(dialog.Key("Escape", error)) << error;
    EXPECT_EQ(dialog.EndCode(), IDCANCEL);
    EXPECT_EQ(config->connectExpandPath.Str(), c.selected);
    EXPECT_EQ(static_cast<int>(config->isExpanded), c.isExpanded) << c.selected;
  }
}

TEST_F(ConnectDialogTreeTest, TheFilterShowsMatchesAndEscapeRestoresTheTree) {
  AddFolder("Zeta", "Routers");
  AddSession("Zeta\\Routers", "edge");
  AddSession("", "ROUTE66");
  Dialog dialog("Connect", false, false);
  dialog.Open();
  Do(dialog, &Dialog::Select, "Alpha");
  dialog.SetFilter("rout");
  EXPECT_EQ(Shown(dialog), (std::vector<std::string>{"", "Zeta", "Zeta\\Routers", "Zeta\\Routers\\edge", "ROUTE66"}));
  EXPECT_EQ(dialog.SelectedPath(), "Zeta\\Routers\\edge") << "the first match";
  dialog.SetFilter("CORE2");
  EXPECT_EQ(Shown(dialog), (std::vector<std::string>{"", "Lab", "Lab\\core2"}));
  dialog.SetFilter("nothing");
  EXPECT_EQ(Shown(dialog), (std::vector<std::string>{""}));
  std::string error;
  ASSERT_TRUE(dialog.Key("Escape", error)) << error;
  EXPECT_FALSE(dialog.IsEnded());
  EXPECT_FALSE(dialog.IsFiltering());
  EXPECT_EQ(Shown(dialog), (std::vector<std::string>{"", "Zeta", "Lab", "Alpha", "ROUTE66"}));
  EXPECT_EQ(dialog.SelectedPath(), "Alpha");
}

TEST_F(ConnectDialogTreeTest, ChangesMadeWhileFilteringShowInBothTrees) {
  Dialog dialog("Connect", false, false);
  dialog.Open();
  Do(dialog, &Dialog::Select, "Zeta");
  dialog.SetFilter("core");
  EXPECT_EQ(dialog.SelectedPath(), "Lab\\core1");
  ui.Script(IDYES);
  Run(dialog, Dialog::kDelete);
  EXPECT_EQ(Shown(dialog), (std::vector<std::string>{"", "Lab", "Lab\\core2"}));
  Run(dialog, Dialog::kRename);
  Do(dialog, &Dialog::EndLabelEdit, "corex");
  EXPECT_EQ(Shown(dialog), (std::vector<std::string>{"", "Lab", "Lab\\corex"}));
  EXPECT_EQ(dialog.SelectedPath(), "Lab\\corex");
  dialog.SetFilter("");
  EXPECT_EQ(dialog.SelectedPath(), "Zeta");
  Do(dialog, &Dialog::Expand, "Lab");
  EXPECT_EQ(Shown(dialog), (std::vector<std::string>{"", "Zeta", "Lab", "Lab\\corex", "Alpha"}));
  EXPECT_EQ(Stored("Lab"), "|corex");
}

}  // namespace
