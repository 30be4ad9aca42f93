#include "InstalledProducts.h"

#include "library/ProductInfo.h"

namespace {

void Mark(int product) {
  if (product == kProductKorvo) IsKorvo_Installed(true);
  if (product == kProductKorvo || product == kProductHaloKorvo) IsHaloKorvo_Korvo_Installed(true);
  if (product == kProductHaloFyx) IsHaloFyx_Installed(true);
}

}  // namespace

void InstalledProducts::AddOption(CLI::App& command) {
  command.add_option("--installed", m_names, "Products installed besides the running one: korvo, halokorvo, halofyx")
      ->delimiter(',')
      ->check(CLI::IsMember({"korvo", "halokorvo", "halofyx"}, CLI::ignore_case));
}

std::vector<int> InstalledProducts::Siblings() const {
  std::vector<int> products;
  for (std::string name : m_names) {
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    products.push_back(name == "korvo" ? kProductKorvo : name == "halokorvo" ? kProductHaloKorvo : kProductHaloFyx);
  }
  return products;
}

void InstalledProducts::Install() const {
  Mark(GetCurrentAppProductID());
  for (int product : Siblings()) Mark(product);
}

void InstalledProducts::InstallRunningOnly() {
  bool const transfer = GetCurrentAppProductID() == kProductHaloFyx;
  IsHaloKorvo_Korvo_Installed(!transfer);
  IsHaloFyx_Installed(transfer);
}
