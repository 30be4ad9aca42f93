#include "VOptionList.h"

#include <algorithm>
#include <string>

#include "VProfileRecord.h"
#include "VSharedRecordSource.h"
#include "platform/registry/NameFolding.h"

VOptionList::VOptionList(VProfileRecord& record) {
  std::vector<VProfileRecord const*> shared;
  Walk(record, shared);
}

void VOptionList::Walk(VProfileRecord& record, std::vector<VProfileRecord const*>& shared) {
  VProfileOptionTable const& table = record.ProfileTable();
  for (int i = 0; i < table.Count(); ++i) {
    VProfileData* member = table.Member(record, i);
    if (member->Form() != VOptionForm::Nested) m_options.emplace_back(record, i);
    if (VProfileRecord* nested = member->NestedRecord()) Walk(*nested, shared);
  }
  auto const* source = dynamic_cast<VSharedRecordSource const*>(&record);
  VProfileRecord* common = source ? source->SharedRecord() : nullptr;
  if (!common || std::find(shared.begin(), shared.end(), common) != shared.end()) return;
  shared.push_back(common);
  Walk(*common, shared);
}

VOption const* VOptionList::Find(std::string_view name) const {
  std::string const folded = FoldName(name);
  for (VOption const& option : m_options)
    if (option.FoldedName() == folded) return &option;
  return nullptr;
}
