// The option table of SessionConfig: its declared rows with the two connection sides in
// places 1 and 2, where they are saved. A side is built with the session rather than loaded by
// the table; it lists as a record under its protocol-name value, and its selected protocol
// record's values lie beside the session's own in the same key.
#pragma once

#include "VProfileTable.h"

class SessionConfig;

class SessionConfigTable : public VProfileOptionTable {
 public:
  explicit SessionConfigTable(VProfileTable<SessionConfig> rows) : m_rows(std::move(rows)) {}

  int Count() const override { return m_rows.Count() + 2; }
  char const* Name(int index) const override;
  VProfileKind Kind(int index) const override;
  VProfileData* Member(VProfileRecord const& record, int index) const override;
  // A side's default is the protocol it selects when the store names none.
  VString DefaultText(int index) const override;
  bool IsDefault(VProfileRecord const& record, int index) const override;
  void Load(VProfileRecord& record, VProfileKey* key) const override { m_rows.Load(record, key); }
  // Nothing for a side, which only loads with its session.
  void LoadMember(VProfileRecord& record, int index, VProfileKey* key) const override;

 private:
  static bool IsSide(int index) { return index == kTerminalSide || index == kTransferSide; }
  static unsigned SideKind(int index);
  static int Row(int index) { return index < kTerminalSide ? index : index - 2; }

  static constexpr int kTerminalSide = 1;
  static constexpr int kTransferSide = 2;

  VProfileTable<SessionConfig> m_rows;
};
