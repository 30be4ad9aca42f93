#include "TelnetConfig.h"

namespace {

constexpr NetworkConfig::Protocol kTelnet = {"TELNET", 23, nullptr};

}  // namespace

VProfileTable<TelnetConfig> const TelnetConfig::_profileOffsets{
    {"Telnet Port", PortMember<TelnetConfig>(), 23},
};

TelnetConfig::TelnetConfig(VProfileKey* key, ICommonConfig* common) : NetworkConfig(key, common, kTelnet) { Load(key); }

ConnectConfig* TelnetConfig::Create(VProfileKey* key, ICommonConfig* common) { return new TelnetConfig(key, common); }
