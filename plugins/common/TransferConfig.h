// A login record of a file-transfer protocol (SFTP, FTP): adds the folder to open after login,
// which the derived record lists with DirectoryMember<R>(). Command-line option: /DIR folder.
#pragma once

#include "LoginConfig.h"
#include "VProfile2.h"

class TransferConfig : public LoginConfig {
 public:
  void SetInitialDirectory(char const* directory) override { m_initialDirectory = directory; }
  VString GetInitialDirectory() override { return m_initialDirectory; }

 protected:
  using LoginConfig::LoginConfig;
  TransferConfig(TransferConfig const&) = default;

  template <typename R>
  static VProfile2<VString, VProfileSz> R::*DirectoryMember() {
    return &TransferConfig::m_initialDirectory;
  }

  bool TakeOption(std::string const& name, CommandLineReader& reader) override;
  // Writes /DIR after the derived protocol's own options.
  void WriteProtocolOptions(CommandLineWriter& writer) const override;
  virtual void WriteTransferOptions(CommandLineWriter& /*writer*/) const {}

 private:
  VProfile2<VString, VProfileSz> m_initialDirectory;
};
