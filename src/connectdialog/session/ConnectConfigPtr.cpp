#include "session/ConnectConfigPtr.h"

#include <algorithm>
#include <span>

#include "VOptionText.h"
#include "VProfileKey.h"
#include "platform/debug/DebugTrace.h"
#include "session/ConnectProtocolTable.h"
#include "session/ProtocolName.h"

namespace {

char const* ValueName(unsigned kind) {
  return kind == ConnectConfigPtr::Transfer ? "Transfer Protocol Name" : "Protocol Name";
}

bool StoredBlank(VProfileKey* key, char const* name) {
  VString stored;
  return key && key->GetSz(name, stored) && stored.IsEmpty();
}

}  // namespace

ConnectConfigPtr::ConnectConfigPtr(VProfileKey* key, unsigned kind, ICommonConfig* common)
    : m_kind(kind), m_common(common) {
  ConnectProtocolTable& table = GetConnectProtocolTable();
  int defaultEntry = -1;
  for (int i = table.GetSize() - 1; i >= 0; --i)
    if (Fits(table[i])) defaultEntry = i;

  m_protocolWasBlank = StoredBlank(key, ValueName(kind));
  m_protocolName.SetName(ValueName(kind));
  m_protocolName.Load(key, VString());
  ValidateProtocolName(kind == Terminal, m_protocolName);
  m_records.assign(static_cast<size_t>(table.GetSize()), nullptr);
  if (defaultEntry < 0) {
    m_protocolName.Empty();
    return;
  }
  if (m_protocolName.IsEmpty()) m_protocolName = table[defaultEntry].protocolName;
  for (int i = 0; i < table.GetSize(); ++i) {
    if (Fits(table[i]) && SameProtocolName(table[i].protocolName.View(), m_protocolName.View())) {
      CreateConfig(i, key, common);
      m_selected = i;
    }
  }
}

ConnectConfigPtr::ConnectConfigPtr(ConnectConfigPtr const& other, ICommonConfig* common)
    : VProfileData(other), m_protocolName(other.m_protocolName), m_selected(other.m_selected),
      m_kind(other.m_kind), m_common(common), m_protocolWasBlank(other.m_protocolWasBlank) {
  m_records.assign(std::max(other.m_records.size(), static_cast<size_t>(GetConnectProtocolTable().GetSize())),
                   nullptr);
  if (ConnectConfig* selected = other.Selected()) m_records[static_cast<size_t>(m_selected)] = selected->Clone(common);
}

ConnectConfigPtr::~ConnectConfigPtr() { ReleaseRecords(); }

void ConnectConfigPtr::SetProtocol(VString const& name, ICommonConfig* common) {
  if (m_protocolName.Current() == name) return;
  m_protocolName = name;
  if (ConnectConfig* old = Selected()) old->SaveToMap(m_carryOver);
  int const found = FindExact(name, false);
  CoverTable();
  // Made while the old record is still selected, so that it hands on its default-session flag.
  if (found >= 0 && !m_records[static_cast<size_t>(found)]) CreateConfig(found, nullptr, common);
  m_selected = found;
  if (ConnectConfig* record = Selected()) record->LoadFromMap(m_carryOver);
}

void ConnectConfigPtr::SetConnectConfig(ConnectConfigPtr const& other, ICommonConfig* common) {
  if (&other == this) return;
  ReleaseRecords();
  m_selected = other.m_selected;
  ConnectConfig* theirs = other.Selected();
  if (!theirs) {
    m_protocolName.Empty();
    return;
  }
  m_protocolName = other.m_protocolName;
  m_protocolName.SetDirty(other.m_protocolName.IsDirty());
  m_records.resize(std::max(m_records.size(), other.m_records.size()), nullptr);
  m_records[static_cast<size_t>(m_selected)] = theirs->Clone(common);
}

bool ConnectConfigPtr::ValidateProtocolName(bool terminal, VString& name) {
  static char const* const terminalNames[] = {"SSH2", "SSH1", "Telnet", "RLogin", "Serial", "TAPI", "None"};
  static char const* const transferNames[] = {"SFTP", "FTP", "None"};
  for (char const* accepted : terminal ? std::span<char const* const>(terminalNames)
                                       : std::span<char const* const>(transferNames))
    if (SameProtocolName(name.View(), accepted)) return true;
  std::string const trace =
      std::string("ConnectConfigPtr: unknown ") + (terminal ? "terminal" : "transfer") + " protocol '" + name.Str() + "'\n";
  DebugTrace::Write(trace.c_str());
  name.Empty();
  return false;
}

