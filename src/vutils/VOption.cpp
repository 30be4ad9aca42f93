#include "VOption.h"

#include "VOptionText.h"
#include "VProfileRecord.h"
#include "platform/registry/NameFolding.h"

VOption::VOption(VProfileRecord& owner, int index)
    : m_owner(&owner), m_index(index), m_value(owner.ProfileTable().Member(owner, index)),
      m_folded(FoldName(Name())) {}

char const* VOption::Name() const { return m_owner->ProfileTable().Name(m_index); }

VOptionForm VOption::Form() const { return m_value->Form(); }

char const* VOption::FormName() const { return VOptionText::FormName(Form()); }

VString VOption::Text() const { return m_value->ToText(); }

VString VOption::DefaultText() const { return m_owner->ProfileTable().DefaultText(m_index); }

bool VOption::IsDefault() const { return m_owner->ProfileTable().IsDefault(*m_owner, m_index); }

bool VOption::FromText(VString const& text, VString& error) const { return m_value->FromText(text, error); }
