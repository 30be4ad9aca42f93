// What cdtool does first, as a host would: say which product it is (--product) and install that
// product's configuration-folder store as the profile store.
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
