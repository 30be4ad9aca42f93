#include "library/ProductInfo.h"

#include <gtest/gtest.h>

namespace {

TEST(ProductInfo, IdsAndNames) {
  EXPECT_EQ(GetCurrentAppProductID(), -1) << "no host has set an id yet";
  struct Case {
    int id;
    char const* name;
  } const cases[] = {{-1, ""}, {0, ""}, {1, "Korvo"}, {2, ""}, {3, "HaloKorvo"}, {4, ""}, {6, "HaloFyx"}, {7, ""}};
  for (Case const& c : cases) EXPECT_EQ(LookupProductName(c.id), c.name) << c.id;
}

TEST(ProductInfo, IntegratedOnlyWithFullTerminalAndTransferClients) {
  for (int bits = 0; bits < 8; ++bits) {
    bool korvo = bits & 1, haloKorvo = bits & 2, haloFyx = bits & 4;
    IsKorvo_Installed(korvo);
    IsHaloKorvo_Korvo_Installed(haloKorvo);
    IsHaloFyx_Installed(haloFyx);
    EXPECT_EQ(IsIntegrated(), !korvo && haloKorvo && haloFyx) << bits;
  }
  IsKorvo_Installed(false);
  IsHaloKorvo_Korvo_Installed(false);
  IsHaloFyx_Installed(false);
}

}  // namespace
