// What the host hands every protocol plug-in when it loads: the host's services as plain
// function pointers, in this order. The block belongs to the library and lives only during
// the plug-in's LoadProtocol call: a plug-in that needs a service later copies the pointer.
#pragma once

#include "VProfileStoreFactory.h"
#include "VReportMessageRouter.h"

class ConnectConfig;
class ISocket;  // the host's connection socket; opaque to the library

using SocketFactory = ISocket* (*)();
using SocketForConfig = ISocket* (*)(ConnectConfig* config);
// The running host application's name ("HaloKorvo", ...).
using HostTextGetter = char const* (*)();

struct HostCallbacks {
  VProfileStoreFactoryGetter profileFactoryGetter;  // how to open the profile store
  VReportMessageRouterGetter routerGetter;          // where to route message reports
  SocketForConfig socketForConfig;
  SocketFactory socketFactory;
  HostTextGetter appName;
  HostTextGetter textGetter;  // a further host text, between the host and its plug-ins
};
