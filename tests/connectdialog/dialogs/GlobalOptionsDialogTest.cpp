#include "dialogs/GlobalOptionsDialog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "VOptionList.h"
#include "dialogs/GlobalPageControls.h"
#include "library/LibraryState.h"
#include "library/ProductInfo.h"
#include "platform/ui/HeadlessUserInterface.h"
#include "platform/ui/UserInterface.h"
#include "platform/ui/HeadlessImageList.h"
#include "support/ScopedEnv.h"
#include "support/ScopedRoot.h"
#include "transfer/FileTypeManager.h"
#include "transfer/IconManager.h"

namespace {

std::vector<std::string> Tree(VPropertyTreeDialog const& dialog) {
  std::vector<std::string> items;
  for (VTreeItem item : dialog.Tree().AllItems())
    items.push_back(dialog.Tree().Label(item) + "@" + std::to_string(dialog.Tree().Depth(item)));
  return items;
}

// Every option of the record as NAME=TEXT, to compare a whole configuration.
std::string Texts(GlobalConfig& config) {
  std::string texts;
  VOptionList const list(config);
  for (VOption const& option : list.Options())
    texts += std::string(option.Name()) + "=" + option.Text().Str() + "\n";
  return texts + "Config Path=" + config.configPath.Str();
}

class GlobalOptionsDialogTest : public ::testing::Test {
 protected:
  GlobalOptionsDialogTest() {
    GlobalOptionsDialog::DeleteStateMap();
    SetCurrentAppProductID(kProductHaloKorvo);
    ConnectDialogDllInitApplicationName("HaloKorvo");
    Install(true, true);
    SetUserInterface(&ui);
  }
  ~GlobalOptionsDialogTest() override {
    SetUserInterface(nullptr);
    Install(false, false);
    GlobalOptionsDialog::DeleteStateMap();
  }
  static void Install(bool terminal, bool transfer) {
    IsHaloKorvo_Korvo_Installed(terminal);
    IsHaloFyx_Installed(transfer);
  }
  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (ShownDialog const& shown : ui.Shown()) texts.push_back(shown.text);
    return texts;
  }
  static bool Select(GlobalOptionsDialog& dialog, char const* label) { return dialog.SelectItem(dialog.FindItem(label)); }

  ScopedRoot root;
  ScopedEnv fileTypesRoot{"BRIMVALE_FILETYPES_ROOT", TEST_DATA_DIR "/filetypes"};
  HeadlessUserInterface ui;
  GlobalConfig config{nullptr};
};

TEST_F(GlobalOptionsDialogTest, TheTreeFollowsTheInstalledProducts) {
  struct Case {
    bool terminal, transfer, fileTypes;
    std::vector<std::string> tree;
  };
  std::vector<std::string> const terminal{"Terminal@0", "Appearance@1", "ANSI Color@2", "Color Schemes@2", "Tabs@1",
                                          "Printing@1", "Advanced@2", "Web Browser@1"};
  std::vector<std::string> const transfer{"File Transfer@0", "Options@1", "Advanced@2", "View@1", "FTP@1", "Sound@1"};
  auto join = [](std::vector<std::vector<std::string>> parts) {
    std::vector<std::string> all{"General@0", "Default Session@1"};
    for (auto const& part : parts) all.insert(all.end(), part.begin(), part.end());
    all.push_back("Firewall@0");
    return all;
  };
  std::vector<std::string> withTypes = transfer;
  withTypes.push_back("File Types@1");
  for (Case const& c : {Case{true, true, true, join({terminal, withTypes})}, Case{true, false, true, join({terminal})},
                        Case{false, true, false, join({transfer})}, Case{false, true, true, join({withTypes})}}) {
    Install(c.terminal, c.transfer);
    FileTypeManager types;
    HeadlessImageList small, large;
    IconManager icons(&types, &small, &large);
    GlobalOptionsDialog dialog(config, c.fileTypes ? &types : nullptr, &icons);
    dialog.Open();
    EXPECT_EQ(Tree(dialog), c.tree);
    EXPECT_EQ(dialog.WindowTitle().Str(), "Global Options");
  }
}

