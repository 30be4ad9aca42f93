#include "RLoginConfig.h"

namespace {

constexpr NetworkConfig::Protocol kRLogin = {"RLOGIN", 513, nullptr};

}  // namespace

VProfileTable<RLoginConfig> const RLoginConfig::_profileOffsets{
    {"RLogin Port", PortMember<RLoginConfig>(), 513},
};

RLoginConfig::RLoginConfig(VProfileKey* key, ICommonConfig* common) : NetworkConfig(key, common, kRLogin) { Load(key); }

ConnectConfig* RLoginConfig::Create(VProfileKey* key, ICommonConfig* common) { return new RLoginConfig(key, common); }
