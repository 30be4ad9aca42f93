#include "ProtocolTableLoader.h"

#include <algorithm>
#include <filesystem>
#include <cstring>

#include "library/LibraryState.h"
#include "library/ProductInfo.h"
#include "platform/shell/ExecutableFolder.h"
#include "session/BuiltInProtocol.h"
#include "session/LoadProtocolDll.h"

namespace {

constexpr char kFolderName[] = "Connection Protocols";

char const* ApplicationName() { return GetApplicationName().c_str(); }

// Installed, the plug-ins lie at a fixed place relative to the tool; in the build, in the build folder.
std::string DefaultFolder() {
  std::filesystem::path const installed = std::filesystem::path(ExecutableFolder()) / INSTALLED_PROTOCOLS_FROM_BINDIR;
  std::error_code ignored;
  return std::filesystem::is_directory(installed, ignored) ? installed.lexically_normal().string()
                                                           : std::string(CONNECTION_PROTOCOLS_DIR);
}

}  // namespace

void ProtocolTableLoader::AddOption(CLI::App& command) {
  m_folder = DefaultFolder();
  command.add_option("--plugins", m_folder, "The \"Connection Protocols\" folder to load the protocol plug-ins from")
      ->capture_default_str();
}

// Hosts name their base folder and the plug-ins lie in its "Connection Protocols" folder.
bool ProtocolTableLoader::Fill(std::vector<int> const& alsoProducts) {
  std::filesystem::path const folder = std::filesystem::absolute(m_folder).lexically_normal();
  std::filesystem::path const named = folder.has_filename() ? folder : folder.parent_path();
  if (named.filename() != kFolderName) {
    m_error = "the plug-in folder must be named \"" + std::string(kFolderName) + "\", not \"" + m_folder + "\"";
    return false;
  }
  std::string const base = named.parent_path().string() + "/";
  int const product = GetCurrentAppProductID();
  for (int row = 0; row < kBuiltInProtocolCount; ++row) {
    BuiltInProtocol const& entry = builtInProtocols[row];
    bool const sibling = std::find(alsoProducts.begin(), alsoProducts.end(), entry.productId) != alsoProducts.end();
    if (entry.productId != product && !sibling) continue;
    int index = -1;
    bool exitRequested = false;
    bool warn = false;
    bool const added = LoadProtocolDll(base.c_str(), row, entry.productId, nullptr, nullptr, nullptr, ApplicationName, nullptr,
                                       nullptr, &index, &exitRequested, &warn);
    // SSH1 is left out on purpose unless "SSH1.enable" is there: that is not a missing plug-in.
    bool const ssh1Disabled = std::strcmp(entry.protocol, "SSH1") == 0 && !std::filesystem::exists(named / "SSH1.enable");
    if (!added && !ssh1Disabled) m_missing.push_back({entry.protocol, (named / entry.file).string()});
  }
  LoadProtocolDll(nullptr, 0, product, nullptr, nullptr, nullptr, ApplicationName, nullptr, nullptr, nullptr, nullptr,
                  nullptr);
  return true;
}
