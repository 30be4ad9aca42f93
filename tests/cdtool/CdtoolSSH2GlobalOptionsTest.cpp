// The SSH2 plug-in's Global Options page as cdtool loads its plug-ins, as a host does: last in
// the tree, stored on OK, and read by the session's command.
#include <gtest/gtest.h>

#include <string>

#include "support/CdtoolRunner.h"

namespace {

using CdtoolSSH2GlobalOptionsTest = CdtoolTest;

TEST_F(CdtoolSSH2GlobalOptionsTest, ThePageStoresWhatTheCommandUses) {
  ASSERT_EQ(Run("session new plain --protocol SSH2 --host web.lan").exitCode, 0);
  std::string const script = m_root.File("script.json");
  struct Case {
    char const* end;
    char const* command;
  };
  for (Case const& c : {Case{"cancel", "ssh -p 22 -- web.lan\n"},
                        Case{"ok", "ssh -p 22 -o StrictHostKeyChecking=yes -o ServerAliveInterval=20 -- web.lan\n"}}) {
    WriteFileBytes(script, std::string(R"({"steps":[{"do":"select","page":"SSH2"},)"
                                       R"({"do":"set","control":2203,"value":"20"},)"
                                       R"({"do":"choose","control":2204,"item":"Refuse"},{"do":")") +
                               c.end + R"("}]})");
    CdtoolResult const result = Run("dialog global-options --json --script " + script);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    size_t const firewall = result.out.find(R"({"label":"Firewall")");
    EXPECT_NE(firewall, std::string::npos) << result.out;
    EXPECT_NE(result.out.find(R"({"label":"SSH2","caption":"  SSH2 Global Options")", firewall), std::string::npos)
        << result.out;
    EXPECT_EQ(Run("session command plain").out, c.command) << c.end;
  }
}

}  // namespace