void ConnectConfigPtr::Save(VProfileKey* key, bool force) {
  m_protocolName.Save(key, force);
  ConnectConfig* selected = Selected();
  if (selected && m_protocolName.Current() != "None") {
    selected->Save(key, force);
    SetDirty(false);
  }
}

bool ConnectConfigPtr::IsModified() const {
  ConnectConfig* selected = Selected();
  if (!selected || m_protocolName.Current() == "None") return false;
  return m_protocolName.IsModified() || selected->IsModified();
}

void ConnectConfigPtr::Checkpoint() {
  m_protocolName.Checkpoint();
  bool defaulted = m_protocolName.IsDirty();
  for (ConnectConfig* record : m_records) {
    if (!record) continue;
    record->Checkpoint();
    defaulted = defaulted || record->IsDirty();
  }
  if (defaulted) SetDirty(true);
}

void ConnectConfigPtr::Rollback() {
  m_protocolName.Rollback();
  int const found = FindExact(m_protocolName, true);
  if (found >= 0) m_selected = found;
  for (ConnectConfig* record : m_records)
    if (record) record->Rollback();
}

void ConnectConfigPtr::ApplyDelta(VProfileData const* delta) {
  auto const* other = dynamic_cast<ConnectConfigPtr const*>(delta);
  ConnectConfig* selected = Selected();
  if (!selected || m_protocolName.Current() == "None" || !other || other->m_selected != m_selected) return;
  if (ConnectConfig* theirs = other->Selected()) selected->ApplyDelta(theirs);
}

ConnectConfig* ConnectConfigPtr::Selected() const {
  if (m_selected < 0 || static_cast<size_t>(m_selected) >= m_records.size()) return nullptr;
  return m_records[static_cast<size_t>(m_selected)];
}

VString ConnectConfigPtr::DefaultProtocol(unsigned kind) {
  ConnectProtocolTable& table = GetConnectProtocolTable();
  for (int i = 0; i < table.GetSize(); ++i)
    if (Fits(table[i], kind)) return table[i].protocolName;
  return VString();
}

bool ConnectConfigPtr::FromText(VString const& text, VString& error) {
  VString const name = TableName(text);
  if (name.IsEmpty()) {
    VString accepted = "a protocol of this side:";
    ConnectProtocolTable& table = GetConnectProtocolTable();
    for (int i = 0; i < table.GetSize(); ++i)
      if (Fits(table[i]) && !TableName(table[i].protocolName).IsEmpty()) accepted += VString(" ") + table[i].protocolName;
    error = VOptionText::Refusal(ValueName(m_kind), accepted, text);
    return false;
  }
  SetProtocol(name, m_common);
  return true;
}

VString ConnectConfigPtr::TableName(VString const& name) const {
  VString checked = name;
  if (!ValidateProtocolName(m_kind == Terminal, checked)) return VString();
  ConnectProtocolTable& table = GetConnectProtocolTable();
  for (int i = 0; i < table.GetSize(); ++i)
    if (Fits(table[i]) && SameProtocolName(table[i].protocolName.View(), name.View())) return table[i].protocolName;
  return VString();
}

bool ConnectConfigPtr::Fits(ConnectProtocolTableElement const& entry, unsigned kind) {
  if (kind == Transfer) return entry.productId == 6;
  return entry.productId == 3 || entry.productId == 1;
}

ConnectConfig* ConnectConfigPtr::CreateConfig(int index, VProfileKey* key, ICommonConfig* common) {
  ConnectConfig* selected = Selected();
  int const carry = selected ? selected->IsDefaultSession() : 0;
  ConnectConfig* record = GetConnectProtocolTable()[index].CreateRecord(key, common);
  m_records[static_cast<size_t>(index)] = record;
  if (record) {
    record->IsDefaultSession(carry);
    record->Checkpoint();
  }
  return record;
}

int ConnectConfigPtr::FindExact(VString const& name, bool last) {
  ConnectProtocolTable& table = GetConnectProtocolTable();
  int found = -1;
  for (int i = 0; i < table.GetSize() && (last || found < 0); ++i)
    if (table[i].protocolName == name) found = i;
  return found;
}

void ConnectConfigPtr::ReleaseRecords() {
  for (ConnectConfig*& record : m_records) {
    if (record) record->Release();
    record = nullptr;
  }
}

void ConnectConfigPtr::CoverTable() {
  m_records.resize(std::max(m_records.size(), static_cast<size_t>(GetConnectProtocolTable().GetSize())), nullptr);
}
