// A shell that records what it was asked to open instead of starting anything.
#pragma once

#include <string>
#include <vector>

#include "platform/shell/Shell.h"

class RecordingShell : public Shell {
 public:
  RecordingShell() { SetShell(this); }
  ~RecordingShell() override { SetShell(nullptr); }
  RecordingShell(RecordingShell const&) = delete;
  RecordingShell& operator=(RecordingShell const&) = delete;

  bool Open(std::string const& target) override {
    opened.push_back(target);
    return true;
  }

  std::vector<std::string> opened;
};
