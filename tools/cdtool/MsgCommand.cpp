#include "MsgCommand.h"

#include <cstdio>
#include <iostream>

#include "CommandOutput.h"
#include "JsonOutput.h"
#include "ReportOutput.h"
#include "VReportMessageParams.h"
#include "resources/LibraryMessageModule.h"

namespace {

// Whole-text parse of a 32-bit number in `base` (0: decimal, or hex after 0x); false otherwise.
bool ParseNumber(std::string const& text, int base, unsigned long& value) {
  if (text.empty()) return false;
  bool const negative = text[0] == '-';
  std::string const digits = negative ? text.substr(1) : text;
  if (digits.empty() || digits[0] == '-' || digits[0] == '+') return false;
  size_t used = 0;
  unsigned long long parsed = 0;
  try {
    parsed = std::stoull(digits, &used, base);
  } catch (std::exception const&) {
    return false;
  }
  if (used != digits.size() || parsed > 0xFFFFFFFFull) return false;
  value = static_cast<uint32_t>(negative ? 0 - parsed : parsed);
  return true;
}

}  // namespace

MsgCommand::MsgCommand(CLI::App& app) {
  m_msg = AddVerb(app, "msg", "Print the text of a message code with its inserts", [this] { return Show(); });
  m_msg->add_option("CODE", m_code, "The message code in hex, with or without 0x: A1600004")->required();
  m_numberOption = m_msg->add_option("--num", m_numbers, "A number insert (decimal, or hex with 0x); repeatable");
  m_stringOption = m_msg->add_option("--str", m_strings, "A text insert; repeatable")->allow_extra_args(false);
  m_numberOption->allow_extra_args(false);
  m_msg->add_flag("--single-line", m_singleLine, "The one-line form: the message's line breaks become spaces");
  m_msg->add_flag("--json", m_json, "Print {\"code\":\"0x…\",\"text\":…}");
  m_msg->footer(
      "Inserts are numbered %1, %2 ... in the order they are given, --num and --str mixed:\n"
      "  cdtool msg A1600004 --num 12 --num 3");
}

int MsgCommand::Show() {
  unsigned long code = 0;
  std::string const digits = m_code.rfind("0x", 0) == 0 || m_code.rfind("0X", 0) == 0 ? m_code.substr(2) : m_code;
  if (!ParseNumber(digits, 16, code)) {
    std::cerr << "cdtool: not a message code: " << m_code << " (give it in hex, for example A1600004)\n";
    return 2;
  }
  VReportMessageParams report(code, &LibraryMessageModule::Get());
  size_t nextNumber = 0;
  size_t nextString = 0;
  for (CLI::Option* option : m_msg->parse_order()) {
    if (option == m_stringOption) {
      report.AddString(m_strings[nextString++].c_str());
    } else if (option == m_numberOption) {
      unsigned long number = 0;
      std::string const& text = m_numbers[nextNumber++];
      if (!ParseNumber(text, 0, number)) {
        std::cerr << "cdtool: not a 32-bit number: " << text << "\n";
        return 2;
      }
      report.AddNumber(number);
    }
  }
  std::string const text = m_singleLine ? report.GetTextSingleLine() : report.GetText();
  if (m_json) return JsonOutput::Print({{"code", ReportOutput::Code(code)}, {"text", text}});
  return CommandOutput::Print(text + (text.empty() || text.back() != '\n' ? "\n" : ""));
}
