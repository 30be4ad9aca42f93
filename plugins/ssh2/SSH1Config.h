// The settings of an SSH1 connection, kept by the SSH2 plug-in and stored in the session's key
// as "SSH1 Port", "SSH1 Password" (encoded), "SSH1 Identity Filename" and "SSH1 Cipher"
// ("3DES", "Blowfish" or "DES"). Command-line options: /I identity-file, /C cipher.
#pragma once

#include "LoginConfig.h"
#include "VProfile2.h"
#include "VProfileTable.h"

class SSH1Config : public LoginConfig {
 public:
  static ConnectConfig* Create(VProfileKey* key, ICommonConfig* common);

  VProfileOptionTable const& ProfileTable() const override { return _profileOffsets; }
  ConnectConfig* Clone(ICommonConfig* common) const override { return Attached(new SSH1Config(*this), common); }

 protected:
  bool TakeProtocolOption(std::string const& name, CommandLineReader& reader) override;
  void WriteProtocolOptions(CommandLineWriter& writer) const override;

 private:
  SSH1Config(VProfileKey* key, ICommonConfig* common);
  SSH1Config(SSH1Config const&) = default;

  static VProfileTable<SSH1Config> const _profileOffsets;

  VProfile2<VString, VProfileSz> m_identityFile;
  VProfile2<VString, VProfileSz> m_cipher;
};
