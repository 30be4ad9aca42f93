#include "clients/ClientCommand.h"

namespace {

// Single quotes keep everything but a single quote, which is closed, escaped and reopened.
std::string Shown(std::string const& word) {
  if (!word.empty() && word.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789@%+=:,./-_") ==
                           std::string::npos)
    return word;
  std::string quoted = "'";
  for (char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

}  // namespace

std::string ClientCommand::Display() const {
  std::string line = Shown(program);
  for (std::string const& argument : arguments) line += " " + Shown(argument);
  return line;
}
