#include "SFTPConfig.h"

namespace {

constexpr NetworkConfig::Protocol kSFTP = {"SFTP", 22, CarryOver::kSshPort};

}  // namespace

VProfileTable<SFTPConfig> const SFTPConfig::_profileOffsets{
    {"SFTP Port", PortMember<SFTPConfig>(), 22},
    {"SFTP Password", PasswordMember<SFTPConfig>(), VString()},
    {"SFTP Initial Directory", DirectoryMember<SFTPConfig>(), VString()},
};

SFTPConfig::SFTPConfig(VProfileKey* key, ICommonConfig* common) : TransferConfig(key, common, kSFTP) { Load(key); }

ConnectConfig* SFTPConfig::Create(VProfileKey* key, ICommonConfig* common) { return new SFTPConfig(key, common); }
