#include "LaunchRecorder.h"

LaunchRecorder::LaunchRecorder(bool launch) : m_previous(GetShell()), m_launch(launch) { SetShell(this); }

LaunchRecorder::~LaunchRecorder() { SetShell(&m_previous); }

bool LaunchRecorder::Start(std::string const& program, std::vector<std::string> const& arguments) {
  m_launched.push_back({{"program", program}, {"args", arguments}});
  return !m_launch || m_previous.Start(program, arguments);
}
