#include "CommandOutput.h"

#include <iostream>

#include "VStoreFailure.h"

int CommandOutput::Print(std::string const& text) {
  if (VStoreFailure::Any()) return Refuse(VStoreFailure::Describe());
  std::cout.write(text.data(), static_cast<std::streamsize>(text.size()));
  std::cout.flush();
  return std::cout ? 0 : Refuse("cannot write to standard output");
}

int CommandOutput::Refuse(std::string const& reason) {
  std::cerr << "cdtool: " << (VStoreFailure::Any() ? VStoreFailure::Describe() : reason) << '\n';
  return 1;
}

int CommandOutput::Usage(std::string const& reason) {
  std::cerr << "cdtool: " << reason << '\n';
  return 2;
}

void CommandOutput::Note(std::string const& remark) { std::cerr << "cdtool: note: " << remark << '\n'; }
