#include "Command.h"

bool Command::Selected() const {
  for (auto const& [app, run] : m_verbs)
    if (app->parsed()) return true;
  return false;
}

int Command::Run() {
  for (auto const& [app, run] : m_verbs)
    if (app->parsed()) return run();
  return 2;
}

CLI::App* Command::AddVerb(CLI::App& parent, std::string const& name, std::string const& description,
                           std::function<int()> run) {
  CLI::App* verb = parent.add_subcommand(name, description);
  m_verbs.emplace_back(verb, std::move(run));
  return verb;
}
