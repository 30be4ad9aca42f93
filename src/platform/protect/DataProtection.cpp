#include "platform/protect/DataProtection.h"

#include "platform/protect/SodiumDataProtection.h"

namespace {
DataProtection* installed = nullptr;
}

DataProtection& GetDataProtection() {
  static SodiumDataProtection perUserKey;
  return installed ? *installed : perUserKey;
}

void SetDataProtection(DataProtection* service) { installed = service; }
