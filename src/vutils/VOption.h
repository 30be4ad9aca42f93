// One option of a record as the option model shows it: the row `index` of `owner`'s option
// table. Tools print NAME, FormName and Text; dialog pages bind controls to Text and FromText.
// Holds pointers into the record, which must outlive it and keep its protocols (see VOptionList).
#pragma once

#include <string>

#include "VOptionForm.h"
#include "VString.h"

class VProfileData;
class VProfileRecord;

class VOption {
 public:
  VOption(VProfileRecord& owner, int index);

  // The stored name.
  char const* Name() const;
  VOptionForm Form() const;
  char const* FormName() const;
  VString Text() const;
  VString DefaultText() const;
  bool IsDefault() const;
  // The current value from text; on refusal nothing changes and `error` says why.
  bool FromText(VString const& text, VString& error) const;

  VProfileData& Value() const { return *m_value; }
  VProfileRecord& Owner() const { return *m_owner; }
  int Index() const { return m_index; }
  std::string const& FoldedName() const { return m_folded; }

 private:
  VProfileRecord* m_owner;
  int m_index;
  VProfileData* m_value;
  std::string m_folded;
};