TEST_F(GlobalOptionsDialogTest, MaxColumnsIsRangeChecked) {
  config.maxColumns = 500;
  GlobalOptionsDialog dialog(config);
  dialog.SetStartPage("Appearance");
  dialog.Open();
  std::string error;
  ASSERT_TRUE(dialog.SetControl(11353, "100", error)) << error;
  dialog.OnOK();
  EXPECT_FALSE(dialog.IsEnded());
  EXPECT_EQ(Messages(), (std::vector<std::string>{"Please enter an integer between 132 and 1024."}));
  EXPECT_EQ(dialog.CurrentPage()->FocusControl(), 11353);
  ASSERT_TRUE(dialog.SetControl(11353, "132", error));
  dialog.OnOK();
  EXPECT_EQ(dialog.EndCode(), IDOK);
  EXPECT_EQ(config.maxColumns, 132);
}

TEST_F(GlobalOptionsDialogTest, GeneralPageChecksInItsOrder) {
  std::string const folder = root.File("configs");
  std::filesystem::create_directories(folder);
  config.showQuickConnectDialog = 1;
  GlobalOptionsDialog dialog(config);
  dialog.Open();
  ASSERT_EQ(dialog.CurrentPage()->Caption(), "General");
  std::string error;
  struct Step {
    int control;
    char const* value;
    char const* message;  // what leaving the page shows
    bool left;
  };
  for (Step const& s : {
           Step{GlobalPageControls::kMruCount, "10", "Please enter an integer between 0 and 9.", false},
           Step{GlobalPageControls::kConfigFolder, "/no/such/folder", "Please enter an integer between 0 and 9.", false},
           Step{GlobalPageControls::kMruCount, "9",
                "The folder is not valid:\r\n\r\n'/no/such/folder'\r\n\r\nPlease choose another folder.\r\n", false},
           Step{GlobalPageControls::kConfigFolder, folder.c_str(), nullptr, false},
           Step{GlobalPageControls::kMinimizeToTray, "true",
                "The HaloKorvo Traymind is not currently installed.\r\n\r\nThis component will need to be installed in "
                "order for this option to be selected.",
                false},
           Step{GlobalPageControls::kMinimizeToTray, "false",
                "The change to the Configuration Folder will take effect the next time you start HaloKorvo.", true},
       }) {
    ASSERT_TRUE(dialog.SetControl(s.control, s.value, error)) << error;
    if (!s.message) continue;
    size_t const shown = ui.Shown().size();
    EXPECT_EQ(Select(dialog, "Firewall"), s.left) << s.value;
    ASSERT_EQ(ui.Shown().size(), shown + 1) << s.value;
    EXPECT_EQ(ui.Shown().back().text, s.message);
  }
  EXPECT_EQ(config.configPath.Str(), "");
  dialog.OnOK();
  ASSERT_EQ(dialog.EndCode(), IDOK);
  EXPECT_EQ(config.configPath.Str(), folder);
  EXPECT_EQ(config.mruCount, 9);
  EXPECT_EQ(config.showQuickConnectDialog, 0);  // the connect dialog still shows on startup
}

TEST_F(GlobalOptionsDialogTest, CancelLeavesTheConfigurationUntouched) {
  std::string const before = Texts(config);
  GlobalOptionsDialog dialog(config);
  dialog.Open();
  std::string error;
  for (VPropertyTreePage* page : dialog.PagesInOrder()) {
    if (!page->TreeItem()) continue;
    ASSERT_TRUE(dialog.SelectItem(page->TreeItem())) << page->Caption();
    for (VPageControl const& control : page->Controls()) {
      if (control.kind != VControlKind::Check || control.id == GlobalPageControls::kMinimizeToTray) continue;
      ASSERT_TRUE(dialog.SetControl(control.id, control.value == "true" ? "false" : "true", error));
    }
  }
  EXPECT_EQ(config.GetCurrentGlobalOptionsDialog(), nullptr);
  dialog.OnCancel();
  EXPECT_EQ(Texts(config), before);
}

}  // namespace
