#include "clients/ClientLauncher.h"

#include <cstdlib>

#include "platform/shell/ProgramPath.h"
#include "platform/shell/Shell.h"

ClientLauncher::ClientLauncher(Finder finder) : m_finder(std::move(finder)) {
  if (!m_finder) m_finder = &FindProgramInPath;
}

std::string ClientLauncher::Terminal() const {
  if (std::string found = m_finder("x-terminal-emulator"); !found.empty()) return found;
  char const* chosen = std::getenv("TERMINAL");
  if (!chosen || !*chosen) return {};
  std::string const named(chosen);
  return named.find('/') != std::string::npos ? named : m_finder(named);
}

std::string ClientLauncher::Launch(ClientCommand const& command) const {
  if (!command.error.empty()) return command.error;
  std::string const client = m_finder(command.program);
  if (client.empty())
    return "\"" + command.program + "\" is not installed: install the Debian package " + command.package;
  std::string const terminal = Terminal();
  if (terminal.empty())
    return "no terminal emulator to run \"" + command.program +
           "\" in: install one that provides x-terminal-emulator (the Debian package xterm, for example) or name "
           "one in TERMINAL";
  std::vector<std::string> arguments = {"-e", client};
  arguments.insert(arguments.end(), command.arguments.begin(), command.arguments.end());
  if (!GetShell().Start(terminal, arguments)) return "the terminal emulator " + terminal + " could not be started";
  return {};
}
