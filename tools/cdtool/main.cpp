// cdtool: inspect and edit sessions, options and the registry stand-in from the command line.
#include <CLI/CLI.hpp>

#include <iostream>

int main(int argc, char** argv) {
  CLI::App app{"cdtool: inspect and edit ConnectDialog sessions, options and the registry stand-in"};
  app.require_subcommand(1);
  CLI11_PARSE(app, argc, argv);
  return 0;
}
