#include "session/NoneConfig.h"

#include <gtest/gtest.h>

namespace {

TEST(ConnectConfigTest, CountsReferencesCopiesItsFlagsAndNoneKeepsTheBaseAnswers) {
  ConnectConfig* none = NoneConfig::Create(nullptr, nullptr);
  void* object = none;
  EXPECT_EQ(none->QueryInterface(IID{}, &object), E_NOINTERFACE);
  EXPECT_EQ(object, nullptr);
  EXPECT_FALSE(none->IsModified());
  EXPECT_EQ(none->GetFirewallName(), "None");
  EXPECT_EQ(none->GetPort(), -1);
  EXPECT_EQ(none->CanConnect(), 0);
  none->IsDefaultSession(1);
  none->HasCommandLine(2);
  none->PluginField(3);
  EXPECT_EQ(none->AddRef(), 2u);

  ConnectConfig* clone = none->Clone(nullptr);
  EXPECT_EQ(clone->IsDefaultSession(), 1);
  EXPECT_EQ(clone->HasCommandLine(), 2);
  EXPECT_EQ(clone->PluginField(), 3);
  EXPECT_EQ(clone->Release(), 0u) << "a copy starts with one reference";
  EXPECT_EQ(none->Release(), 1u);
  EXPECT_EQ(none->Release(), 0u);
}

}  // namespace
