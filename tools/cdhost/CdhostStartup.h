// cdhost's start as a host of the library: HostStartup with its callbacks for the chosen
// product, the product's protocol plug-ins (installed beside the program, else the build's),
// and, where the user has named none, itself as the sibling programs: "HaloKorvo EXE Path"
// (or "Korvo EXE Path" when running as Korvo) and "HaloFyx EXE Path" become the cdhost-halokorvo,
// cdhost-korvo and cdhost-halofyx links beside this program, in memory only.
#pragma once

class GlobalConfig;

class CdhostStartup {
 public:
  // The global options; null for an unknown product.
  static GlobalConfig* Start(int productId);

 private:
  static void LoadProtocols(int productId);
  static void NameSiblings(GlobalConfig& config, int productId);
};
