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
  bool Start(std::string const& program, std::vector<std::string> const& arguments) override {
    started.push_back(program);
    started.insert(started.end(), arguments.begin(), arguments.end());
    return startSucceeds;
  }
  std::vector<std::string> opened;
  // The program, then its arguments, of every start.
  std::vector<std::string> started;
  bool startSucceeds = true;
};
