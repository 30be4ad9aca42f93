// One connection side of a session (terminal or file transfer): the protocol it uses, stored
// as "Protocol Name" or "Transfer Protocol Name", and the connection records of the protocols
// it has used, one slot per protocol table entry. The selected record is the one the session
// connects with; records of protocols switched away from stay, so switching back restores
// them. The side owns one reference to each record. The protocol table must not be emptied
// while a side exists: sides hold indexes into it.
#pragma once

#include <vector>

#include "VProfile2.h"
#include "VProfileData.h"
#include "platform/types/CMapStringToPtr.h"
#include "session/ConnectConfig.h"

class ConnectProtocolTableElement;
class ICommonConfig;

class ConnectConfigPtr : public VProfileData {
 public:
  enum : unsigned { Terminal = 0, Transfer = 1 };

  // Loads the side of `kind` from `key` (null: defaults). An unknown or empty stored name
  // selects the first table entry that fits the kind; a kind without entries selects nothing.
  ConnectConfigPtr(VProfileKey* key, unsigned kind, ICommonConfig* common);
  // For a cloned session: the same protocol, with a clone of the selected record only.
  ConnectConfigPtr(ConnectConfigPtr const& other, ICommonConfig* common);
  ConnectConfigPtr(ConnectConfigPtr const&) = delete;
  ConnectConfigPtr& operator=(ConnectConfigPtr const&) = delete;
  ~ConnectConfigPtr() override;

  VString Protocol() const { return m_protocolName; }
  // Switches to the first table entry named exactly `name` (letter case counts), making its
  // record on first use and handing it the settings the old record carries over. A name
  // without an entry leaves the side without a record.
  void SetProtocol(VString const& name, ICommonConfig* common);
  // The key held the protocol-name value, and it was empty.
  bool ProtocolWasBlank() const { return m_protocolWasBlank; }
  unsigned Kind() const { return m_kind; }
  // The table index of the selected record; -1 for none.
  int SelectedIndex() const { return m_selected; }

  // The selected record; null when none is selected.
  operator ConnectConfig*() const { return Selected(); }  // NOLINT: the side stands for its record
  ConnectConfig* operator->() const { return Selected(); }

  // Replaces this side by a copy of `other`'s selection (records of other protocols go).
  void SetConnectConfig(ConnectConfigPtr const& other, ICommonConfig* common);

  // True when `name` is a protocol of the kind (letter case ignored); otherwise empties it.
  static bool ValidateProtocolName(bool terminal, VString& name);
  // The protocol a side of `kind` selects when its store names none; "" without table entries.
  static VString DefaultProtocol(unsigned kind);

  // In text the protocol's name. FromText takes a protocol of the table that fits the side
  // (letter case ignored, the table's spelling kept) and switches to it as SetProtocol does,
  // which replaces the options the side's record lists.
  VOptionForm Form() const override { return VOptionForm::Protocol; }
  VString ToText() const override { return Protocol(); }
  bool FromText(VString const& text, VString& error) override;
  VProfileRecord* NestedRecord() const override { return Selected(); }

  // The protocol name, then the selected record unless the protocol is "None".
  void Save(VProfileKey* key, bool force) override;
  bool IsModified() const override;
  void Checkpoint() override;
  // Also selects again the protocol whose name comes back.
  void Rollback() override;
  // Takes over the selected record's changes from `delta`, a side with the same protocol
  // selected; the protocol itself is not taken over.
  void ApplyDelta(VProfileData const* delta) override;

 private:
  ConnectConfig* Selected() const;
  bool Fits(ConnectProtocolTableElement const& entry) const { return Fits(entry, m_kind); }
  static bool Fits(ConnectProtocolTableElement const& entry, unsigned kind);
  // The table's spelling of the protocol `name` for this side; "" when it is none of the side's.
  VString TableName(VString const& name) const;
  // Makes the record of entry `index`; it takes the selected record's default-session flag.
  ConnectConfig* CreateConfig(int index, VProfileKey* key, ICommonConfig* common);
  // The first (or `last`) table entry named exactly `name`; -1 when none.
  static int FindExact(VString const& name, bool last);
  void ReleaseRecords();
  // One slot per table entry, for a table that grew since the side was made.
  void CoverTable();

  VProfile2<VString, VProfileSz> m_protocolName;
  int m_selected = -1;
  std::vector<ConnectConfig*> m_records;
  unsigned m_kind;
  CMapStringToPtr m_carryOver{10};
  ICommonConfig* m_common;
  bool m_protocolWasBlank = false;
};
