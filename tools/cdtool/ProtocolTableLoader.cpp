#include "ProtocolTableLoader.h"

#include <algorithm>
#include <filesystem>
#include <cstring>

#include "library/ProductInfo.h"
#include "platform/shell/ExecutableFolder.h"
#include "session/LoadBuiltInProtocols.h"

namespace {

constexpr char kFolderName[] = "Connection Protocols";

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
  auto const wanted = [&](BuiltInProtocol const& entry) {
    return entry.productId == product ||
           std::find(alsoProducts.begin(), alsoProducts.end(), entry.productId) != alsoProducts.end();
  };
  for (int row : LoadBuiltInProtocols(base, wanted)) {
    BuiltInProtocol const& entry = builtInProtocols[row];
    // SSH1 is left out on purpose unless "SSH1.enable" is there: that is not a missing plug-in.
    bool const ssh1Disabled = std::strcmp(entry.protocol, "SSH1") == 0 && !std::filesystem::exists(named / "SSH1.enable");
    if (!ssh1Disabled) m_missing.push_back({entry.protocol, (named / entry.file).string()});
  }
  return true;
}
