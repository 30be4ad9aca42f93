#include "ProductProtocol.h"

#include "session/ConnectConfigPtr.h"
#include "session/ConnectProtocolTable.h"
#include "session/ProtocolName.h"

std::string ProductProtocol::TableName(bool terminal, std::string const& name) {
  VString checked(name);
  if (!ConnectConfigPtr::ValidateProtocolName(terminal, checked)) return {};
  ConnectProtocolTable const& table = GetConnectProtocolTable();
  for (int i = 0; i < table.GetSize(); ++i)
    if (SameProtocolName(table[i].protocolName.View(), name)) return table[i].protocolName.Str();
  return {};
}
