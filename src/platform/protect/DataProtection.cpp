#include "platform/protect/DataProtection.h"

#include "platform/protect/SodiumDataProtection.h"
#include "platform/service/InstalledService.h"

using InstalledProtection = InstalledService<DataProtection, SodiumDataProtection>;

DataProtection& GetDataProtection() { return InstalledProtection::Get(); }

void SetDataProtection(DataProtection* service) { InstalledProtection::Install(service); }
