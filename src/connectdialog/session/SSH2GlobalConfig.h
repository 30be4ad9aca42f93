// The SSH2 options that hold for every SSH2 and SFTP session of a product, kept in the key
// "Global\SSH2" of the product's store: "SSH2 Known Hosts File", "SSH2 Default Identity
// Filename" (used when a session names no identity file of its own), "SSH2 Keep Alive Interval"
// (seconds; 0 sends none) and "SSH2 Strict Host Key Checking" (0 ask, 1 accept new keys,
// 2 yes, 3 no). The SSH2 plug-in edits them on its Global Options page; the client command
// builder passes them to ssh and sftp. Empty texts and the defaults leave the client's own
// configuration in force. One thread; no locking.
#pragma once

#include <memory>

#include "VProfile.h"
#include "VProfile2.h"
#include "VProfileRecord.h"
#include "VProfileTable.h"

class SSH2GlobalConfig : public VProfileRecord {
 public:
  enum HostKeyChecking { kAsk, kAcceptNew, kYes, kNo };
  static constexpr int kMaxKeepAliveInterval = 3600;

  // Loads from `key` (null: defaults).
  explicit SSH2GlobalConfig(VProfileKey* key) { Load(key); }
  SSH2GlobalConfig(SSH2GlobalConfig const&) = default;

  // The stored options of the installed store; defaults where the store holds none or cannot
  // be opened. Nothing is written.
  static std::unique_ptr<SSH2GlobalConfig> LoadStored();
  // Writes the options changed since the last checkpoint into the installed store as one unit
  // of work and checkpoints them; false, with nothing kept, when the store refused the write.
  bool SaveStored();

  VProfileOptionTable const& ProfileTable() const override { return _profileOffsets; }

  VProfile2<VString, VProfileSz> knownHostsFile;
  VProfile2<VString, VProfileSz> defaultIdentityFile;
  VProfile<int> keepAliveInterval;
  VProfile<int> strictHostKeyChecking;

 private:
  static VProfileTable<SSH2GlobalConfig> const _profileOffsets;
};
