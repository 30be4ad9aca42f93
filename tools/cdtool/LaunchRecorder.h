// A shell that notes every program the dialogs start, {"program", "args"}, and passes the
// start on to the shell it replaced unless told not to launch anything. Installed for its
// lifetime.
#pragma once

#include <nlohmann/json.hpp>

#include "platform/shell/Shell.h"

class LaunchRecorder : public Shell {
 public:
  explicit LaunchRecorder(bool launch);
  ~LaunchRecorder() override;
  LaunchRecorder(LaunchRecorder const&) = delete;
  LaunchRecorder& operator=(LaunchRecorder const&) = delete;

  bool Open(std::string const& target) override { return m_launch && m_previous.Open(target); }
  // Without launching, a start counts as done.
  bool Start(std::string const& program, std::vector<std::string> const& arguments) override;

  nlohmann::ordered_json const& Launched() const { return m_launched; }

 private:
  Shell& m_previous;
  bool m_launch;
  nlohmann::ordered_json m_launched = nlohmann::ordered_json::array();
};
