// A record without persisted members.
#pragma once

#include "VProfileRecord.h"
#include "VProfileTable.h"

class EmptyRecord : public VProfileRecord {
 public:
  explicit EmptyRecord(VProfileKey* key = nullptr) { Load(key); }
  VProfileOptionTable const& ProfileTable() const override { return _profileOffsets; }

  static VProfileTable<EmptyRecord> const _profileOffsets;
};
