// The settings of an SSH2 connection, stored in the session's key as "SSH2 Port",
// "SSH2 Password" (encoded), "SSH2 Identity Filename", "SSH2 Compression" and
// "SSH2 Authentication Order" (method names joined by commas, tried in that order).
// Command-line options: /I identity-file, /Z (compression on), /AUTH method,method...
#pragma once

#include "LoginConfig.h"
#include "VProfile2.h"
#include "VProfileTable.h"

class SSH2Config : public LoginConfig {
 public:
  static ConnectConfig* Create(VProfileKey* key, ICommonConfig* common);

  VProfileOptionTable const& ProfileTable() const override { return _profileOffsets; }
  ConnectConfig* Clone(ICommonConfig* common) const override { return Attached(new SSH2Config(*this), common); }

 protected:
  bool TakeProtocolOption(std::string const& name, CommandLineReader& reader) override;
  void WriteProtocolOptions(CommandLineWriter& writer) const override;

 private:
  SSH2Config(VProfileKey* key, ICommonConfig* common);
  SSH2Config(SSH2Config const&) = default;

  // The canonical spelling of a comma-separated list of known methods, each at most once;
  // false for anything else.
  static bool NormaliseMethods(std::string_view text, std::string& methods);

  static VProfileTable<SSH2Config> const _profileOffsets;

  VProfile2<VString, VProfileSz> m_identityFile;
  VProfile<bool> m_compression;
  VProfile2<VString, VProfileSz> m_authenticationOrder;
};
