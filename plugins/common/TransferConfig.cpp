#include "TransferConfig.h"

#include "CommandLineReader.h"
#include "CommandLineWriter.h"

bool TransferConfig::TakeOption(std::string const& name, CommandLineReader& reader) {
  if (name != "DIR") return LoginConfig::TakeOption(name, reader);
  std::string value;
  if (!reader.Value(value) || value.empty()) return false;
  m_initialDirectory = VString(value);
  return true;
}

void TransferConfig::WriteProtocolOptions(CommandLineWriter& writer) const {
  WriteTransferOptions(writer);
  if (!m_initialDirectory.IsEmpty()) writer.AddOption("DIR", m_initialDirectory.View());
}
