#include "session/ConnectProtocolTableElement.h"

#include "platform/dynlib/DynamicLibrary.h"
#include "platform/ui/BusyCursor.h"
#include "session/PluginLoadError.h"
#include "session/ProtocolPlugin.h"

namespace {

void ShowNoPages(IPropertyTreeDialog*, CPropertyPage*, ISessionConfig*, bool) {}
void NoSessionPages(IPropertyTreeDialog*) {}
void NoGlobalPages(IPropertyTreeDialog*, int) {}
void RemoveNoGlobalPages(IPropertyTreeDialog*) {}
void NoPluginCall() {}
void AddNoWizardPages(CPropertySheet*, ISessionConfig*) {}
void ReleaseNoWizardPages(CPropertySheet*) {}

template <typename Entry>
Entry FindEntry(HMODULE module, char const* name, VString const& path) {
  auto entry = reinterpret_cast<Entry>(GetDynamicLibrary().FindEntryPoint(module, name));
  if (!entry) throw PluginLoadError(path.Str() + " has no entry point " + name);
  return entry;
}

}  // namespace

ConnectProtocolTableElement::ConnectProtocolTableElement()
    : showSessionPages(ShowNoPages), hideSessionPages(NoSessionPages), destroySessionPages(NoSessionPages),
      addGlobalPages(NoGlobalPages), pluginSlot5(NoPluginCall), removeGlobalPages(RemoveNoGlobalPages),
      pluginSlot7(NoPluginCall), pluginSlot8(NoPluginCall), pluginSlot9(NoPluginCall),
      addWizardPages(AddNoWizardPages), releaseWizardPages(ReleaseNoWizardPages) {}

GUID const* ConnectProtocolTableElement::Load(VReportMessageRouterGetter routerGetter, SocketFactory socketFactory,
                                              SocketForConfig socketForConfig, HostTextGetter appName,
                                              HostTextGetter textGetter, IHostnameResolver* resolver) {
  DynamicLibrary& library = GetDynamicLibrary();
  if (filePath.IsEmpty() || module || !library.FileExists(filePath.Str())) return nullptr;

  BusyCursor const busy;
  std::string error;
  module = library.Load(filePath.Str(), error);
  if (!module) throw PluginLoadError(filePath.Str() + ": " + error);
  auto const getGuid = FindEntry<GetProtocolGuidEntry>(module, kGetProtocolGuidName, filePath);
  GUID const* guid = getGuid();
  if (!guid) throw PluginLoadError(filePath.Str() + " answered no protocol GUID");
  auto const loadProtocol = FindEntry<LoadProtocolEntry>(module, kLoadProtocolName, filePath);

  HostCallbacks const callbacks{GetProfileStoreFactoryGetter(), routerGetter, socketForConfig,
                                socketFactory,                  appName,      textGetter};
  loadProtocol(&callbacks, this, resolver);
  return guid;
}

ConnectConfig* ConnectProtocolTableElement::CreateRecord(VProfileKey* key, ICommonConfig* common) const {
  return recordFactory ? recordFactory(key, common) : nullptr;
}
