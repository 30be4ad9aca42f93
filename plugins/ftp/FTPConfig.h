// The settings of an FTP connection: host and user through the session's remote-host record,
// stored in the session's key as "FTP Port", "FTP Password" (encoded), "FTP Passive Mode",
// "FTP Anonymous Login", "FTP Account" and "FTP Initial Directory".
// Command-line options: /PASSIVE, /ACTIVE, /ANONYMOUS, /ACCOUNT account (and /DIR).
#pragma once

#include "TransferConfig.h"
#include "VProfile.h"
#include "VProfileTable.h"

class FTPConfig : public TransferConfig {
 public:
  // Data connection types.
  enum { kActive = 0, kPassive = 1 };

  static ConnectConfig* Create(VProfileKey* key, ICommonConfig* common);

  VProfileOptionTable const& ProfileTable() const override { return _profileOffsets; }
  ConnectConfig* Clone(ICommonConfig* common) const override { return Attached(new FTPConfig(*this), common); }

  void SetAccount(char const* account) override { m_account = account; }
  char const* GetAccount() const override { return m_account.c_str(); }
  bool IsAnonymousLogin() const override { return m_anonymous; }
  void IsAnonymousLogin(bool anonymous) override { m_anonymous = anonymous; }
  int GetDataConnectionType() const override { return m_passive ? kPassive : kActive; }
  bool UseDataConnectionType() const override { return true; }

 protected:
  bool TakeProtocolOption(std::string const& name, CommandLineReader& reader) override;
  void WriteTransferOptions(CommandLineWriter& writer) const override;

 private:
  FTPConfig(VProfileKey* key, ICommonConfig* common);
  FTPConfig(FTPConfig const&) = default;

  static VProfileTable<FTPConfig> const _profileOffsets;

  VProfile<bool> m_passive;
  VProfile<bool> m_anonymous;
  VProfile2<VString, VProfileSz> m_account;
};
