// The Sound page's play buttons: the file in the field is played through the platform's sound
// player; an empty field, a missing file or a player that cannot start is said in a message.
#pragma once

#include <string>

class SoundFilePlayback {
 public:
  // True when the file started playing.
  static bool Play(std::string const& path);
};
