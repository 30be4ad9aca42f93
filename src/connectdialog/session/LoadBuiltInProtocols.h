// A host's start-up registration of its plug-ins: every built-in row it offers, then "None".
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "VReportMessageRouter.h"
#include "session/BuiltInProtocol.h"

// Loads each built-in row that `wanted` accepts from the "Connection Protocols" folder of `base`
// (ending in "/"), with the row's own product id, then registers "None" for the current product.
// Returns the rows whose plug-in was not added.
std::vector<int> LoadBuiltInProtocols(std::string const& base, std::function<bool(BuiltInProtocol const&)> const& wanted,
                                      VReportMessageRouterGetter routerGetter = nullptr);
