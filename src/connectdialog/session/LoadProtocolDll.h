// The host's call that registers one protocol in the protocol table, at start-up, once per
// row of the built-in list it offers and once (with no directory) for "None".
#pragma once

#include "VReportMessageRouter.h"
#include "session/HostCallbacks.h"

class IHostnameResolver;

// `directory` is the host's base folder ending in "/"; the plug-in is looked for in its
// "Connection Protocols/" folder. Null registers "None". `row` indexes the built-in list and
// `productId` is stored in the new element. Out: `index` the new element's index (-1 when none
// was added), `exitRequested` true when the user chose to download or exit. In/out: `warn`,
// when false load failures are not reported; the user's Continue sets it false. Null
// out-pointers are allowed. True when an element was added. A row outside the list adds nothing.
extern "C" bool LoadProtocolDll(char const* directory, int row, int productId, VReportMessageRouterGetter routerGetter,
                                SocketFactory socketFactory, SocketForConfig socketForConfig, HostTextGetter appName,
                                HostTextGetter textGetter, IHostnameResolver* resolver, int* index,
                                bool* exitRequested, bool* warn);
