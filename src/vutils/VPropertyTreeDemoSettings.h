// The settings the property-tree demonstration dialog edits: a small record of every form a
// page control binds to (text, flag, a choice kept as text, ranged numbers).
#pragma once

#include "VProfile.h"
#include "VProfile2.h"
#include "VProfileRecord.h"
#include "VProfileSz.h"
#include "VProfileTable.h"

class VPropertyTreeDemoSettings : public VProfileRecord {
 public:
  explicit VPropertyTreeDemoSettings(VProfileKey* key = nullptr) { Load(key); }
  VProfileOptionTable const& ProfileTable() const override { return _profileOffsets; }

  VProfile2<VString, VProfileSz> sessionName;
  VProfile<bool> audibleBell;
  VProfile2<VString, VProfileSz> cursorStyle;
  VProfile<bool> boldColors;
  VProfile<int> maximumColumns;
  VProfile<int> scrollbackLines;
  VProfile<bool> logSession;
  VProfile2<VString, VProfileSz> logFile;

  static VProfileTable<VPropertyTreeDemoSettings> const _profileOffsets;
};
