#include "session/NoneConfig.h"

VProfileTable<NoneConfig> const NoneConfig::_profileOffsets;

ConnectConfig* NoneConfig::Create(VProfileKey*, ICommonConfig*) { return new NoneConfig(); }
