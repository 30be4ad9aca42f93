// The record of the built-in protocol "None": no connection, no options. It is never modified
// and saves nothing.
#pragma once

#include "session/ConnectConfigRecord.h"
#include "VProfileTable.h"

class NoneConfig : public ConnectConfigRecord {
 public:
  NoneConfig() = default;

  // The protocol table's record factory for "None"; the key holds nothing of ours.
  static ConnectConfig* Create(VProfileKey* key, ICommonConfig* common);

  VProfileOptionTable const& ProfileTable() const override { return _profileOffsets; }
  ConnectConfig* Clone(ICommonConfig* /*common*/) const override { return new NoneConfig(*this); }
  int CanConnect() const override { return 0; }
  CString GetHostname() override { return CString(); }
  void SetHostname(char const* /*hostname*/) override {}
  VString GetUsername() override { return VString(); }
  void SetUsername(char const* /*username*/) override {}
  void SaveToMap(CMapStringToPtr& /*map*/) override {}
  void LoadFromMap(CMapStringToPtr const& /*map*/) override {}
  int UseFirewall() const { return 0; }

 private:
  NoneConfig(NoneConfig const&) = default;

  static VProfileTable<NoneConfig> const _profileOffsets;
};
