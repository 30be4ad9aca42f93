// cdtool: inspect and edit sessions, options and the registry stand-in from the command line.
#include <CLI/CLI.hpp>

#include <stdlib.h>

#include <filesystem>
#include <map>

#include "GlobalCommand.h"
#include "RegCommand.h"
#include "database/ConfigFolderStoreFactory.h"
#include "database/LibraryState.h"
#include "database/ProductInfo.h"

namespace {

// What a host does first: who it is, and that its store is its configuration folder.
void BecomeProduct(int productId) {
  SetCurrentAppProductID(productId);
  ConnectDialogDllInitApplicationName(LookupProductName(productId));
  ConnectDialogDllInitConfigFolderFactory();
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"cdtool: inspect and edit ConnectDialog sessions, options and the registry stand-in"};
  std::string root;
  app.add_option("--root", root, "Keep every hive under this folder (sets BRIMVALE_ROOT), for tests and trials");
  std::map<std::string, int> const products{
      {"korvo", kProductKorvo}, {"halokorvo", kProductHaloKorvo}, {"halofyx", kProductHaloFyx}};
  int productId = kProductHaloKorvo;
  app.add_option("--product", productId, "The product whose options and folder to use (default halokorvo)")
      ->transform(CLI::CheckedTransformer(products, CLI::ignore_case));
  app.require_subcommand(1);
  RegCommand reg(app);
  GlobalCommand global(app);
  try {
    app.parse(argc, argv);
  } catch (CLI::ParseError const& error) {
    return app.exit(error) == 0 ? 0 : 2;
  }
  // Set before any call reaches the registry, so that every hive comes from this folder.
  if (!root.empty()) setenv("BRIMVALE_ROOT", std::filesystem::absolute(root).c_str(), 1);
  BecomeProduct(productId);
  if (reg.Selected()) return reg.Run();
  if (global.Selected()) return global.Run();
  return 2;
}
