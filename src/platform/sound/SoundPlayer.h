// Plays a sound file for the user without waiting for it to end. Called from the host's
// user-interface thread.
#pragma once

#include <string>

class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  // Starts playing `path`; false, with `error` saying why for a person, when nothing could play it.
  virtual bool Play(std::string const& path, std::string& error) = 0;
};

// The process's player: the system's (CommandSoundPlayer) until a host or a test installs another.
SoundPlayer& GetSoundPlayer();
// Installs `player` (not owned); null restores the system's.
void SetSoundPlayer(SoundPlayer* player);
