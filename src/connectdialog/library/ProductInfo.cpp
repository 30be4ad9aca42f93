#include "library/ProductInfo.h"

namespace {
int productId = -1;
bool korvoInstalled = false;
bool haloKorvoOrKorvoInstalled = false;
bool haloFyxInstalled = false;
}  // namespace

int GetCurrentAppProductID() { return productId; }
void SetCurrentAppProductID(int id) { productId = id; }

VString LookupProductName(int id) {
  switch (id) {
    case kProductKorvo: return "Korvo";
    case kProductHaloKorvo: return "HaloKorvo";
    case kProductHaloFyx: return "HaloFyx";
    default: return VString();
  }
}

bool IsKorvo_Installed() { return korvoInstalled; }
void IsKorvo_Installed(bool installed) { korvoInstalled = installed; }
bool IsHaloKorvo_Korvo_Installed() { return haloKorvoOrKorvoInstalled; }
void IsHaloKorvo_Korvo_Installed(bool installed) { haloKorvoOrKorvoInstalled = installed; }
bool IsHaloFyx_Installed() { return haloFyxInstalled; }
void IsHaloFyx_Installed(bool installed) { haloFyxInstalled = installed; }

bool IsIntegrated() { return !korvoInstalled && haloKorvoOrKorvoInstalled && haloFyxInstalled; }
