// The base of cdtool's commands: each verb is a CLI11 subcommand added with the function that
// runs it, and Run runs the one the command line chose. A command with work to do before any
// of its verbs (loading plug-ins, installing a console for questions) overrides Run and calls
// this one.
#pragma once

#include <CLI/CLI.hpp>

#include <functional>
#include <string>
#include <utility>
#include <vector>

class Command {
 public:
  Command() = default;
  Command(Command const&) = delete;
  Command& operator=(Command const&) = delete;
  virtual ~Command() = default;

  // Whether the command line chose one of this command's verbs.
  bool Selected() const;
  // Runs the chosen verb: 0 done, 1 input refused (the reason on stderr), 2 usage error.
  virtual int Run();

 protected:
  // Adds the verb `name` below `parent`; `run` runs it when it is chosen.
  CLI::App* AddVerb(CLI::App& parent, std::string const& name, std::string const& description,
                    std::function<int()> run);

 private:
  std::vector<std::pair<CLI::App*, std::function<int()>>> m_verbs;
};
