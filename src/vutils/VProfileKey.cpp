#include "VProfileKey.h"

#include "VProfilePrivateKey.h"
#include "VProfilePrivateStore.h"
#include "VProfileStore.h"
#include "VProfileSubtree.h"

VProfileKey::VProfileKey(VProfileStore* store) {
  if (store && store->PrivateStore()) m_key = store->PrivateStore()->OpenRoot(store->IsReadOnly());
}

VProfileKey::VProfileKey(VProfileKey* parent, char const* name) {
  if (parent && parent->m_key) m_key = parent->m_key->OpenKey(name);
}

VProfileKey::~VProfileKey() { delete m_key; }

bool VProfileKey::GetMultiSz(char const* name, VStringArray& out) {
  if (!m_key) {
    out.RemoveAll();
    return false;
  }
  return m_key->GetMultiSz(name, out);
}

bool VProfileKey::GetBinary(char const* name, void* data, unsigned long& size) {
  return m_key && m_key->GetBinary(name, data, size);
}

bool VProfileKey::GetSz(char const* name, VString& out) { return m_key && m_key->GetSz(name, out); }
bool VProfileKey::GetDword(char const* name, unsigned long& out) { return m_key && m_key->GetDword(name, out); }

bool VProfileKey::SetMultiSz(char const* name, VStringArray const& values) {
  return m_key && m_key->SetMultiSz(name, values);
}

bool VProfileKey::SetBinary(char const* name, void const* data, unsigned long length) {
  return m_key && m_key->SetBinary(name, data, length);
}

bool VProfileKey::SetSz(char const* name, char const* text) { return m_key && m_key->SetSz(name, text); }
bool VProfileKey::SetDword(char const* name, unsigned long value) { return m_key && m_key->SetDword(name, value); }
bool VProfileKey::DeleteValue(char const* name) { return m_key && m_key->DeleteValue(name); }
bool VProfileKey::DeleteKey(char const* name) { return m_key && m_key->DeleteKey(name); }
bool VProfileKey::KeyExists(char const* name) { return m_key && m_key->KeyExists(name); }
bool VProfileKey::IsWritable() { return m_key && m_key->IsWritable(); }

bool VProfileKey::ReadSubtree(unsigned long depth, VProfileSubtree& out) {
  if (m_key) return m_key->ReadSubtree(depth, out);
  out.Clear();
  return false;
}
