// The system's sound player: the first of pw-play (PipeWire), paplay (PulseAudio) and aplay
// (ALSA) found in PATH, started through the shell service with the file as its one argument.
#pragma once

#include "platform/sound/SoundPlayer.h"

class CommandSoundPlayer : public SoundPlayer {
 public:
  bool Play(std::string const& path, std::string& error) override;
};
