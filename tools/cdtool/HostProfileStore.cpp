#include "HostProfileStore.h"

#include <map>
#include <memory>

#include "VProfileStoreFactory.h"
#include "VRegistryStoreFactory.h"
#include "database/ProductInfo.h"

namespace {

std::map<std::string, int> const kProducts = {
    {"korvo", kProductKorvo}, {"halokorvo", kProductHaloKorvo}, {"halofyx", kProductHaloFyx}};

std::unique_ptr<VRegistryStoreFactory> installed;

VProfileStoreFactory* Installed() { return installed.get(); }

}  // namespace

void HostProfileStore::AddOption(CLI::App& app, std::string& product) {
  product = "halokorvo";
  app.add_option("--product", product, "The host whose profile store to use")
      ->check(CLI::IsMember(kProducts))
      ->capture_default_str();
}

void HostProfileStore::Install(std::string const& product) {
  int const id = kProducts.at(product);
  SetCurrentAppProductID(id);
  VString const path = VString("SOFTWARE\\Brimvale\\") + LookupProductName(id);
  installed = std::make_unique<VRegistryStoreFactory>(HKEY_CURRENT_USER, path);
  SetProfileStoreFactoryGetter(&Installed);
}
