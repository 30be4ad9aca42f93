#include "VProfileBlob.h"

#include "VOptionText.h"
#include "VProfileKey.h"

VProfileBlob::VProfileBlob(VProfileBlob const& other)
    : VProfileData(other),
      m_bytes(other.m_bytes),
      m_checkpoint(other.m_checkpoint ? std::make_unique<VProfileBlob>(*other.m_checkpoint) : nullptr) {}

VProfileBlob& VProfileBlob::operator=(VProfileBlob const& other) {
  if (this == &other) return *this;
  CopyFrom(other);
  m_checkpoint = other.m_checkpoint ? std::make_unique<VProfileBlob>(*other.m_checkpoint) : nullptr;
  return *this;
}

void VProfileBlob::CopyFrom(VProfileBlob const& other) {
  VProfileData::operator=(other);
  m_bytes = other.m_bytes;
  m_clearStored = other.m_clearStored;
}

bool VProfileBlob::Load(VProfileKey* key, char const* name) {
  SetName(name);
  if (!key) return true;
  m_bytes.clear();
  m_clearStored = false;
  // A capacity of 0 asks only for the stored length; the buffer must still be a real one.
  unsigned char probe = 0;
  unsigned long length = 0;
  key->GetBinary(GetName(), &probe, length);
  if (length == 0) return false;
  std::vector<unsigned char> bytes(length);
  unsigned long size = length;
  if (!key->GetBinary(GetName(), bytes.data(), size)) return false;
  bytes.resize(size);
  m_bytes = std::move(bytes);
  return true;
}

void VProfileBlob::Save(VProfileKey* key, bool) {
  if (!key) return;
  if (!m_bytes.empty())
    key->SetBinary(GetName(), m_bytes.data(), Length());
  else if (m_clearStored)
    key->DeleteValue(GetName());
  m_clearStored = false;
}

bool VProfileBlob::IsModified() const {
  return m_checkpoint ? m_bytes != m_checkpoint->m_bytes : !m_bytes.empty();
}

void VProfileBlob::Checkpoint() {
  auto copy = std::make_unique<VProfileBlob>();
  copy->SetName(GetName());
  copy->m_bytes = m_bytes;
  m_checkpoint = std::move(copy);
}

void VProfileBlob::Rollback() {
  if (m_checkpoint) CopyFrom(*m_checkpoint);
}

void VProfileBlob::ApplyDelta(VProfileData const* other) {
  if (auto const* blob = dynamic_cast<VProfileBlob const*>(other)) CopyFrom(*blob);
}

VString VProfileBlob::ToText() const { return VOptionText::Hex(m_bytes.data(), m_bytes.size()); }

bool VProfileBlob::FromText(VString const& text, VString& error) {
  std::vector<unsigned char> bytes;
  if (!VOptionText::ParseHex(text.View(), bytes)) {
    error = VOptionText::Refusal(GetName(), Form(), text);
    return false;
  }
  m_bytes = std::move(bytes);
  m_clearStored = m_bytes.empty();
  return true;
}

void VProfileBlob::Assign(void const* data, unsigned long length) {
  auto const* bytes = static_cast<unsigned char const*>(data);
  m_bytes.assign(bytes, data ? bytes + length : bytes);
}
