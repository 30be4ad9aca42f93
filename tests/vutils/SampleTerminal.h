// A record made to be nested: its options go into the enclosing record's key.
#pragma once

#include "VProfile.h"
#include "VProfile2.h"
#include "VProfileRecord.h"
#include "VProfileTable.h"

class SampleTerminal : public VProfileRecord {
 public:
  explicit SampleTerminal(VProfileKey* key = nullptr) { Load(key); }
  VProfileOptionTable const& ProfileTable() const override { return _profileOffsets; }

  VProfile<int> rows;
  VProfile<bool> beep;
  VProfile2<VString, VProfileSz> emulation;

  static VProfileTable<SampleTerminal> const _profileOffsets;
};
