#include "VOptionList.h"

#include <string>

#include "VProfileRecord.h"
#include "platform/registry/NameFolding.h"

VOptionList::VOptionList(VProfileRecord& record) { Walk(record); }

void VOptionList::Walk(VProfileRecord& record) {
  VProfileOptionTable const& table = record.ProfileTable();
  for (int i = 0; i < table.Count(); ++i) {
    VProfileData* member = table.Member(record, i);
    if (member->Form() != VOptionForm::Nested) m_options.emplace_back(record, i);
    if (VProfileRecord* nested = member->NestedRecord()) Walk(*nested);
  }
}

VOption const* VOptionList::Find(std::string_view name) const {
  std::string const folded = FoldName(name);
  for (VOption const& option : m_options)
    if (option.FoldedName() == folded) return &option;
  return nullptr;
}
