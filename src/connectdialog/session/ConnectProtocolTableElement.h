// One protocol in the protocol table: where its plug-in lives, which product it belongs to,
// how to make its connection records, and the callbacks its plug-in fills in. Copied by value
// into the table. A plug-in fills an element in its LoadProtocol entry point (see
// ProtocolPlugin.h): protocolName (already set to the row's name; keep it unless the plug-in
// knows better), recordFactory (required: the library makes every record of the protocol with
// it), the callback slots it supports, and its own fields. Every callback slot starts as a
// function that does nothing, so the library calls them without testing them.
#pragma once

#include "VReportMessageRouter.h"
#include "VString.h"
#include "session/HostCallbacks.h"
#include "library/LibraryState.h"
#include "platform/types/WinTypes.h"

class CPropertyPage;   // a page of the option dialogs
class CPropertySheet;  // the New Session Wizard
class ICommonConfig;
class IHostnameResolver;  // the host's name resolver; opaque to the library
class ISessionConfig;
class VProfileKey;

// Makes a record of the protocol loaded from `key` (null: defaults), holding one reference.
using ConnectConfigFactory = ConnectConfig* (*)(VProfileKey* key, ICommonConfig* common);
// Slot 1: show the protocol's session option pages below `parent`; `flag` is the dialog's
// pass-through flag.
using ShowSessionPagesCallback = void (*)(IPropertyTreeDialog* dialog, CPropertyPage* parent,
                                          ISessionConfig* session, bool flag);
// Slots 2 and 3: hide the protocol's session pages, destroy them when the dialog closes.
using SessionPagesCallback = void (*)(IPropertyTreeDialog* dialog);
// Slot 10: add the protocol's pages to the New Session Wizard for `session`.
using AddWizardPagesCallback = void (*)(CPropertySheet* wizard, ISessionConfig* session);
// Slot 11: release them.
using ReleaseWizardPagesCallback = void (*)(CPropertySheet* wizard);
// Slots 5, 7, 8 and 9: the plug-in's own; the library only copies them.
using PluginCallback = void (*)();

class ConnectProtocolTableElement {
 public:
  ConnectProtocolTableElement();

  // Loads the plug-in named by filePath and lets its LoadProtocol fill this element. Null when
  // there is no file path, the module is already loaded or the file does not exist. Throws
  // PluginLoadError when the module cannot be loaded, lacks an entry point or answers no GUID.
  GUID const* Load(VReportMessageRouterGetter routerGetter, SocketFactory socketFactory,
                   SocketForConfig socketForConfig, HostTextGetter appName, HostTextGetter textGetter,
                   IHostnameResolver* resolver);

  // A new record from the factory, or null when the element has none.
  ConnectConfig* CreateRecord(VProfileKey* key, ICommonConfig* common) const;

  VString filePath;      // the plug-in's full path; empty for "None"
  VString protocolName;
  int productId = 0;     // the host product the protocol belongs to
  HMODULE module = nullptr;
  int reserved1 = 0;
  ConnectConfigFactory recordFactory = nullptr;
  int reserved2 = 0;
  ShowSessionPagesCallback showSessionPages;       // slot 1
  SessionPagesCallback hideSessionPages;           // slot 2
  SessionPagesCallback destroySessionPages;        // slot 3
  AddGlobalPagesCallback addGlobalPages;           // slot 4, SSH2 only
  PluginCallback pluginSlot5;
  RemoveGlobalPagesCallback removeGlobalPages;     // slot 6, SSH2 only
  PluginCallback pluginSlot7;
  PluginCallback pluginSlot8;
  PluginCallback pluginSlot9;
  AddWizardPagesCallback addWizardPages;           // slot 10
  ReleaseWizardPagesCallback releaseWizardPages;   // slot 11
  int pluginFields[3] = {0, 0, 0};
};
