#include "CommandOutput.h"

#include <iostream>

int CommandOutput::Print(std::string const& text) {
  std::cout.write(text.data(), static_cast<std::streamsize>(text.size()));
  std::cout.flush();
  return std::cout ? 0 : Refuse("cannot write to standard output");
}

int CommandOutput::Refuse(std::string const& reason) {
  std::cerr << "cdtool: " << reason << '\n';
  return 1;
}

int CommandOutput::Usage(std::string const& reason) {
  std::cerr << "cdtool: " << reason << '\n';
  return 2;
}
