#include "session/SessionConnections.h"

SessionConnections::SessionConnections(VProfileKey* key)
    : m_terminal(key, ConnectConfigPtr::Terminal, &m_common), m_transfer(key, ConnectConfigPtr::Transfer, &m_common) {}

SessionConnections::SessionConnections(SessionConnections const& other)
    : m_common(other.m_common), m_terminal(other.m_terminal, &m_common), m_transfer(other.m_transfer, &m_common) {}

void SessionConnections::ClearBlankProtocols() {
  for (ConnectConfigPtr* side : {&m_terminal, &m_transfer})
    if (side->ProtocolWasBlank()) side->SetProtocol("None", &m_common);
}
