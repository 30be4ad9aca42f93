// The `msg` noun of cdtool: the text of a message report, with its inserts in command-line order.
#pragma once

#include <CLI/CLI.hpp>

#include <string>
#include <vector>

#include "Command.h"

class MsgCommand : public Command {
 public:
  explicit MsgCommand(CLI::App& app);

 private:
  // 0 done, 2 usage error (a code or number that is not one).
  int Show();

  CLI::App* m_msg = nullptr;
  CLI::Option* m_numberOption = nullptr;
  CLI::Option* m_stringOption = nullptr;
  std::string m_code;
  std::vector<std::string> m_numbers;
  std::vector<std::string> m_strings;
  bool m_singleLine = false;
  bool m_json = false;
};
