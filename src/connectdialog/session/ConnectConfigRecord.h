// A connection record whose options are listed in an option table (see VProfileRecord): Save,
// IsModified, Checkpoint, Rollback, ApplyDelta and Lookup are the table loops. Plug-in records
// derive from it and add their table, ProfileTable(), Clone and CanConnect.
#pragma once

#include "session/ConnectConfig.h"

class ConnectConfigRecord : public ConnectConfig {
 public:
  void Save(VProfileKey* key, bool force) override { VProfileRecord::Save(key, force); }
  bool IsModified() const override { return VProfileRecord::IsModified(); }
  void Checkpoint() override { VProfileRecord::Checkpoint(); }
  void Rollback() override { VProfileRecord::Rollback(); }
  void ApplyDelta(VProfileData const* other) override { VProfileRecord::ApplyDelta(other); }
  VProfileData* Lookup(int index) const override { return VProfileRecord::Lookup(index); }

 protected:
  ConnectConfigRecord() = default;
  ConnectConfigRecord(ConnectConfigRecord const&) = default;
};
