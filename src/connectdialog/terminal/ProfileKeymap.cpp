#include "terminal/ProfileKeymap.h"

#include "VOptionText.h"
#include "VProfileKey.h"
#include "platform/debug/DebugTrace.h"
#include "terminal/ProfileKeymapFormat.h"

ProfileKeymap::ProfileKeymap(ProfileKeymap const& other)
    : VProfileData(other), Keymap(other), m_checkpoint(other.m_checkpoint ? other.m_checkpoint->Snapshot() : nullptr) {}

ProfileKeymap& ProfileKeymap::operator=(ProfileKeymap const& other) {
  if (this == &other) return *this;
  TakeEntries(other);
  m_checkpoint = other.m_checkpoint ? other.m_checkpoint->Snapshot() : nullptr;
  return *this;
}

bool ProfileKeymap::Load(VProfileKey* key, char const* name) {
  SetName(name);
  if (!key) return true;
  ClearKeyCodes();
  // Every session load reads a keymap: the buffer is filled by the read, not zeroed first.
  std::unique_ptr<unsigned char[]> const buffer(new unsigned char[ProfileKeymapFormat::kMaxBytes]);
  unsigned long size = static_cast<unsigned long>(ProfileKeymapFormat::kMaxBytes);
  if (!key->GetBinary(GetName(), buffer.get(), size) || size > ProfileKeymapFormat::kMaxBytes) return false;
  switch (ProfileKeymapFormat::Parse(buffer.get(), size, *this)) {
    case ProfileKeymapFormat::ParseResult::TooShort:
      return false;
    case ProfileKeymapFormat::ParseResult::BrokenRecord:
      DebugTrace::Write("WARNING: bad keymap profile entry\n");
      return true;
    case ProfileKeymapFormat::ParseResult::Complete:
    case ProfileKeymapFormat::ParseResult::Irregular:
      break;
  }
  SetDirty(false);
  m_checkpoint = Snapshot();
  return true;
}

bool ProfileKeymap::Load(VString const&, VReportMessageParams&) { return true; }

bool ProfileKeymap::Save(VString const&) { return true; }

void ProfileKeymap::Save(VProfileKey* key, bool force) {
  if (!key || !NeedsSave(force)) return;
  std::vector<unsigned char> const bytes = ProfileKeymapFormat::Serialize(*this);
  key->SetBinary(GetName(), bytes.data(), static_cast<unsigned long>(bytes.size()));
  SetDirty(false);
}

bool ProfileKeymap::IsModified() const { return !m_checkpoint || !SameEntries(*this, *m_checkpoint); }

void ProfileKeymap::Checkpoint() {
  if (!IsModified()) return;
  SetDirty(true);
  m_checkpoint = Snapshot();
}

void ProfileKeymap::Rollback() {
  if (m_checkpoint) TakeEntries(*m_checkpoint);
}

void ProfileKeymap::ApplyDelta(VProfileData const* other) {
  if (auto const* keymap = dynamic_cast<ProfileKeymap const*>(other); keymap && keymap != this) TakeEntries(*keymap);
}

bool ProfileKeymap::SameEntries(Keymap const& a, Keymap const& b) {
  for (int index = 0; index < kIndexCount; ++index)
    if (a.GetKeyCode(index) != b.GetKeyCode(index) || a.GetKeyValue(index) != b.GetKeyValue(index)) return false;
  return true;
}

void ProfileKeymap::TakeEntries(ProfileKeymap const& other) {
  VProfileData::operator=(other);
  Keymap::operator=(other);
}

std::unique_ptr<ProfileKeymap> ProfileKeymap::Snapshot() const {
  std::unique_ptr<ProfileKeymap> copy(new ProfileKeymap(static_cast<Keymap const&>(*this)));
  copy->SetName(GetName());
  return copy;
}

VString ProfileKeymap::ToText() const {
  std::vector<unsigned char> const bytes = ProfileKeymapFormat::Serialize(*this);
  return VOptionText::Hex(bytes.data(), bytes.size());
}

bool ProfileKeymap::FromText(VString const& text, VString& error) {
  std::vector<unsigned char> bytes;
  auto parsed = std::make_unique<ProfileKeymap>();
  bool const parsedWhole = VOptionText::ParseHex(text.View(), bytes) && bytes.size() <= ProfileKeymapFormat::kMaxBytes &&
                           (bytes.empty() || ProfileKeymapFormat::Parse(bytes.data(), bytes.size(), *parsed) ==
                                                 ProfileKeymapFormat::ParseResult::Complete);
  if (!parsedWhole) {
    error = VOptionText::Refusal(GetName(), VOptionText::Accepted(Form()) + " in the keymap's stored form", text);
    return false;
  }
  Keymap::operator=(*parsed);
  return true;
}
