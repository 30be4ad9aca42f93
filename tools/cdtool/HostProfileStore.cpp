#include "HostProfileStore.h"

#include <map>

#include "database/ConfigFolderStoreFactory.h"
#include "library/LibraryState.h"
#include "library/ProductInfo.h"

namespace {

std::map<std::string, int> const kProducts = {
    {"korvo", kProductKorvo}, {"halokorvo", kProductHaloKorvo}, {"halofyx", kProductHaloFyx}};

}  // namespace

void HostProfileStore::AddOption(CLI::App& app, std::string& product) {
  product = "halokorvo";
  app.add_option("--product", product, "The product whose options and configuration folder to use")
      ->transform(CLI::IsMember(kProducts, CLI::ignore_case))
      ->capture_default_str();
}

void HostProfileStore::Install(std::string const& product) {
  int const id = kProducts.at(product);
  SetCurrentAppProductID(id);
  ConnectDialogDllInitApplicationName(LookupProductName(id));
  ConnectDialogDllInitConfigFolderFactory();
}
