// The action buttons of the Global Options pages that reach the desktop: the Web Browser page's
// default telnet application and the Sound page's play buttons.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "connectdialog/database/GlobalConfigWorld.h"
#include "dialogs/GlobalOptionsDialog.h"
#include "dialogs/GlobalPageControls.h"
#include "platform/ui/HeadlessUserInterface.h"
#include "platform/ui/UserInterface.h"
#include "support/FakeSoundPlayer.h"
#include "support/TempFolder.h"

namespace {

class GlobalPageActionsTest : public ::testing::Test {
 protected:
  GlobalPageActionsTest() {
    GlobalOptionsDialog::DeleteStateMap();
    IsHaloKorvo_Korvo_Installed(true);
    IsHaloFyx_Installed(true);
    SetUserInterface(&ui);
    GetGlobalConfig(config);
    config->haloKorvoExePath = "/opt/brimvale/cdhost-halokorvo";
  }
  ~GlobalPageActionsTest() override {
    SetUserInterface(nullptr);
    IsHaloKorvo_Korvo_Installed(false);
    IsHaloFyx_Installed(false);
    GlobalOptionsDialog::DeleteStateMap();
  }
  // Presses button `id` on `page` and answers the messages it showed.
  std::vector<std::string> Press(char const* page, int id, std::vector<std::pair<int, std::string>> const& values = {}) {
    size_t const shown = ui.Shown().size();
    GlobalOptionsDialog dialog(*config);
    dialog.Open();
    std::string error;
    EXPECT_TRUE(dialog.SelectItem(dialog.FindItem(page))) << page;
    for (auto const& [control, value] : values) EXPECT_TRUE(dialog.SetControl(control, value, error)) << error;
    EXPECT_TRUE(dialog.Command(id, error)) << error;
    dialog.OnCancel();
    std::vector<std::string> messages;
    for (size_t i = shown; i < ui.Shown().size(); ++i) messages.push_back(ui.Shown()[i].text);
    return messages;
  }

  GlobalConfigWorld world{kProductHaloKorvo};
  ScopedEnv noFileTypesRoot{"BRIMVALE_FILETYPES_ROOT", nullptr};
  ScopedEnv dataHome{"XDG_DATA_HOME", (world.Root() + "/data").c_str()};
  HeadlessUserInterface ui;
  GlobalConfig* config = nullptr;
};

TEST_F(GlobalPageActionsTest, TheHostBecomesTheTelnetApplication) {
  std::string const list = world.Root() + "/xdg/mimeapps.list";
  std::filesystem::create_directories(world.Root() + "/xdg");
  WriteFileBytes(list, "[Default Applications]\nx-scheme-handler/telnet=putty.desktop\ntext/html=web.desktop\n");

  EXPECT_EQ(Press("Web Browser", GlobalPageControls::kMakeDefaultTelnet),
            std::vector<std::string>{"HaloKorvo now opens the telnet: links of this desktop."});
  EXPECT_EQ(ReadFileBytes(list),
            "[Default Applications]\nx-scheme-handler/telnet=halokorvo-telnet.desktop\ntext/html=web.desktop\n");
  EXPECT_EQ(ReadFileBytes(world.Root() + "/data/applications/halokorvo-telnet.desktop"),
            "[Desktop Entry]\nType=Application\nVersion=1.0\nName=HaloKorvo\n"
            "Exec=/opt/brimvale/cdhost-halokorvo %u\nTerminal=false\nMimeType=x-scheme-handler/telnet;\nNoDisplay=true\n");

  // No folder for the entry: said, and the list keeps its bytes.
  std::string const before = ReadFileBytes(list);
  std::filesystem::remove_all(world.Root() + "/data");
  WriteFileBytes(world.Root() + "/data", "a file where the folder should be");
  std::vector<std::string> const failed = Press("Web Browser", GlobalPageControls::kMakeDefaultTelnet);
  ASSERT_EQ(failed.size(), 1u);
  EXPECT_TRUE(failed[0].starts_with("HaloKorvo could not be made the default telnet application:\r\n\r\n")) << failed[0];
  EXPECT_EQ(ReadFileBytes(list), before);
}

TEST_F(GlobalPageActionsTest, ThePlayButtonsPlayTheirFields) {
  TempFolder sounds;
  WriteFileBytes(sounds / "ding.wav", "RIFF");
  FakeSoundPlayer player;
  struct Case {
    char const* name;
    int field;
    int play;
    std::string value;
    std::string failure;
    std::vector<std::string> played;
    std::vector<std::string> messages;
  };
  for (Case const& c : {
           Case{"connect", 1305, 1307, sounds / "ding.wav", "", {sounds / "ding.wav"}, {}},
           Case{"empty field", 1308, 1310, "", "", {}, {"Choose a sound file to play first."}},
           Case{"missing file", 1311, 1313, sounds / "gone.wav", "", {},
                {"The sound file \"" + sounds / "gone.wav" + "\" does not exist."}},
           Case{"a folder", 1311, 1313, sounds.Path(), "", {}, {"The sound file \"" + sounds.Path() + "\" does not exist."}},
           Case{"no player", 1305, 1307, sounds / "ding.wav", "no sound player is installed", {sounds / "ding.wav"},
                {"The sound file \"" + sounds / "ding.wav" + "\" cannot be played: no sound player is installed."}},
       }) {
    player.played.clear();
    player.failure = c.failure;
    EXPECT_EQ(Press("Sound", c.play, {{c.field, c.value}}), c.messages) << c.name;
    EXPECT_EQ(player.played, c.played) << c.name;
  }
}

// The browse button fills its field through the file chooser; its play button then plays that file.
TEST_F(GlobalPageActionsTest, ABrowsedSoundIsWhatPlays) {
  FakeSoundPlayer player;
  TempFolder sounds;
  WriteFileBytes(sounds / "oops.wav", "RIFF");
  GlobalOptionsDialog dialog(*config);
  dialog.Open();
  std::string error;
  ASSERT_TRUE(dialog.SelectItem(dialog.FindItem("Sound")));
  ui.Script(IDOK, sounds / "oops.wav");
  ASSERT_TRUE(dialog.Command(1315, error)) << error;
  ASSERT_TRUE(dialog.Command(1316, error)) << error;
  dialog.OnCancel();
  EXPECT_EQ(ui.Shown().back().kind, ShownDialog::Kind::OpenFile);
  EXPECT_EQ(ui.Shown().back().caption, "Error sound");
  EXPECT_EQ(player.played, std::vector<std::string>{sounds / "oops.wav"});
}

}  // namespace
