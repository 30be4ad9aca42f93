#include "LoginConfig.h"

#include "CommandLineReader.h"

bool LoginConfig::TakeOption(std::string const& name, CommandLineReader& reader) {
  if (name != "PASSWORD") return NetworkConfig::TakeOption(name, reader);
  std::string value;
  if (!reader.Value(value)) return false;
  m_password.SetTemporary(value.c_str());
  return true;
}
