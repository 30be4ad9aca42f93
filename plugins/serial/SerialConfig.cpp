#include "SerialConfig.h"

#include "CarryOver.h"
#include "ChoiceList.h"
#include "CommandLineReader.h"
#include "CommandLineWriter.h"

namespace {

ChoiceList const kBaudRates = {{"110", 110},     {"300", 300},       {"600", 600},       {"1200", 1200},
                               {"2400", 2400},   {"4800", 4800},     {"9600", 9600},     {"14400", 14400},
                               {"19200", 19200}, {"38400", 38400},   {"57600", 57600},   {"115200", 115200},
                               {"230400", 230400}, {"460800", 460800}, {"921600", 921600}};
ChoiceList const kDataBits = {{"5", 5}, {"6", 6}, {"7", 7}, {"8", 8}};
ChoiceList const kParities = {{"none", 0}, {"odd", 1}, {"even", 2}, {"mark", 3}, {"space", 4}};
ChoiceList const kStopBits = {{"1", 0}, {"1.5", 1}, {"2", 2}};
ChoiceList const kFlowControls = {{"none", 0}, {"xon-xoff", 1}, {"rts-cts", 2}, {"dsr-dtr", 3}};

}  // namespace

// The line settings: one row each for loading, the command line and writing it back.
struct SerialConfig::Setting {
  char const* option;
  VProfile<int> SerialConfig::*member;
  ChoiceList const& choices;
  int defaultValue;
};

SerialConfig::Setting const SerialConfig::kSettings[] = {
    {"BAUD", &SerialConfig::m_baudRate, kBaudRates, 9600},
    {"DATA", &SerialConfig::m_dataBits, kDataBits, 8},
    {"PARITY", &SerialConfig::m_parity, kParities, 0},
    {"STOP", &SerialConfig::m_stopBits, kStopBits, 0},
    {"FLOW", &SerialConfig::m_flowControl, kFlowControls, 0},
};

VProfileTable<SerialConfig> const SerialConfig::_profileOffsets{
    {"Serial Port", &SerialConfig::m_device, VString("/dev/ttyS0")},
    {"Serial Baud Rate", &SerialConfig::m_baudRate, 9600},
    {"Serial Data Bits", &SerialConfig::m_dataBits, 8},
    {"Serial Parity", &SerialConfig::m_parity, 0},
    {"Serial Stop Bits", &SerialConfig::m_stopBits, 0},
    {"Serial Flow Control", &SerialConfig::m_flowControl, 0},
};

SerialConfig::SerialConfig(VProfileKey* key) {
  Load(key);
  for (Setting const& setting : kSettings)
    if (!setting.choices.Name(this->*setting.member)) this->*setting.member = setting.defaultValue;
}

ChoiceList const& SerialConfig::BaudRates() { return kBaudRates; }

ConnectConfig* SerialConfig::Create(VProfileKey* key, ICommonConfig*) { return new SerialConfig(key); }

void SerialConfig::SaveToMap(CMapStringToPtr& map) { CarryOver::Clear(map); }

void SerialConfig::ProcessCommandLine(CStringList& arguments, POSITION& position) {
  CommandLineReader(arguments, position).Read(*this);
}

CString SerialConfig::CommandLine() {
  CommandLineWriter writer;
  writer.Add("/SERIAL");
  for (Setting const& setting : kSettings) {
    int const value = this->*setting.member;
    if (value != setting.defaultValue) writer.AddOption(setting.option, setting.choices.Name(value));
  }
  if (!m_device.IsEmpty()) writer.Add(m_device.View());
  return writer.Text();
}

bool SerialConfig::TakeOption(std::string const& name, CommandLineReader& reader) {
  for (Setting const& setting : kSettings) {
    if (name != setting.option) continue;
    std::string value;
    int code = 0;
    if (!reader.Value(value) || !setting.choices.Find(value, code)) return false;
    this->*setting.member = code;
    return true;
  }
  return false;
}

bool SerialConfig::TakeWord(std::string const& word, int index) {
  if (index != 0 || word.empty()) return false;
  m_device = VString(word);
  HasCommandLine(1);
  return true;
}
