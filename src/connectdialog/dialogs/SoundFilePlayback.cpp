#include "dialogs/SoundFilePlayback.h"

#include <filesystem>
#include <system_error>

#include "platform/sound/SoundPlayer.h"
#include "platform/types/UserInterfaceCodes.h"
#include "platform/ui/UserInterface.h"

namespace {

bool Refuse(std::string const& text) {
  GetUserInterface().MessageBox(text, "", MB_OK | MB_ICONEXCLAMATION);
  return false;
}

}  // namespace

bool SoundFilePlayback::Play(std::string const& path) {
  if (path.empty()) return Refuse("Choose a sound file to play first.");
  std::error_code ignored;
  if (!std::filesystem::is_regular_file(path, ignored)) return Refuse("The sound file \"" + path + "\" does not exist.");
  std::string error;
  if (!GetSoundPlayer().Play(path, error)) return Refuse("The sound file \"" + path + "\" cannot be played: " + error + ".");
  return true;
}
