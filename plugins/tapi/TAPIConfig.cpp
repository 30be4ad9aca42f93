#include "TAPIConfig.h"

#include <algorithm>

#include "CarryOver.h"
#include "CommandLineReader.h"
#include "CommandLineWriter.h"

VProfileTable<TAPIConfig> const TAPIConfig::_profileOffsets{
    {"TAPI Phone Number", &TAPIConfig::m_phoneNumber, VString()},
    {"TAPI Modem", &TAPIConfig::m_modem, VString()},
};

ConnectConfig* TAPIConfig::Create(VProfileKey* key, ICommonConfig*) { return new TAPIConfig(key); }

void TAPIConfig::SaveToMap(CMapStringToPtr& map) { CarryOver::Clear(map); }

void TAPIConfig::ProcessCommandLine(CStringList& arguments, POSITION& position) {
  CommandLineReader(arguments, position).Read(*this);
}

CString TAPIConfig::CommandLine() {
  CommandLineWriter writer;
  writer.Add("/TAPI");
  if (!m_modem.IsEmpty()) writer.AddOption("MODEM", m_modem.View());
  if (!m_phoneNumber.IsEmpty()) writer.Add(m_phoneNumber.View());
  return writer.Text();
}

void TAPIConfig::SetHostname(char const* phoneNumber) {
  if (phoneNumber && IsDialable(phoneNumber)) m_phoneNumber = phoneNumber;
}

bool TAPIConfig::IsDialable(std::string_view number) {
  constexpr std::string_view kDialling = "0123456789+*#,()-. PpTtWw";
  return std::any_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
         number.find_first_not_of(kDialling) == std::string_view::npos;
}

bool TAPIConfig::TakeOption(std::string const& name, CommandLineReader& reader) {
  std::string modem;
  if (name != "MODEM" || !reader.Value(modem) || modem.empty()) return false;
  m_modem = VString(modem);
  return true;
}

bool TAPIConfig::TakeWord(std::string const& word, int index) {
  if (index != 0 || !IsDialable(word)) return false;
  m_phoneNumber = VString(word);
  HasCommandLine(1);
  return true;
}
