// The library's process-wide state that a host sets up once at start: its callbacks, its
// application name and command line, and ConnectDialogDllInit with its one-time steps. The
// library reaches the host's callbacks only through the Call... wrappers below.
// Everything runs on the host's user-interface thread; nothing here locks.
#pragma once

#include "VProfileStoreFactory.h"
#include "VReportMessageRouter.h"
#include "VString.h"
#include "platform/types/WinTypes.h"

class ISessionConfig;
class IPropertyTreeDialog;

// Folder path in, new session out; 1 means a session was placed in the slot.
using QuickConnectCallback = unsigned long (*)(char const* folderPath, ISessionConfig** session);
// The session and 1 when it is being created; 1 means the user accepted the changes.
using EditSessionCallback = unsigned long (*)(ISessionConfig* session, int isNew);
using HelpCallback = void (*)(HWND window, unsigned int command, unsigned long data);
using AddGlobalPagesCallback = void (*)(IPropertyTreeDialog* dialog, int flag);
using RemoveGlobalPagesCallback = void (*)(IPropertyTreeDialog* dialog);
// A step of ConnectDialogDllInit that a later part of the library fills in.
using LibraryInitHook = void (*)();

// Every later opening of the profile store asks `getter` for its factory.
void ConnectDialogDllInitProfileFactory(VProfileStoreFactoryGetter getter);
void ConnectDialogDllInitApplicationName(VString const& name);
void ConnectDialogDllInitApplicationCommandLine(VString const& commandLine);
void ConnectDialogDllInitSSH2GlobalPages(AddGlobalPagesCallback add, RemoveGlobalPagesCallback remove);
// In order: records the callbacks (replacing earlier ones); builds the built-in emulation and
// keymap-name lists the first time a builder is installed; registers the dialog window class
// with `icon`; runs the configuration upgrade. May be called again.
void ConnectDialogDllInit(HICON icon, QuickConnectCallback quickConnect, EditSessionCallback editSession,
                          HelpCallback help, VReportMessageRouterGetter routerGetter);

VString const& GetApplicationName();
VString const& GetApplicationCommandLine();

// The list builder runs at most once per process; the upgrade runs at every initialisation
// (it decides itself whether there is anything to upgrade). Null removes a hook.
void SetBuiltInListsBuilder(LibraryInitHook builder);
void SetConfigurationUpgrade(LibraryInitHook upgrade);

// Wrappers: without a recorded callback the quick-connect and edit-session calls answer 0,
// the message router is null and the other calls do nothing.
unsigned long CallQuickConnect(char const* folderPath, ISessionConfig** session);
unsigned long CallEditSession(ISessionConfig* session, int isNew);
void CallHelp(HWND window, unsigned int command, unsigned long data);
VReportMessageRouter* GetMessageRouter();
void CallAddGlobalPages(IPropertyTreeDialog* dialog, int flag);
void CallRemoveGlobalPages(IPropertyTreeDialog* dialog);
