// Every option of a record in one flat list, in save order: the record's own rows, the rows of
// nested records in their place, and after a protocol choice the rows of the protocol's
// selected record, followed by those of the record it shares (VSharedRecordSource: the session's host,
// user and firewall names), listed once however many records share it. Nested records
// themselves are not listed. Names are found ignoring case as
// the store compares them (FoldName); where two rows share a name the first is found.
//
// The list points into the record and is valid while the record lives and keeps its
// protocols: taking a protocol from text replaces that side's options, so build the list again
// after it.
#pragma once

#include <string_view>
#include <vector>

#include "VOption.h"

class VOptionList {
 public:
  explicit VOptionList(VProfileRecord& record);

  std::vector<VOption> const& Options() const { return m_options; }
  // Null when no option has that name.
  VOption const* Find(std::string_view name) const;

 private:
  void Walk(VProfileRecord& record, std::vector<VProfileRecord const*>& shared);

  std::vector<VOption> m_options;
};
