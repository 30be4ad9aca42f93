// The per-product entries that live outside every configuration folder, in the current user's
// registry under "SOFTWARE\Brimvale": each product's "Config Path" (in the subkey named after
// the product) and the "Integrated" value (in the subkey "Global"). They stay there so
// that a host can find its configuration folder before it opens it. Missing or unreadable
// values read as their defaults; writes report whether they reached the hive.
#pragma once

#include "VString.h"

class ProductSettings {
 public:
  // The configuration folder recorded for `product` ("Korvo", "HaloKorvo", "HaloFyx" or the
  // running application's name); empty when none is.
  static VString ConfigPath(VString const& product);
  static bool SetConfigPath(VString const& product, VString const& path);

  // -1 when missing; only 0 means that the terminal and file-transfer clients keep separate
  // configuration folders.
  static int Integrated();
  static bool SetIntegrated(int integrated);
};
