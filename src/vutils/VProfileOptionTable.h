// The fixed, ordered list of a record class's persisted members, shared by every object of the
// class. Index i names the same member on every object; the record loops run over 0..Count()-1.
#pragma once

#include "VProfileKind.h"
#include "VString.h"

class VProfileData;
class VProfileKey;
class VProfileRecord;

class VProfileOptionTable {
 public:
  virtual ~VProfileOptionTable() = default;

  virtual int Count() const = 0;
  // The value name in the record's key; empty for a nested record, which has none of its own.
  virtual char const* Name(int index) const = 0;
  virtual VProfileKind Kind(int index) const = 0;
  // The member of `record` at `index`; `record` must be of the table's class. No range check.
  virtual VProfileData* Member(VProfileRecord const& record, int index) const = 0;
  // The text (VProfileData::ToText) of the value the row loads when the key holds nothing;
  // empty for a nested record.
  virtual VString DefaultText(int index) const = 0;
  // Whether the member holds that value (secrets compared as they are, not as masked text); a
  // nested record does when all its options do.
  virtual bool IsDefault(VProfileRecord const& record, int index) const = 0;
  // Names and loads every member in table order, each with its default when `key` holds nothing.
  virtual void Load(VProfileRecord& record, VProfileKey* key) const = 0;
  // Loads the one member at `index` as Load would, for tools that change a single option.
  virtual void LoadMember(VProfileRecord& record, int index, VProfileKey* key) const = 0;
};
