#include "database/HostStartup.h"

#include <gtest/gtest.h>

#include "database/GlobalConfigInstance.h"
#include "library/ProductInfo.h"

namespace {

// A product the library does not know changes no process-wide state.
TEST(HostStartupTest, AnUnknownProductStartsNothing) {
  int const product = GetCurrentAppProductID();
  bool const installed = IsHaloFyx_Installed();
  std::string const name = GetApplicationName().Str();
  std::string const commandLine = GetApplicationCommandLine().Str();
  VProfileStoreFactoryGetter const factory = GetProfileStoreFactoryGetter();
  GlobalConfig const* const options = LoadedGlobalConfig();
  for (int unknown : {-1, 0, 2, 7}) {
    HostStartup::Host host;
    host.productId = unknown;
    host.haloFyxInstalled = !installed;
    host.commandLine = "/S x";
    EXPECT_EQ(HostStartup::Start(host), nullptr) << unknown;
    EXPECT_EQ(GetCurrentAppProductID(), product);
    EXPECT_EQ(IsHaloFyx_Installed(), installed);
    EXPECT_EQ(GetApplicationName().Str(), name);
    EXPECT_EQ(GetApplicationCommandLine().Str(), commandLine);
    EXPECT_EQ(GetProfileStoreFactoryGetter(), factory);
    EXPECT_EQ(LoadedGlobalConfig(), options);
  }
}

}  // namespace
