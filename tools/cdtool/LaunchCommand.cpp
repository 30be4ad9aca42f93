#include "LaunchCommand.h"

#include <string>

#include "CommandOutput.h"
#include "platform/ui/HeadlessUserInterface.h"
#include "library/LibraryState.h"
#include "database/SessionDatabase.h"
#include "database/SiblingLaunch.h"

LaunchCommand::LaunchCommand(CLI::App& app) {
  CLI::App* launch = AddVerb(app, "launch", "Start the terminal or the file-transfer application on a session",
                             [this] { return Start(); });
  launch->add_option("APP", m_side, "terminal or transfer")->required()->check(CLI::IsMember({"terminal", "transfer"}));
  launch->add_option("PATH", m_path, "The session's path")->required();
}

int LaunchCommand::Start() {
  if (!SessionDatabase::Exists(m_path) || SessionDatabase(0).IsFolder(m_path))
    return CommandOutput::Refuse("no session \"" + m_path + "\"");
  std::string parameters = GetApplicationCommandLine().c_str();
  if (!parameters.empty()) parameters += " ";
  parameters += "/S \"" + m_path + "\"";
  // The warning of a failed start is the only thing shown; it becomes the refusal.
  HeadlessUserInterface recorder;
  SetUserInterface(&recorder);
  if (m_side == "terminal") {
    LaunchTerminalApp(parameters.c_str());
  } else {
    LaunchFileTransferApp(parameters.c_str());
  }
  SetUserInterface(nullptr);
  if (recorder.Shown().empty()) return 0;
  std::string text = recorder.Shown().front().text;
  std::erase(text, '\r');
  while (text.ends_with('\n')) text.pop_back();
  return CommandOutput::Refuse(text);
}
