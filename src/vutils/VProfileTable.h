// The option table of record class R, written once as a list of rows (see VProfileOption) and
// shared by every R. Lists members of R's bases as well, since their member pointers convert.
#pragma once

#include <initializer_list>
#include <vector>

#include "VProfileOption.h"
#include "VProfileOptionTable.h"

template <typename R>
class VProfileTable : public VProfileOptionTable {
 public:
  VProfileTable() = default;  // a record without persisted members
  VProfileTable(std::initializer_list<VProfileOption<R>> rows) : m_rows(rows) {}

  int Count() const override { return static_cast<int>(m_rows.size()); }
  char const* Name(int index) const override { return m_rows[index].Name(); }
  VProfileKind Kind(int index) const override { return m_rows[index].Kind(); }
  VProfileData* Member(VProfileRecord const& record, int index) const override {
    return m_rows[index].Member(static_cast<R const&>(record));
  }
  VString DefaultText(int index) const override { return m_rows[index].DefaultText(); }
  bool IsDefault(VProfileRecord const& record, int index) const override {
    return m_rows[index].IsDefault(static_cast<R const&>(record));
  }
  void Load(VProfileRecord& record, VProfileKey* key) const override {
    for (VProfileOption<R> const& row : m_rows) row.Load(static_cast<R&>(record), key);
  }
  void LoadMember(VProfileRecord& record, int index, VProfileKey* key) const override {
    m_rows[index].Load(static_cast<R&>(record), key);
  }

 private:
  std::vector<VProfileOption<R>> m_rows;
};
