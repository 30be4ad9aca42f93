// One line of an OpenSSH client configuration split the way ssh splits it: the keyword ends at
// blanks or one '=', the arguments are blank-separated words in which quotes group and a
// backslash keeps a quote, a backslash or (outside quotes) a blank, and a word starting with '#'
// ends the line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct SshConfigLine {
  // Empty for a blank or comment line.
  std::string keyword;
  std::vector<std::string> arguments;

  // False with `error` set for unbalanced quotes; `line` is one line without its line feed.
  static bool Split(std::string_view line, SshConfigLine& out, std::string& error);
};
