// cdtool firewall: definitions added, shown without their password, refused and removed.
#include <gtest/gtest.h>

#include <string>

#include "support/CdtoolRunner.h"
#include "support/ScopedRoot.h"

namespace {

TEST(CdtoolFirewallTest, AddShowRefuseRemove) {
  ScopedRoot root;
  CdtoolRunner const cdtool(root);
  struct Step {
    std::string arguments;
    std::string input;
    int exitCode;
    std::string out;
  };
  Step const steps[] = {
      {"firewall add corp --type socksv5_userpass --host proxy.corp --port 1080 --user me --password-stdin",
       "s3cret\n", 0, ""},
      {"firewall show corp --json", "", 0,
       "{\"name\":\"corp\",\"type\":\"SOCKSv5_USERPASS\",\"typeName\":\"SOCKS version 5 (username/password)\","
       "\"host\":\"proxy.corp\",\"port\":1080,\"user\":\"me\",\"hasPassword\":true}\n"},
      {"firewall add corp --type SOCKSv4 --host x --port 1", "", 1, ""},
      {"firewall add x --type Bogus --host x --port 1", "", 1, ""},
      {"firewall add x --type SOCKSv4 --host x --port 70000", "", 2, ""},
      {"firewall add 'a\\b' --type SOCKSv4 --host x --port 1", "", 1, ""},
      {"firewall ls --json", "", 0, "{\"firewalls\":[\"None\",\"corp\"]}\n"},
      {"firewall show None --json", "", 0,
       "{\"name\":\"None\",\"type\":\"None\",\"typeName\":\"None\",\"host\":\"\",\"port\":1080,\"user\":\"\","
       "\"hasPassword\":false}\n"},
      {"firewall rm None", "", 1, ""},
      {"firewall rm corp", "", 0, ""},
      {"firewall show corp", "", 1, ""},
      {"firewall ls", "", 0, "None\n"},
  };
  for (Step const& step : steps) {
    CdtoolResult const result = cdtool.Run(step.arguments, step.input);
    EXPECT_EQ(result.exitCode, step.exitCode) << step.arguments << "\n" << result.err;
    EXPECT_EQ(result.out, step.out) << step.arguments;
  }
}

}  // namespace
