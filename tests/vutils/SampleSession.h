// A record with one option of every kind, a nested record in the middle of its table, and a
// version number outside the table that it loads by hand and writes from SaveExtra.
#pragma once

#include "SampleRect.h"
#include "SampleTerminal.h"
#include "VProfileEncodedString.h"
#include "VProfileMultiLineString.h"

class SampleSession : public VProfileRecord {
 public:
  explicit SampleSession(VProfileKey* key = nullptr);
  VProfileOptionTable const& ProfileTable() const override { return _profileOffsets; }
  void SaveExtra(VProfileKey* key, bool force) override { version.Save(key, force); }

  VProfile<int> port;
  VProfile<unsigned int> colour;
  VProfile<bool> useTitleBar;
  VProfile2<VString, VProfileSz> title;
  VProfileEncodedString password;
  VProfile2<SampleRect, VProfileBinary> window;
  VProfileMultiLineString loginScript;
  SampleTerminal terminal;
  VProfile2<VStringArray, VProfileMultiSz> hosts;
  VProfile<int> version;

  static VProfileTable<SampleSession> const _profileOffsets;
};
