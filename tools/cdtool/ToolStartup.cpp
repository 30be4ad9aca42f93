#include "ToolStartup.h"

#include <map>

#include "database/HostStartup.h"
#include "library/ProductInfo.h"

namespace {

std::map<std::string, int> const kProducts = {
    {"korvo", kProductKorvo}, {"halokorvo", kProductHaloKorvo}, {"halofyx", kProductHaloFyx}};

}  // namespace

void ToolStartup::AddOption(CLI::App& app, std::string& product) {
  product = "halokorvo";
  app.add_option("--product", product, "The product whose options and configuration folder to use")
      ->transform(CLI::IsMember(kProducts, CLI::ignore_case))
      ->capture_default_str();
}

void ToolStartup::Run(std::string const& product) {
  HostStartup::Host host;
  host.productId = kProducts.at(product);
  HostStartup::Start(host);
}
