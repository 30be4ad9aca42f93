#include "platform/sound/SoundPlayer.h"

#include "platform/sound/CommandSoundPlayer.h"

namespace {

SoundPlayer* installed = nullptr;

}  // namespace

SoundPlayer& GetSoundPlayer() {
  static CommandSoundPlayer system;
  return installed ? *installed : system;
}

void SetSoundPlayer(SoundPlayer* player) { installed = player; }
