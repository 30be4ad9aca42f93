// What cdtool does first, as every host does: say which product it is (--product) and run the
// library's host start-up for that product, so that sessions load and save as the product's
// host would load and save them.
#pragma once

#include <CLI/CLI.hpp>

#include <string>

class ToolStartup {
 public:
  // Adds --product korvo|halokorvo|halofyx (default halokorvo) to `app`, filling `product`.
  static void AddOption(CLI::App& app, std::string& product);
  // Starts the library as the host of `product`, a name AddOption accepted.
  static void Run(std::string const& product);
};
