#include "RemoteHostLink.h"

#include "VProfileData.h"
#include "session/ICommonConfig.h"
#include "session/RemoteHostConfig.h"

namespace {

// The library's remote-host record is an option record; another implementation keeps its own state.
VProfileData* Record(IRemoteHostConfig* host) { return dynamic_cast<VProfileData*>(host); }

}  // namespace

RemoteHostLink::RemoteHostLink(VProfileKey* key, ICommonConfig* common)
    : m_host(common ? common->GetRemoteHostConfig(key) : nullptr) {
  if (!m_host) m_host = new RemoteHostConfig(key);
}

RemoteHostLink::RemoteHostLink(RemoteHostLink const& other) : m_host(other.m_host) { m_host->AddRef(); }

RemoteHostLink::~RemoteHostLink() { m_host->Release(); }

void RemoteHostLink::Attach(ICommonConfig* common) {
  IRemoteHostConfig* next = common ? common->GetRemoteHostConfig(nullptr) : nullptr;
  if (!next) next = m_host->Clone();
  m_host->Release();
  m_host = next;
}

void RemoteHostLink::Save(VProfileKey* key, bool force) {
  if (VProfileData* record = Record(m_host)) record->Save(key, force);
}

bool RemoteHostLink::IsModified() const {
  VProfileData const* record = Record(m_host);
  return record && record->IsModified();
}

void RemoteHostLink::Checkpoint() {
  if (VProfileData* record = Record(m_host)) record->Checkpoint();
}

void RemoteHostLink::Rollback() {
  if (VProfileData* record = Record(m_host)) record->Rollback();
}
