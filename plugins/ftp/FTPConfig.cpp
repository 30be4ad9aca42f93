#include "FTPConfig.h"

#include "CommandLineReader.h"
#include "CommandLineWriter.h"

namespace {

constexpr NetworkConfig::Protocol kFTP = {"FTP", 21, nullptr};

}  // namespace

VProfileTable<FTPConfig> const FTPConfig::_profileOffsets{
    {"FTP Port", PortMember<FTPConfig>(), 21},
    {"FTP Password", PasswordMember<FTPConfig>(), VString()},
    {"FTP Passive Mode", &FTPConfig::m_passive, true},
    {"FTP Anonymous Login", &FTPConfig::m_anonymous, false},
    {"FTP Account", &FTPConfig::m_account, VString()},
    {"FTP Initial Directory", DirectoryMember<FTPConfig>(), VString()},
};

FTPConfig::FTPConfig(VProfileKey* key, ICommonConfig* common) : TransferConfig(key, common, kFTP) { Load(key); }

ConnectConfig* FTPConfig::Create(VProfileKey* key, ICommonConfig* common) { return new FTPConfig(key, common); }

bool FTPConfig::TakeProtocolOption(std::string const& name, CommandLineReader& reader) {
  if (name == "PASSIVE" || name == "ACTIVE") {
    m_passive = name == "PASSIVE";
    return true;
  }
  if (name == "ANONYMOUS") {
    m_anonymous = true;
    return true;
  }
  std::string account;
  if (name != "ACCOUNT" || !reader.Value(account) || account.empty()) return false;
  m_account = VString(account);
  return true;
}

void FTPConfig::WriteTransferOptions(CommandLineWriter& writer) const {
  if (!m_passive) writer.Add("/ACTIVE");
  if (m_anonymous) writer.Add("/ANONYMOUS");
  if (!m_account.IsEmpty()) writer.AddOption("ACCOUNT", m_account.View());
}
