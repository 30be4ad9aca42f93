// The verbs of `cdtool dialog`, collected while the program starts: a verb's source holds one
// static DialogVerbRegistry::Entry naming the function that adds it to the noun.
#pragma once

#include <CLI/CLI.hpp>
#include <memory>
#include <vector>

#include "DialogVerb.h"

class DialogVerbRegistry {
 public:
  // Adds the verb's subcommand under `dialog` and returns the verb.
  using Factory = std::unique_ptr<DialogVerb> (*)(CLI::App& dialog);

  struct Entry {
    explicit Entry(Factory factory) { Factories().push_back(factory); }
  };

  static std::vector<Factory>& Factories();
};
