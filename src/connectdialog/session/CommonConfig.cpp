#include "session/CommonConfig.h"

#include "session/RemoteHostConfig.h"

CommonConfig::CommonConfig(CommonConfig const& other) : ICommonConfig(other) {
  if (other.m_remoteHost) m_remoteHost = other.m_remoteHost->Clone();
  for (int i = 0; i < 2; ++i)
    if (other.m_shared[i]) m_shared[i] = other.m_shared[i]->Clone();
}

CommonConfig::~CommonConfig() {
  if (m_remoteHost) m_remoteHost->Release();
  for (ISharedConfigObject* shared : m_shared)
    if (shared) shared->Release();
}

IRemoteHostConfig* CommonConfig::GetRemoteHostConfig(VProfileKey* key) {
  if (!m_remoteHost) m_remoteHost = new RemoteHostConfig(key);
  m_remoteHost->AddRef();
  return m_remoteHost;
}

ISharedConfigObject* CommonConfig::GetSharedObject(VProfileKey* key, bool second, SharedObjectFactory factory) {
  ISharedConfigObject*& slot = m_shared[second ? 1 : 0];
  if (!slot && factory) slot = factory(key, second);
  if (slot) slot->AddRef();
  return slot;
}
