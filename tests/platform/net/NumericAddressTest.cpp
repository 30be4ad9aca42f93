#include "platform/net/NumericAddress.h"

#include <gtest/gtest.h>

namespace {

TEST(NumericAddress, AcceptsOnlyNumericAddresses) {
  struct Case { char const* text; bool numeric; } const cases[] = {
      {"192.168.1.5", true}, {"0.0.0.0", true}, {"255.255.255.255", true}, {"::1", true}, {"fe80::1", true},
      {"2001:db8::ff00:42:8329", true}, {"::ffff:10.0.0.1", true},
      // Short IPv4 forms convert but are not in the dotted shape.
      {"1", false}, {"10.1", false}, {"10.0.1", false}, {"256.1.1.1", false}, {"1.2.3.4.5", false}, {"1.2.3.", false},
      {" 1.2.3.4", false}, {"1.2.3.4 ", false}, {"localhost", false}, {"example.org", false}, {"1.2.3.4x", false},
      {"[::1]", false}, {"", false}, {nullptr, false},
  };
  for (Case const& c : cases) {
    SCOPED_TRACE(c.text ? c.text : "(null)");
    EXPECT_EQ(NumericAddress::IsNumericHost(c.text), c.numeric);
  }
}

}  // namespace
