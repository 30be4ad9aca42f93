#include <gtest/gtest.h>

#include "support/CdtoolRunner.h"

namespace {

using CdtoolFirewallTest = CdtoolTest;

TEST_F(CdtoolFirewallTest, AddShowListAndRemoveWithTheirRefusals) {
  ExpectSteps({
      {"firewall ls", 0, "None\n"},
      {"firewall add Corp --type socksv5_userpass --host proxy.example --port 1080 --user me --password-stdin", 0,
       "", "", "secret\n"},
      {"firewall add Lab --type 'Generic proxy' --host 10.0.0.1 --port 8080", 0, ""},
      {"firewall add CORP --type SOCKSv4 --host x --port 1", 1, ""},
      {"firewall add NONE --type SOCKSv5 --host x --port 1", 1, "",
       "cdtool: \"NONE\" cannot name a firewall: \"None\", in any letter case, is the direct connection\n"},
      {"firewall add none --type SOCKSv5 --host x --port 1", 1, ""},
      {"firewall add X --type bogus --host x --port 1", 2, ""},
      {"firewall add X --type SOCKSv4 --host x --port 70000", 2, ""},
      {"firewall ls --json", 0, "[\"None\",\"Corp\",\"Lab\"]\n"},
      {"firewall show Corp --json", 0,
       "{\"name\":\"Corp\",\"type\":\"SOCKSv5_USERPASS\",\"typeName\":\"SOCKS version 5 (username/password)\","
       "\"host\":\"proxy.example\",\"port\":1080,\"user\":\"me\",\"passwordSet\":true,\"prompt\":\"\",\"command\":\"\"}\n"},
      {"firewall rm None", 1, ""},
      {"firewall rm Lab", 0, ""},
      {"firewall rm Lab", 1, ""},
      {"firewall show Lab", 1, ""},
      {"firewall ls", 0, "None\nCorp\n"},
  });
}

}  // namespace
