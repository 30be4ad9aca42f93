// A sound player that records what it was asked to play instead of playing it, installed for
// its scope.
#pragma once

#include <string>
#include <vector>

#include "platform/sound/SoundPlayer.h"

class FakeSoundPlayer : public SoundPlayer {
 public:
  FakeSoundPlayer() { SetSoundPlayer(this); }
  ~FakeSoundPlayer() override { SetSoundPlayer(nullptr); }
  FakeSoundPlayer(FakeSoundPlayer const&) = delete;
  FakeSoundPlayer& operator=(FakeSoundPlayer const&) = delete;

  bool Play(std::string const& path, std::string& error) override {
    played.push_back(path);
    error = failure;
    return failure.empty();
  }

  std::vector<std::string> played;
  std::string failure;  // what the next plays fail with; empty: they succeed
};
