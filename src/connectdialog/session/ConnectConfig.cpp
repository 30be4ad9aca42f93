#include "session/ConnectConfig.h"

ConnectConfig::ConnectConfig() { AddRef(); }

ConnectConfig::ConnectConfig(ConnectConfig const& other)
    : VProfileRecord(other), IUnknown(other), m_defaultSession(other.m_defaultSession),
      m_commandLine(other.m_commandLine), m_pluginField(other.m_pluginField) {
  AddRef();
}

HRESULT ConnectConfig::QueryInterface(REFIID, void** object) {
  if (object) *object = nullptr;
  return E_NOINTERFACE;
}

unsigned long ConnectConfig::AddRef() { return static_cast<unsigned long>(++m_refs); }

unsigned long ConnectConfig::Release() {
  if (--m_refs > 0) return static_cast<unsigned long>(m_refs);
  delete this;
  return 0;
}
