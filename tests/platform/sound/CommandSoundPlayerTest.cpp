#include "platform/sound/CommandSoundPlayer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "connectdialog/session/RecordingShell.h"
#include "support/ScopedEnv.h"
#include "support/TempFolder.h"

namespace {

// The first player of PATH, in the preferred order, gets the file after "--".
TEST(CommandSoundPlayerTest, TheFirstPlayerFoundPlaysTheFile) {
  // started: relative to the folder; empty: nothing
  struct Case { std::vector<char const*> installed; bool startSucceeds; std::vector<std::string> started;
                std::string error; };
  TempFolder bin;
  for (Case const& c : {
           Case{{"aplay", "paplay", "pw-play"}, true, {"pw-play", "--", "-ding.wav"}, ""},
           Case{{"aplay", "paplay"}, true, {"paplay", "--", "-ding.wav"}, ""},
           Case{{"aplay"}, false, {"aplay", "--", "-ding.wav"}, "cannot start " + bin.Path() + "/aplay"},
           Case{{}, true, {}, "no sound player is installed (pw-play, paplay or aplay)"},
       }) {
    for (auto const& entry : std::filesystem::directory_iterator(bin.Path())) std::filesystem::remove(entry.path());
    for (char const* program : c.installed) {
      WriteFileBytes(bin / program, "#!/bin/sh\n");
      std::filesystem::permissions(bin / program, std::filesystem::perms::owner_all);
    }
    ScopedEnv path("PATH", bin.Path().c_str());
    RecordingShell shell;
    shell.startSucceeds = c.startSucceeds;
    std::string error;
    EXPECT_EQ(CommandSoundPlayer().Play("-ding.wav", error), c.error.empty());
    EXPECT_EQ(error, c.error);
    std::vector<std::string> expected = c.started;
    if (!expected.empty()) expected.front() = bin / expected.front();
    EXPECT_EQ(shell.started, expected);
  }
}

}  // namespace
