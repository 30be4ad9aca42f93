// The Connect dialog's tree and states, driven through its commands: what it shows, what it
// enables, how it names and renames, what it deletes and what it selects afterwards; and the
// filter, which typed letter by letter must leave what typing the whole text at once gives.
#include <gtest/gtest.h>

#include "connectdialog/dialogs/ConnectDialogWorld.h"
#include "library/SessionKeyPath.h"
#include "platform/types/UserInterfaceCodes.h"
#include "support/CaseFile.h"

namespace {

using Dialog = ConnectDialog;
using Paths = std::vector<std::string>;

class ConnectDialogTreeTest : public ConnectDialogWorld {
 protected:
  // Root: folders Zeta, Lab, Alpha (in that user order); Lab holds core1, core2.
  ConnectDialogTreeTest() {
    for (char const* folder : {"Zeta", "Lab", "Alpha"}) AddFolder("", folder);
    AddSession("Lab", "core1");
    AddSession("Lab", "core2");
  }
};

TEST_F(ConnectDialogTreeTest, OpensWithFoldersAtOnceAndSessionsOnFirstExpansion) {
  dialog.Open();
  EXPECT_EQ(Shown(), (Paths{"", "Zeta", "Lab", "Alpha"}));
  EXPECT_EQ(dialog.VisibleItems()[0]->Label(), "Sessions");
  EXPECT_EQ(dialog.SelectedPath(), "");
  ConnectTreeItem* lab = dialog.VisibleItems()[2];
  EXPECT_TRUE(lab->hasButton);
  EXPECT_FALSE(dialog.VisibleItems()[1]->hasButton) << "Zeta is empty";
  EXPECT_TRUE(lab->Children().empty()) << "sessions wait for the first expansion";
  Expand("Lab");
  EXPECT_EQ(Shown(), (Paths{"", "Zeta", "Lab", "Lab\\core1", "Lab\\core2", "Alpha"}));
  config->connectExpandPath = "Lab\\core2";
  Dialog again("Connect", false, false);
  again.Open();
  EXPECT_EQ(again.SelectedPath(), "Lab\\core2") << "the remembered path is selected, its folders expanded";
}

TEST_F(ConnectDialogTreeTest, EnablesCommandsForWhatIsSelected) {
  dialog.Open();
  struct Case { std::string selected; bool item, properties; };
  for (Case const& c : {Case{"", false, false}, Case{"Lab", true, false}, Case{"Lab\\core1", true, true}}) {
    SCOPED_TRACE(c.selected);
    Expand("Lab");
    Select(c.selected);
    for (int id : {Dialog::kCut, Dialog::kCopy, Dialog::kDelete, Dialog::kRename, Dialog::kMenuCut,
        Dialog::kMenuDelete})
      EXPECT_EQ(dialog.IsEnabled(id), c.item) << id;
    EXPECT_EQ(dialog.IsEnabled(Dialog::kProperties), c.properties);
    EXPECT_FALSE(dialog.IsEnabled(Dialog::kPaste)) << "Paste starts disabled";
    EXPECT_TRUE(dialog.IsEnabled(Dialog::kNewFolder));
    std::string error;
    EXPECT_TRUE(c.item || !dialog.Command(Dialog::kDelete, error)) << "nothing to delete";
  }
  EXPECT_EQ(dialog.IsChecked(Dialog::kUserArranged), true);
}

TEST_F(ConnectDialogTreeTest, RenamesByTheRulesInTheirOrder) {
  ExpectCaseFile("dialogs/renames.txt", [&](std::string const& row) {
    SCOPED_TRACE(row);
    std::string const item = row.substr(0, row.find(' '));
    std::string typed = row.substr(item.size() + 2, row.size() - item.size() - 3);
    for (size_t at; (at = typed.find("\\t")) != std::string::npos;) typed.replace(at, 2, "\t");
    dialog.Open();
    Select(item);
    Run(Dialog::kRename);
    EndEdit(typed);
    std::string answer;
    for (std::string const& message : Messages()) answer += message + "\n";
    answer += std::string(dialog.IsEditingLabel() ? "still editing" : "done") + ", root " + Stored("") +
              ", selected " + dialog.SelectedPath() + "\n";
    std::string error;
    EXPECT_TRUE(!dialog.IsEditingLabel() || dialog.CancelLabelEdit(error));
    std::string const selected = dialog.SelectedPath();
    EXPECT_TRUE(selected == item || SessionDatabase(0).Rename(selected.c_str(), item.c_str(), selected.c_str()));
    EXPECT_EQ(Stored(""), "Zeta,Lab,Alpha|") << "put back for the next";
    return answer;
  });
  // A case-only rename steps aside under "__Lab__": with that name taken, nothing changes.
  AddSession("", "__Lab__");
  dialog.Open();
  Select("Lab");
  Run(Dialog::kRename);
  EndEdit("lab");
  EXPECT_EQ(Messages(), Paths{"Rename error.\n\nThe name could not be stored."});
  EXPECT_EQ(Stored(""), "Zeta,Lab,Alpha|__Lab__");
  EXPECT_EQ(Stored("Lab"), "|core1,core2");
}

TEST_F(ConnectDialogTreeTest, NewFolderIsStoredWhenItsEditEndsEvenCancelled) {
  // Whether a label is being edited, the selection, and Zeta's lists.
  auto state = [this] {
    return (dialog.IsEditingLabel() ? "editing " : "") + dialog.SelectedPath() + " " + Stored("Zeta");
  };
  dialog.Open();
  Select("Zeta");
  Run(Dialog::kNewFolder);
  EXPECT_EQ(state(), "editing Zeta\\New Folder |") << "not stored while it is being named";
  std::string error;
  EXPECT_TRUE(dialog.CancelLabelEdit(error));
  EXPECT_EQ(state(), "Zeta\\New Folder New Folder|");
  Select("Zeta");
  Run(Dialog::kNewFolder);
  EXPECT_EQ(dialog.SelectedPath(), "Zeta\\New Folder (1)");
  EndEdit("New Folder");
  EXPECT_EQ(Messages(), Paths{"Session or folder 'New Folder' already exists"});
  EndEdit(" Work ");
  EXPECT_EQ(state(), "Zeta\\Work New Folder,Work|");
  Run(Dialog::kNewFolder);
  Run(Dialog::kDelete);
  EXPECT_TRUE(Messages().empty()) << "a folder never stored is just removed";
  EXPECT_EQ(state() + " " + Stored("Zeta\\Work"), "Zeta\\Work New Folder,Work| |");
}

TEST_F(ConnectDialogTreeTest, DeleteAsksThenSelectsTheNextThePreviousOrTheParent) {
  dialog.Open();
  Expand("Lab");
  Select("Lab\\core1");
  ui.Script(IDNO);
  Run(Dialog::kDelete);
  EXPECT_EQ(Messages(), Paths{"Are you sure you want to delete this session?"});
  EXPECT_EQ(ui.Shown().back().type, static_cast<unsigned>(MB_YESNO | MB_ICONEXCLAMATION));
  EXPECT_EQ(Stored("Lab"), "|core1,core2");
  struct Case { std::string selected, after; };
  for (Case const& c : {Case{"Lab\\core1", "Lab\\core2"}, Case{"Lab\\core2", "Lab"}, Case{"Alpha", "Lab"}}) {
    Select(c.selected);
    ui.Script(IDYES);
    Key("Delete");
    EXPECT_EQ(dialog.SelectedPath(), c.after) << c.selected;
    EXPECT_FALSE(SessionDatabase::Exists(c.selected.c_str()));
  }
  Select("Lab");
  ui.Script(IDYES);
  Run(Dialog::kDelete);
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
  dialog.Open();
  Expand("Lab");
  Select("Lab\\core1");
  for (std::string const name : {"New", "New (1)", "New (2)"}) {
    Run(Dialog::kNewSession);
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
  dialog.Open();
  Expand("Lab");
  Select("Lab\\core2");
  Run(Dialog::kProperties);
  EXPECT_EQ(config->sessionOptionsTreeSelected.Str(), "Connection+");
  EXPECT_EQ(Stored("Lab"), "|core1,CORE2,core3") << "a case-only change keeps the session's place";
  EXPECT_EQ(dialog.SelectedPath(), "Lab\\CORE2");
  ConnectDialogDllInit(nullptr, nullptr, nullptr, nullptr, nullptr);
}

TEST_F(ConnectDialogTreeTest, TheOrderToggleResortsKeepsWhatIsOpenAndDisablesPaste) {
  dialog.Open();
  Expand("Lab");
  Select("Lab\\core1");
  Run(Dialog::kCopy);
  EXPECT_TRUE(dialog.IsEnabled(Dialog::kPaste));
  Key("Alt+A");
  EXPECT_EQ(Shown(), (Paths{"", "Alpha", "Lab", "Lab\\core1", "Lab\\core2", "Zeta"}));
  EXPECT_EQ(dialog.SelectedPath(), "Lab\\core1");
  EXPECT_EQ(dialog.IsChecked(Dialog::kUserArranged), false);
  EXPECT_EQ(static_cast<int>(config->sortAlphabetical), 1);
  EXPECT_FALSE(dialog.IsEnabled(Dialog::kPaste));
  Run(Dialog::kUserArranged);
  EXPECT_EQ(Shown(), (Paths{"", "Zeta", "Lab", "Lab\\core1", "Lab\\core2", "Alpha"}));
}

TEST_F(ConnectDialogTreeTest, BrowseModeReturnsTheChosenFolderOrSession) {
  for (std::string const path : {"Lab", "Lab\\core2", ""}) {
    auto browser = ConnectDialog::Browser("Pick", "Lab\\core1");
    browser->Open();
    EXPECT_EQ(browser->SelectedPath(), "Lab\\core1");
    EXPECT_FALSE(browser->IsEnabled(Dialog::kConnect)) << "no connect commands in browse mode";
    Do(*browser, &Dialog::Select, path);
    browser->OnOK();
    EXPECT_EQ(browser->EndCode(), IDOK);
    EXPECT_EQ(browser->ResultPath(), path);
  }
}

TEST_F(ConnectDialogTreeTest, ClosingRemembersTheSelectionAndWhetherItIsOpen) {
  struct Case { std::string selected; bool expand; int isExpanded; };
  for (Case const& c : {Case{"Lab", true, 1}, Case{"Lab", false, 0}, Case{"Lab\\core2", true, 0}}) {
    dialog.Open();
    Expand("Lab");
    if (!c.expand) Collapse("Lab");
    Select(c.selected);
    Key("Escape");
    EXPECT_EQ(dialog.EndCode(), IDCANCEL);
    EXPECT_EQ(config->connectExpandPath.Str(), c.selected);
    EXPECT_EQ(static_cast<int>(config->isExpanded), c.isExpanded) << c.selected;
  }
}

TEST_F(ConnectDialogTreeTest, ChangesMadeWhileFilteringShowInBothTrees) {
  dialog.Open();
  Select("Zeta");
  dialog.SetFilter("core");
  EXPECT_EQ(dialog.SelectedPath(), "Lab\\core1");
  ui.Script(IDYES);
  Run(Dialog::kDelete);
  EXPECT_EQ(Shown(), (Paths{"", "Lab", "Lab\\core2"}));
  Run(Dialog::kRename);
  EndEdit("corex");
  EXPECT_EQ(Shown(), (Paths{"", "Lab", "Lab\\corex"}));
  EXPECT_EQ(dialog.SelectedPath(), "Lab\\corex");
  dialog.SetFilter("");
  EXPECT_EQ(dialog.SelectedPath(), "Zeta");
  Expand("Lab");
  EXPECT_EQ(Shown(), (Paths{"", "Zeta", "Lab", "Lab\\corex", "Alpha"}));
  EXPECT_EQ(Stored("Lab"), "|corex");
}

class ConnectDialogFilterTest : public ConnectDialogTreeTest {
 protected:
  // Also Zeta\Routers\edge, Lab\Inner\edge and ROUTE66 at the root; core1's host is 10.0.0.7.
  ConnectDialogFilterTest() {
    AddFolder("Zeta", "Routers");
    AddFolder("Lab", "Inner");
    AddSession("Zeta\\Routers", "edge");
    AddSession("Lab\\Inner", "edge");
    AddSession("", "ROUTE66");
    VProfileStore store;
    VProfileKey(store.Root(), SessionKeyPath::Of("Lab\\core1")).SetSz("Hostname", "10.0.0.7");
  }
  // What a front end draws of every shown item, and the handle a copy would put on the clipboard.
  static Paths Seen(Dialog& dialog) {
    Paths seen;
    for (ConnectTreeItem* item : dialog.VisibleItems())
      seen.push_back(item->Path() + " #" + std::to_string(item->Handle()) + (item->expanded ? " open" : "") +
                     (item->hasButton ? " button" : ""));
    seen.push_back("selected " + dialog.SelectedPath());
    return seen;
  }
  Paths const edges{"", "Zeta", "Zeta\\Routers", "Zeta\\Routers\\edge", "Lab", "Lab\\Inner", "Lab\\Inner\\edge"};
};

TEST_F(ConnectDialogFilterTest, TheFilterShowsMatchesAndEscapeRestoresTheTree) {
  dialog.Open();
  Select("Alpha");
  dialog.SetFilter("rout");
  EXPECT_EQ(Shown(), (Paths{"", "Zeta", "Zeta\\Routers", "Zeta\\Routers\\edge", "ROUTE66"}));
  EXPECT_EQ(dialog.SelectedPath(), "Zeta\\Routers\\edge") << "the first match";
  dialog.SetFilter("CORE2");
  EXPECT_EQ(Shown(), (Paths{"", "Lab", "Lab\\core2"}));
  dialog.SetFilter("nothing");
  EXPECT_EQ(Shown(), Paths{""});
  Key("Escape");
  EXPECT_FALSE(dialog.IsEnded());
  EXPECT_FALSE(dialog.IsFiltering());
  EXPECT_EQ(Shown(), (Paths{"", "Zeta", "Lab", "Alpha", "ROUTE66"}));
  EXPECT_EQ(dialog.SelectedPath(), "Alpha");
}

// A keystroke that extends the text narrows the tree the last one showed, and must leave exactly
// the tree, the item handles and the selection that typing the whole text at once gives.
TEST_F(ConnectDialogFilterTest, TypingLetterByLetterShowsWhatTheWholeTextShows) {
  struct Case { std::vector<std::string> typed; Paths shown; };  // shown: at the end
  for (Case const& c : {
           Case{{"e", "ed", "edg", "edge"}, edges}, Case{{"r", "ro", "rox"}, {""}},  // down to nothing
           Case{{"core1", "core"}, {"", "Lab", "Lab\\core1", "Lab\\core2"}},       // shorter: made afresh
           Case{{"o", "ro", "rou"}, {"", "Zeta", "Zeta\\Routers", "Zeta\\Routers\\edge", "ROUTE66"}},
           Case{{"C", "cO", "CORE2"}, {"", "Lab", "Lab\\core2"}},
           Case{{"1", "10", "10.0.0.7"}, {"", "Lab", "Lab\\core1"}},  // the host name
           Case{{"inner", "inner", "edge"}, edges},                  // the same text, then another
       }) {
    SCOPED_TRACE(c.typed.back());
    dialog.Open();
    for (size_t i = 0; i < c.typed.size(); ++i) {
      dialog.SetFilter(c.typed[i]);
      // A folder closed between keystrokes is open again after the next, as in a tree made afresh.
      if (i + 1 < c.typed.size() && dialog.VisibleItems().size() > 1) Collapse(dialog.VisibleItems()[1]->Path());
    }
    Dialog once("Connect", false, false);
    once.Open();
    once.SetFilter(c.typed.back());
    EXPECT_EQ(Shown(), c.shown);
    EXPECT_EQ(Seen(dialog), Seen(once));
  }
}

// The terminal host hides transfer-only sessions from the tree and from the matches unless asked.
TEST_F(ConnectDialogFilterTest, TheTerminalHostHidesTransferOnlySessionsUnlessAsked) {
  AddSession("", "ftp", "None");
  AddSession("Lab", "edge ftp", "None");
  for (bool show : {false, true}) {
    SCOPED_TRACE(show);
    config->showTransferOnlySessions = show;
    dialog.Open();
    Paths top{"", "Zeta", "Lab", "Alpha", "ROUTE66"}, matches = edges;
    if (show) top.push_back("ftp"), matches.push_back("Lab\\edge ftp");
    EXPECT_EQ(Shown(), top);
    dialog.SetFilter("ed");
    dialog.SetFilter("edge");
    EXPECT_EQ(Shown(), matches);
  }
}

}  // namespace
