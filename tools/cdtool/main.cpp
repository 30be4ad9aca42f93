// cdtool: inspect and edit sessions, options and the registry stand-in from the command line.
#include <CLI/CLI.hpp>

#include <stdlib.h>

#include <filesystem>

#include "LognameCommand.h"
#include "RegCommand.h"

int main(int argc, char** argv) {
  CLI::App app{"cdtool: inspect and edit ConnectDialog sessions, options and the registry stand-in"};
  std::string root;
  app.add_option("--root", root, "Keep every hive under this folder (sets BRIMVALE_ROOT), for tests and trials");
  app.require_subcommand(1);
  RegCommand reg(app);
  LognameCommand logname(app);
  try {
    app.parse(argc, argv);
  } catch (CLI::ParseError const& error) {
    return app.exit(error) == 0 ? 0 : 2;
  }
  // Set before any call reaches the registry, so that every hive comes from this folder.
  if (!root.empty()) setenv("BRIMVALE_ROOT", std::filesystem::absolute(root).c_str(), 1);
  if (reg.Selected()) return reg.Run();
  if (logname.Selected()) return logname.Run();
  return 2;
}
