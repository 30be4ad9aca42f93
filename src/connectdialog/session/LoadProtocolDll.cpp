#include "session/LoadProtocolDll.h"

#include "library/LibraryState.h"
#include "platform/debug/DebugTrace.h"
#include "platform/dynlib/DynamicLibrary.h"
#include "session/BuiltInProtocol.h"
#include "session/ConnectProtocolTable.h"
#include "session/NoneConfig.h"
#include "session/PluginLoadError.h"
#include "session/ProtocolLoadWarning.h"
#include "session/ProtocolName.h"

namespace {

// What the host hands on to the plug-in.
struct PluginServices {
  VReportMessageRouterGetter routerGetter;
  SocketFactory socketFactory;
  SocketForConfig socketForConfig;
  HostTextGetter appName;
  HostTextGetter textGetter;
  IHostnameResolver* resolver;
};

// What the user decided about load failures.
struct Warnings {
  bool exitRequested = false;
  bool warn = false;
};

int AddNone(int productId) {
  ConnectProtocolTableElement element;
  element.protocolName = "None";
  element.productId = productId;
  element.recordFactory = NoneConfig::Create;
  return GetConnectProtocolTable().Add(element);
}

// The GUID the plug-in answered, or null when it failed to load.
GUID const* LoadElement(ConnectProtocolTableElement& element, PluginServices const& services) {
  try {
    return element.Load(services.routerGetter, services.socketFactory, services.socketForConfig, services.appName,
                        services.textGetter, services.resolver);
  } catch (PluginLoadError const& error) {
    DebugTrace::Write((std::string("LoadProtocolDll: ") + error.what() + "\n").c_str());
    return nullptr;
  }
}

// Plug-in pages of the Global Options dialog come from the SSH2 plug-in alone.
void HandOverGlobalPages(ConnectProtocolTableElement const& element) {
  if (SameProtocolName(element.protocolName.View(), "SSH2"))
    ConnectDialogDllInitSSH2GlobalPages(element.addGlobalPages, element.removeGlobalPages);
}

// The new element's index, or -1.
int LoadRow(char const* directory, BuiltInProtocol const& row, int productId, PluginServices const& services,
            Warnings& warnings) {
  VString const folder = VString(directory) + "Connection Protocols/";
  ConnectProtocolTableElement element;
  element.filePath = folder + row.file;
  element.protocolName = row.protocol;
  element.productId = productId;
  // SSH1 is offered only where it was enabled on purpose.
  if (element.protocolName == "SSH1" && !GetDynamicLibrary().FileExists((folder + "SSH1.enable").Str())) return -1;

  int added = -1;
  GUID const* guid = LoadElement(element, services);
  if (guid && *guid == row.guid) {
    added = GetConnectProtocolTable().Add(element);
  } else if (warnings.warn) {
    VString const appName = services.appName ? services.appName() : "";
    ProtocolLoadWarning::Report(element, row, guid, appName, warnings.exitRequested, warnings.warn);
  }
  HandOverGlobalPages(element);
  return added;
}

}  // namespace

bool LoadProtocolDll(char const* directory, int row, int productId, VReportMessageRouterGetter routerGetter,
                     SocketFactory socketFactory, SocketForConfig socketForConfig, HostTextGetter appName,
                     HostTextGetter textGetter, IHostnameResolver* resolver, int* index, bool* exitRequested,
                     bool* warn) {
  PluginServices const services{routerGetter, socketFactory, socketForConfig, appName, textGetter, resolver};
  Warnings warnings;
  warnings.warn = warn && *warn;
  int added = -1;
  if (!directory)
    added = AddNone(productId);
  else if (row >= 0 && row < kBuiltInProtocolCount)
    added = LoadRow(directory, builtInProtocols[row], productId, services, warnings);
  else
    DebugTrace::Write(("LoadProtocolDll: no built-in protocol row " + std::to_string(row) + "\n").c_str());
  if (index) *index = added;
  if (exitRequested) *exitRequested = warnings.exitRequested;
  if (warn) *warn = warnings.warn;
  return added != -1;
}
