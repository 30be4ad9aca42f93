#include "VProfileData.h"

VProfileData& VProfileData::operator=(VProfileData const& other) {
  m_name = other.m_name;
  m_dirty = true;
  return *this;
}

bool VProfileData::SetFromText(VString const&, IProfileTextConverter&, IReportMessageParams&) { return false; }

VProfileData* VProfileData::Lookup(int) const { return const_cast<VProfileData*>(this); }

// Records write their own extra state here before their values; a single value has none.
void VProfileData::SaveExtra(VProfileKey*, bool) {}
