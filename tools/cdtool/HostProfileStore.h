// The host profile store that cdtool's option commands work on, chosen by --product. For now
// it is the product's key "SOFTWARE\Brimvale\<Product>" in the per-user registry hive.
#pragma once

#include <CLI/CLI.hpp>

#include <string>

class HostProfileStore {
 public:
  // Adds --product korvo|halokorvo|halofyx (default halokorvo) to `app`, filling `product`.
  static void AddOption(CLI::App& app, std::string& product);
  // Installs the store of `product`, a name AddOption accepted, as the process's profile store.
  static void Install(std::string const& product);
};
