#include "CarryOver.h"

void CarryOver::Clear(CMapStringToPtr& map) {
  for (char const* key : {kHostname, kUsername, kSshPort}) map.RemoveKey(key);
}

void CarryOver::Offer(CMapStringToPtr& map, VString const& host, VString const& user, char const* portKey, int port) {
  Clear(map);
  m_host = host;
  m_user = user;
  m_user.SetSensitive();
  m_port = port;
  if (!m_host.IsEmpty()) map.SetAt(kHostname, &m_host);
  if (!m_user.IsEmpty()) map.SetAt(kUsername, &m_user);
  if (portKey) map.SetAt(portKey, &m_port);
}

bool CarryOver::Take(CMapStringToPtr const& map, char const* key, VString& value) {
  void* entry = nullptr;
  if (!map.Lookup(key, entry) || !entry) return false;
  value = *static_cast<VString const*>(entry);
  return true;
}

bool CarryOver::Take(CMapStringToPtr const& map, char const* key, int& value) {
  void* entry = nullptr;
  if (!map.Lookup(key, entry) || !entry) return false;
  value = *static_cast<int const*>(entry);
  return true;
}
