#include "CdhostStartup.h"

#include <filesystem>
#include <string>

#include "CdhostCallbacks.h"
#include "HostMessageRouter.h"
#include "database/GlobalConfig.h"
#include "database/HostStartup.h"
#include "dialogs/QuickConnectDialog.h"
#include "library/ProductInfo.h"
#include "platform/shell/ExecutableFolder.h"
#include "session/LoadBuiltInProtocols.h"

namespace {

// The folder holding "Connection Protocols", ending in "/".
std::string PluginBase() {
  namespace fs = std::filesystem;
  fs::path const installed = fs::path(ExecutableFolder()) / INSTALLED_PROTOCOLS_FROM_BINDIR;
  std::error_code ignored;
  fs::path const folder = fs::is_directory(installed, ignored) ? installed : fs::path(CONNECTION_PROTOCOLS_DIR);
  return folder.lexically_normal().parent_path().string() + "/";
}

std::string Sibling(char const* product) { return ExecutableFolder() + "/cdhost-" + product; }

}  // namespace

GlobalConfig* CdhostStartup::Start(int productId) {
  HostStartup::Host host;
  host.productId = productId;
  host.korvoInstalled = productId == kProductKorvo;
  // One program serves every product, so each is installed.
  host.haloKorvoOrKorvoInstalled = true;
  host.haloFyxInstalled = true;
  host.quickConnect = &QuickConnectDialog::Run;
  host.editSession = &CdhostCallbacks::EditSession;
  host.help = &CdhostCallbacks::Help;
  host.routerGetter = &HostMessageRouter::Get;
  GlobalConfig* config = HostStartup::Start(host);
  if (!config) return nullptr;
  LoadProtocols(productId);
  NameSiblings(*config, productId);
  return config;
}

void CdhostStartup::LoadProtocols(int productId) {
  LoadBuiltInProtocols(
      PluginBase(), [productId](BuiltInProtocol const& entry) { return entry.productId == productId; },
      &HostMessageRouter::Get);
}

void CdhostStartup::NameSiblings(GlobalConfig& config, int productId) {
  if (config.haloKorvoExePath.IsEmpty() && config.korvoExePath.IsEmpty()) {
    if (productId == kProductKorvo) config.korvoExePath = Sibling("korvo").c_str();
    else config.haloKorvoExePath = Sibling("halokorvo").c_str();
  }
  if (config.haloFyxExePath.IsEmpty()) config.haloFyxExePath = Sibling("halofyx").c_str();
}
