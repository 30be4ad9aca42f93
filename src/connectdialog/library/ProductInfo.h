// The running host's product id, the installation flags the host reports, and what follows
// from them. Process-wide state, written and read on the host's user-interface thread.
#pragma once

#include "VString.h"

constexpr int kProductKorvo = 1;
constexpr int kProductHaloKorvo = 3;
constexpr int kProductHaloFyx = 6;

int GetCurrentAppProductID();
void SetCurrentAppProductID(int productId);
// "Korvo", "HaloKorvo" or "HaloFyx"; empty for any other id.
VString LookupProductName(int productId);

bool IsKorvo_Installed();
void IsKorvo_Installed(bool installed);
bool IsHaloKorvo_Korvo_Installed();
void IsHaloKorvo_Korvo_Installed(bool installed);
bool IsHaloFyx_Installed();
void IsHaloFyx_Installed(bool installed);
// The full terminal client and the file-transfer client are both installed.
bool IsIntegrated();
