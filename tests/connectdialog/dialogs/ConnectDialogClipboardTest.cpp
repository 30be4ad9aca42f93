// Cut, Copy and Paste in the Connect dialog: the clipboard record byte for byte, and every
// paste rule with what it tells the user and what it leaves in the store.
#include <gtest/gtest.h>

#include <sstream>

#include "connectdialog/dialogs/ConnectDialogWorld.h"
#include "dialogs/FolderTreeRecord.h"
#include "platform/types/UserInterfaceCodes.h"
#include "support/CdtoolRunner.h"
#include "support/Golden.h"
#include "support/Hex.h"

namespace {

using Dialog = ConnectDialog;

class ConnectDialogClipboardTest : public ConnectDialogWorld {
 protected:
  ConnectDialogClipboardTest() {
    AddLabAndOther();
    dialog.Open();
  }

  // Puts `source` on the clipboard (cut or copied), then pastes onto `target`.
  void CopyThenPaste(std::string const& source, bool cut, std::string const& target) {
    Select(Reveal(source));
    Run(cut ? Dialog::kCut : Dialog::kCopy);
    Select(Reveal(target));
    Run(Dialog::kPaste);
  }
  // Expands the folders on the way so that `path` is shown.
  std::string Reveal(std::string const& path) {
    for (size_t at = path.find('\\'); at != std::string::npos; at = path.find('\\', at + 1)) {
      std::string error;
      dialog.Expand(path.substr(0, at), error);
    }
    return path;
  }
};

TEST_F(ConnectDialogClipboardTest, TheRecordIs528BytesAsTheFormatLaysThemOut) {
  Select(Reveal("Lab\\s2"));
  Run(Dialog::kCut);
  std::vector<unsigned char> bytes;
  ASSERT_TRUE(clipboard.GetData("FolderTree", bytes));
  // The handle (little-endian), the path and its parent in 260 bytes each, NUL-padded, and the cut flag.
  std::string expected(528, '\0');
  for (int i = 0; i < 4; ++i) expected[i] = static_cast<char>(dialog.Selected()->Handle() >> 8 * i);
  expected.replace(4, 6, "Lab\\s2").replace(264, 3, "Lab")[524] = 1;
  EXPECT_EQ(Hex(std::string(bytes.begin(), bytes.end())), Hex(expected));
  FolderTreeRecord read;
  EXPECT_TRUE(FolderTreeRecord::Unpack(bytes, read));
  EXPECT_EQ(read.Pack(), bytes);
  bytes[263] = 'x';
  std::fill(bytes.begin() + 4, bytes.begin() + 264, 'x');
  EXPECT_FALSE(FolderTreeRecord::Unpack(bytes, read)) << "a path without its NUL";
  FolderTreeRecord const tooLong{0, std::string(260, 'a'), "", false};
  FolderTreeRecord const longest{0, std::string(259, 'a'), "", false};
  EXPECT_TRUE(tooLong.Pack().empty());
  EXPECT_EQ(longest.Pack().size(), 528u);
}

// Each row pastes on the starting tree: "source cut|copy target". The golden file holds, per row,
// the messages, Lab and Other afterwards and the selection.
TEST_F(ConnectDialogClipboardTest, PasteFollowsItsRules) {
  std::string dump;
  for (char const* row : {"Lab\\s1 copy Lab\\s2", "Lab\\s1 copy Lab", "Lab\\s2 copy Other", "Lab copy Other\\s1",
                          "Lab copy Lab", "Lab cut Lab\\Inner", "Lab\\s1 cut Other", "Lab\\s2 cut Other\\s1",
                          "Lab\\s2 cut Lab\\s2", "Lab\\Inner copy Lab\\s1"}) {
    SCOPED_TRACE(row);
    std::istringstream words(row);
    std::string source, how, target;
    ASSERT_TRUE(words >> source >> how >> target);
    Messages();
    CopyThenPaste(source, how == "cut", target);
    std::vector<std::string> const messages = Messages();
    dump += std::string(row) + ":";
    for (std::string const& message : messages) dump += " \"" + message + "\"";
    dump += " " + Stored("Lab") + " " + Stored("Other") + " " + dialog.SelectedPath() + "\n";
    if (how == "cut" && messages.empty()) {
      EXPECT_FALSE(dialog.IsEnabled(Dialog::kPaste)) << "a cut record is used once";
      for (ConnectTreeItem* item : dialog.VisibleItems()) EXPECT_FALSE(dialog.IsCut(*item)) << item->Path();
    }
    // Back to the starting tree for the next row.
    SessionDatabase database(0);
    for (std::string const extra : {"Lab\\s1 (1)", "Other\\s2", "Lab\\Inner (1)"}) database.Remove(extra.c_str());
    if (!SessionDatabase::Exists("Lab\\s2")) AddSession("Lab", "s2");
    ASSERT_EQ(Stored("Lab") + " " + Stored("Other"), "Inner|s1,s2 Lab|s1");
    dialog.Open();
  }
  ExpectGolden("dialogs/pastes.txt", dump);
  EXPECT_EQ(StoredProtocol("Other\\s1") + "," + StoredProtocol("Lab\\s1"), "Telnet,SSH2") << "refused moves keep both";
}

TEST_F(ConnectDialogClipboardTest, ASourceRenamedMeanwhileIsNoLongerAvailable) {
  Select(Reveal("Lab\\s1"));
  Run(Dialog::kCut);
  EXPECT_TRUE(dialog.IsCut(*dialog.Selected()));
  // Another process renames the source before the paste.
  ASSERT_TRUE(SessionDatabase(0).Rename("Lab\\s1", "renamed", "s1"));
  Select("Other");
  Run(Dialog::kPaste);
  EXPECT_EQ(Messages(), (std::vector<std::string>{"Item 's1' is no longer available for pasting"}));
  EXPECT_FALSE(dialog.IsEnabled(Dialog::kPaste));
  EXPECT_EQ(Stored("Lab"), "Inner|renamed,s2");
  EXPECT_EQ(Stored("Other"), "Lab|s1");
}

TEST_F(ConnectDialogClipboardTest, AnotherProcessRenamingTheCopiedSourceLosesNothing) {
  Select(Reveal("Lab\\s1"));
  Run(Dialog::kCopy);
  std::string const rename = ShellQuoted(CDTOOL_PATH) + " --root " + ShellQuoted(world.Root()) +
                             " session rename 'Lab\\s1' renamed 2>&1";
  ASSERT_EQ(std::system(rename.c_str()), 0);
  Select("Other");
  Run(Dialog::kPaste);
  EXPECT_EQ(Messages(), (std::vector<std::string>{"Item 's1' is no longer available for pasting"}));
  EXPECT_TRUE(dialog.IsEnabled(Dialog::kPaste)) << "a copied record stays on the clipboard";
  EXPECT_EQ(Stored("Lab"), "Inner|renamed,s2");
  EXPECT_EQ(Stored("Other"), "Lab|s1");
  EXPECT_EQ(StoredProtocol("Lab\\renamed"), "SSH2");
}

TEST_F(ConnectDialogClipboardTest, AClipboardThatCannotBeFilledIsReported) {
  clipboard.Refuse(true);
  Select("Lab");
  Run(Dialog::kCopy);
  EXPECT_EQ(Messages(), (std::vector<std::string>{"ERROR: Unable to copy item to clipboard"}));
  EXPECT_EQ(ui.Shown().back().type, static_cast<unsigned>(MB_OK | MB_ICONEXCLAMATION));
  EXPECT_FALSE(dialog.IsEnabled(Dialog::kPaste));
  EXPECT_FALSE(dialog.IsCut(*dialog.Selected()));
}

TEST_F(ConnectDialogClipboardTest, PasteFollowsWhatTheClipboardHoldsWhenItChanges) {
  FolderTreeRecord const fromElsewhere{7, "Lab\\s2", "Lab", false};
  std::vector<unsigned char> truncated = fromElsewhere.Pack();
  truncated.pop_back();
  struct Case { char const* what; std::string format; std::vector<unsigned char> bytes; bool pasteEnabled; };
  for (Case const& c : {Case{"a record from another process", "FolderTree", fromElsewhere.Pack(), true},
                        Case{"a block of another format", "Text", fromElsewhere.Pack(), false},
                        Case{"a record of the wrong size", "FolderTree", truncated, false}}) {
    clipboard.Clear();
    clipboard.SetData(c.format, c.bytes);
    dialog.ClipboardChanged();
    EXPECT_EQ(dialog.IsEnabled(Dialog::kPaste), c.pasteEnabled) << c.what;
  }
  clipboard.Clear();
  clipboard.SetData("FolderTree", fromElsewhere.Pack());
  dialog.ClipboardChanged();
  Select("Other");
  Run(Dialog::kPaste);
  EXPECT_EQ(Stored("Other"), "Lab|s1,s2");
  EXPECT_EQ(Stored("Lab"), "Inner|s1,s2");
}

TEST_F(ConnectDialogClipboardTest, TheCheckBoxesShowTheirOptionsUnlessHidden) {
  config->showConnectDialog = 1;
  config->openSessionsInTab = false;
  Dialog noTab{"Connect", false, true};
  noTab.Open();
  std::unique_ptr<Dialog> const browser = Dialog::Browser("Pick", "Lab");
  browser->Open();
  EXPECT_EQ(dialog.ControlChecked(Dialog::kShowOnStartup), true);
  EXPECT_EQ(dialog.ControlChecked(Dialog::kOpenInTab), false);
  EXPECT_EQ(noTab.ControlChecked(Dialog::kShowOnStartup), true);
  EXPECT_EQ(noTab.ControlChecked(Dialog::kOpenInTab), std::nullopt);
  EXPECT_EQ(browser->ControlChecked(Dialog::kShowOnStartup), std::nullopt);
  EXPECT_EQ(browser->ControlChecked(Dialog::kOpenInTab), std::nullopt);
  std::string error;
  ASSERT_TRUE(dialog.SetControl(Dialog::kOpenInTab, "1", error)) << error;
  EXPECT_EQ(dialog.ControlChecked(Dialog::kOpenInTab), true);
}

}  // namespace
