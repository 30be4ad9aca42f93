#include "DialogVerbRegistry.h"

std::vector<DialogVerbRegistry::Factory>& DialogVerbRegistry::Factories() {
  static std::vector<Factory> factories;
  return factories;
}
