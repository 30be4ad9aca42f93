#include "session/ProtocolLoadWarning.h"

#include <cctype>
#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "library/ProductInfo.h"
#include "platform/dynlib/DynamicLibrary.h"
#include "platform/shell/Shell.h"
#include "platform/ui/UserInterface.h"
#include "session/GuidText.h"

namespace {

constexpr char kDownloadPage[] = "https://www.brimvale.com/download";

// Fills each "%s" of `pattern` with the next argument, in order.
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> arguments) {
  std::string text;
  auto argument = arguments.begin();
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (pattern.compare(i, 2, "%s") == 0 && argument != arguments.end()) {
      text += *argument++;
      ++i;
    } else {
      text += pattern[i];
    }
  }
  return text;
}

// Query values keep letters, digits and "-._~"; everything else is percent-encoded.
std::string QueryValue(std::string_view value) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string encoded;
  for (unsigned char c : value) {
    if (std::isalnum(c) || c == '-' || c == '.' || c == '_' || c == '~') {
      encoded += static_cast<char>(c);
    } else {
      encoded += '%';
      encoded += kHex[c >> 4];
      encoded += kHex[c & 0xF];
    }
  }
  return encoded;
}

// True when the plug-in file is newer than the running executable; false, with `known` false,
// when either time cannot be read.
bool PluginIsNewer(VString const& pluginPath, bool& known) {
  DynamicLibrary& library = GetDynamicLibrary();
  int64_t pluginTime = 0;
  int64_t executableTime = 0;
  known = library.ModificationTime(pluginPath.Str(), pluginTime) &&
          library.ModificationTime(library.ExecutablePath(), executableTime);
  return known && pluginTime > executableTime;
}

}  // namespace

void ProtocolLoadWarning::Report(ConnectProtocolTableElement const& element, BuiltInProtocol const& row,
                                 GUID const* returned, VString const& appName, bool& exitRequested, bool& warn) {
  VString const productName = LookupProductName(element.productId);
  if (appName == productName)
    ShowOwnPluginWarning(element, productName);
  else if (IsIntegrated())
    OfferUpgrade(element, row, returned, appName, exitRequested, warn);
}

void ProtocolLoadWarning::ShowOwnPluginWarning(ConnectProtocolTableElement const& element,
                                               VString const& productName) {
  std::string const text = Fill(
      "Unable to load %s.\n\nPlease reinstall %s or manually remove the DLL so that this warning message will no "
      "longer be displayed.\n\nYou can continue, but the %s protocol will not be available.",
      {element.filePath.View(), productName.View(), element.protocolName.View()});
  GetUserInterface().MessageBox(text, "", MB_OK | MB_ICONWARNING);
}

void ProtocolLoadWarning::OfferUpgrade(ConnectProtocolTableElement const& element, BuiltInProtocol const& row,
                                       GUID const* returned, VString const& appName, bool& exitRequested,
                                       bool& warn) {
  bool timesKnown = false;
  bool const pluginNewer = PluginIsNewer(element.filePath, timesKnown);
  if (!timesKnown) return;
  // A newer plug-in means this host is the old one. A plug-in that answered no GUID gives the
  // page the GUID this host expects, the best description of what it needs.
  VString const upgrade = pluginNewer ? appName : LookupProductName(element.productId);
  GUID const& guid = pluginNewer && returned ? *returned : row.guid;
  bool const transfer = element.productId == 6;
  std::string_view const integrating = transfer ? "HaloFyx" : "HaloKorvo";
  std::string_view const kind = transfer ? "file transfer" : "terminal emulation";

  UpgradeOffer offer;
  offer.caption = appName.Str();
  offer.message = Fill("In order for integration with %s to work correctly, a compatible version of %s must be "
                       "installed.  You can either upgrade %s or continue, with integration temporarily disabled.",
                       {integrating, upgrade.View(), upgrade.View()});
  offer.question = "What would you like to do?";
  offer.warning = Fill("It is strongly recommended that if you continue without upgrading %s, you do not modify "
                       "any sessions that are configured for %s.",
                       {upgrade.View(), kind});
  offer.downloadButton = Fill("&Download %s ...", {upgrade.View()});

  switch (GetUserInterface().OfferUpgrade(offer)) {
    case UpgradeChoice::Continue: warn = false; break;
    case UpgradeChoice::Download:
      exitRequested = true;
      GetShell().Open(DownloadAddress(upgrade, guid));
      break;
    case UpgradeChoice::Exit: exitRequested = true; break;
  }
}

std::string ProtocolLoadWarning::DownloadAddress(VString const& product, GUID const& guid) {
  return std::string(kDownloadPage) + "?pid=" + QueryValue(product.View()) + "&guid=" + GuidText(guid);
}
