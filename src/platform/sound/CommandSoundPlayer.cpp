#include "platform/sound/CommandSoundPlayer.h"

#include "platform/shell/ProgramPath.h"
#include "platform/shell/Shell.h"

bool CommandSoundPlayer::Play(std::string const& path, std::string& error) {
  for (char const* program : {"pw-play", "paplay", "aplay"}) {
    std::string const found = FindProgramInPath(program);
    if (found.empty()) continue;
    // "--" keeps a file whose name begins with '-' from being read as an option.
    if (GetShell().Start(found, {"--", path})) return true;
    error = "cannot start " + found;
    return false;
  }
  error = "no sound player is installed (pw-play, paplay or aplay)";
  return false;
}
