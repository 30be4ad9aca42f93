#include "session/LoadBuiltInProtocols.h"

#include "library/LibraryState.h"
#include "library/ProductInfo.h"
#include "session/LoadProtocolDll.h"

namespace {

char const* ApplicationName() { return GetApplicationName().c_str(); }

}  // namespace

std::vector<int> LoadBuiltInProtocols(std::string const& base, std::function<bool(BuiltInProtocol const&)> const& wanted,
                                      VReportMessageRouterGetter routerGetter) {
  std::vector<int> failed;
  for (int row = 0; row < kBuiltInProtocolCount; ++row) {
    BuiltInProtocol const& entry = builtInProtocols[row];
    if (!wanted(entry)) continue;
    int index = -1;
    bool exitRequested = false;
    bool warn = false;
    if (!LoadProtocolDll(base.c_str(), row, entry.productId, routerGetter, nullptr, nullptr, ApplicationName, nullptr,
                         nullptr, &index, &exitRequested, &warn))
      failed.push_back(row);
  }
  LoadProtocolDll(nullptr, 0, GetCurrentAppProductID(), nullptr, nullptr, nullptr, ApplicationName, nullptr, nullptr,
                  nullptr, nullptr, nullptr);
  return failed;
}
