// The `msg` noun of cdtool: the text of a message report, with its inserts in command-line order.
#pragma once

#include <CLI/CLI.hpp>

#include <string>
#include <vector>

class MsgCommand {
 public:
  explicit MsgCommand(CLI::App& app);

  bool Selected() const { return m_msg->parsed(); }
  // 0 done, 2 usage error (a code or number that is not one).
  int Run();

 private:
  CLI::App* m_msg = nullptr;
  CLI::Option* m_numberOption = nullptr;
  CLI::Option* m_stringOption = nullptr;
  std::string m_code;
  std::vector<std::string> m_numbers;
  std::vector<std::string> m_strings;
  bool m_singleLine = false;
  bool m_json = false;
};
