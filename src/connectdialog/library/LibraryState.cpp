#include "library/LibraryState.h"

#include "library/DialogWindowClass.h"

namespace {

struct HostDialogCallbacks {
  QuickConnectCallback quickConnect = nullptr;
  EditSessionCallback editSession = nullptr;
  HelpCallback help = nullptr;
  AddGlobalPagesCallback addGlobalPages = nullptr;
  RemoveGlobalPagesCallback removeGlobalPages = nullptr;
};

HostDialogCallbacks callbacks;
VString applicationName;
VString applicationCommandLine;
LibraryInitHook listsBuilder = nullptr;
LibraryInitHook configurationUpgrade = nullptr;
bool listsBuilt = false;

}  // namespace

void ConnectDialogDllInitProfileFactory(VProfileStoreFactoryGetter getter) { SetProfileStoreFactoryGetter(getter); }

void ConnectDialogDllInitApplicationName(VString const& name) { applicationName = name; }

void ConnectDialogDllInitApplicationCommandLine(VString const& commandLine) { applicationCommandLine = commandLine; }

void ConnectDialogDllInitSSH2GlobalPages(AddGlobalPagesCallback add, RemoveGlobalPagesCallback remove) {
  callbacks.addGlobalPages = add;
  callbacks.removeGlobalPages = remove;
}

void ConnectDialogDllInit(HICON icon, QuickConnectCallback quickConnect, EditSessionCallback editSession,
                          HelpCallback help, VReportMessageRouterGetter routerGetter) {
  callbacks.quickConnect = quickConnect;
  callbacks.editSession = editSession;
  callbacks.help = help;
  SetReportMessageRouterGetter(routerGetter);

  if (!listsBuilt && listsBuilder) {
    listsBuilt = true;
    listsBuilder();
  }
  DialogWindowClass::Register(icon);
  if (configurationUpgrade) configurationUpgrade();
}

VString const& GetApplicationName() { return applicationName; }
VString const& GetApplicationCommandLine() { return applicationCommandLine; }

void SetBuiltInListsBuilder(LibraryInitHook builder) { listsBuilder = builder; }
void SetConfigurationUpgrade(LibraryInitHook upgrade) { configurationUpgrade = upgrade; }

unsigned long CallQuickConnect(char const* folderPath, ISessionConfig** session) {
  return callbacks.quickConnect ? callbacks.quickConnect(folderPath, session) : 0;
}

unsigned long CallEditSession(ISessionConfig* session, int isNew) {
  return callbacks.editSession ? callbacks.editSession(session, isNew) : 0;
}

void CallHelp(HWND window, unsigned int command, unsigned long data) {
  if (callbacks.help) callbacks.help(window, command, data);
}

VReportMessageRouter* GetMessageRouter() { return GetReportMessageRouter(); }

void CallAddGlobalPages(IPropertyTreeDialog* dialog, int flag) {
  if (callbacks.addGlobalPages) callbacks.addGlobalPages(dialog, flag);
}

void CallRemoveGlobalPages(IPropertyTreeDialog* dialog) {
  if (callbacks.removeGlobalPages) callbacks.removeGlobalPages(dialog);
}
