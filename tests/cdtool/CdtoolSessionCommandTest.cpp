// The system client's command for a session: one argument per value, so that nothing a session
// holds can start another program, and every protocol and firewall kind mapped or refused.
#include <unistd.h>

#include <filesystem>

#include "support/CdtoolRunner.h"
#include "support/ScopedEnv.h"
#include "support/TempFolder.h"

namespace {

using CdtoolSessionCommandTest = CdtoolTest;

TEST_F(CdtoolSessionCommandTest, EveryProtocolAndFirewallKindBuildsItsArgumentVector) {
  ExpectSteps({
      {"firewall add Jump --type 'Jump Host' --host bastion --port 2200 --user ops", 0, ""},
      {"firewall add Socks --type SOCKSv5 --host proxy.lan --port 1080", 0, ""},
      {"firewall add Http --type 'Generic Proxy' --host 10.0.0.1 --port 3128", 0, ""},
      {"firewall add Bad --type SOCKSv4 --host 'p;reboot' --port 1", 0, ""},
      {"firewall add Ftpish --type 'OPEN host' --host p --port 1", 0, ""},
      {"session new plain --protocol SSH2 --host web.lan", 0, ""},
      {"session new full --protocol SSH2 --host '-oProxyCommand=x' --port 2222 --user 'a b'", 0, ""},
      {"session set full 'SSH2 Identity Filename=~/.ssh/my key' 'SSH2 Compression=true' "
       "'SSH2 Authentication Order=password,gssapi' 'SSH2 Password=secret'",
       0, ""},
      {"session new jumped --firewall Jump --protocol SSH2 --host 'h $(reboot)'", 0, ""},
      {"session new socks --firewall Socks --protocol SSH2 --host s", 0, ""},
      {"session new http --firewall Http --protocol SSH2 --host s", 0, ""},
      {"session new bad --firewall Bad --protocol SSH2 --host s", 0, ""},
      {"session new ftpish --firewall Ftpish --protocol SSH2 --host s", 0, ""},
      {"session new gone --firewall Missing --protocol SSH2 --host s", 1, ""},
      {"session new tel --protocol Telnet --host 'h;x' --user ops", 0, ""},
      {"session new rl --protocol RLogin --host r --port 600", 0, ""},
      {"session new ser --protocol Serial --host /dev/ttyUSB0", 0, ""},
      {"session set ser 'Serial Baud Rate=115200' 'Serial Parity=2' 'Serial Stop Bits=2' 'Serial Flow Control=2' "
       "'Serial Data Bits=7'",
       0, ""},
      {"session new odd --protocol Serial --host /dev/ttyS1", 0, ""},
      {"session set odd 'Serial Parity=3'", 0, ""},
      {"session new tapi --protocol TAPI --host 5551234", 0, ""},
      {"session new nohost --protocol SSH2", 0, ""},
  });
  // A firewall removed after the session named it.
  ASSERT_EQ(Run("firewall add Gone --type SOCKSv5 --host g --port 1").exitCode, 0);
  ASSERT_EQ(Run("session new gone --firewall Gone --protocol SSH2 --host s").exitCode, 0);
  ASSERT_EQ(Run("firewall rm Gone").exitCode, 0);
  ExpectSteps({
      {"session command plain", 0, "ssh -p 22 -- web.lan\n"},
      {"session command full --json", 0,
       "{\"program\":\"ssh\",\"arguments\":[\"-p\",\"2222\",\"-o\",\"User=a b\",\"-i\",\"~/.ssh/my key\",\"-C\",\"-o\","
       "\"PreferredAuthentications=password,gssapi-with-mic\",\"--\",\"-oProxyCommand=x\"],\"package\":\"openssh-client\"}\n"},
      {"session command jumped", 0, "ssh -p 22 -J ops@bastion:2200 -- 'h $(reboot)'\n"},
      {"session command socks", 0, "ssh -p 22 -o 'ProxyCommand=nc -X 5 -x proxy.lan:1080 %h %p' -- s\n"},
      {"session command http", 0, "ssh -p 22 -o 'ProxyCommand=nc -X connect -x 10.0.0.1:3128 %h %p' -- s\n"},
      {"session command tel", 0, "telnet -l ops -- 'h;x' 23\n"},
      {"session command rl", 0, "rlogin -p 600 -- r\n"},
      {"session command ser", 0, "picocom -b 115200 -d 7 -y e -p 2 -f h -- /dev/ttyUSB0\n"},
  });
  ExpectExits({
      {"session command bad", 1, "names the host \"p;reboot\", which is not a plain host name"},
      {"session command ftpish", 1, "cannot pass the firewall \"Ftpish\" of kind \"OPEN host\""},
      {"session command gone", 1, "the firewall \"Gone\" does not exist"},
      {"session command odd", 1, "picocom has no mark or space parity"},
      {"session command tapi", 1, "no client on this system opens TAPI sessions"},
      {"session command nohost", 1, "names no host"},
      {"session command plain --transfer", 1, "no file-transfer protocol"},
      {"session command missing", 1, "no session at \"missing\""},
  });
}

// `open` runs the command inside the terminal emulator, each argument its own: a fake terminal
// on a PATH of the test's own records what it was given.
TEST_F(CdtoolSessionCommandTest, OpenStartsTheClientInATerminalOrNamesWhatIsMissing) {
  TempFolder bin;
  std::string const record = bin / "record";
  WriteFileBytes(bin / "x-terminal-emulator",
                 "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > " + record + ".part && /bin/mv " + record +
                     ".part " + record + "\n");
  WriteFileBytes(bin / "ssh", "#!/bin/sh\n");
  for (char const* program : {"x-terminal-emulator", "ssh"})
    std::filesystem::permissions(bin / program, std::filesystem::perms::owner_all);
  ASSERT_EQ(Run("session new 'odd $(x)' --protocol SSH2 --host 'h;x' --user 'a b'").exitCode, 0);
  ASSERT_EQ(Run("session new tel --protocol Telnet --host t").exitCode, 0);
  ScopedEnv const terminal("TERMINAL", nullptr);
  {
    ScopedEnv const path("PATH", bin.Path().c_str());
    ExpectExits({{"session open tel", 1, "\"telnet\" is not installed: install the Debian package telnet"}});
    ASSERT_EQ(Run("session open 'odd $(x)'").exitCode, 0);
    for (int wait = 0; wait < 500 && !std::filesystem::exists(record); ++wait) usleep(20000);
    EXPECT_EQ(ReadFileBytes(record), "-e\n" + (bin / "ssh") + "\n-p\n22\n-o\nUser=a b\n--\nh;x\n");
  }
  std::filesystem::remove(bin / "x-terminal-emulator");
  ScopedEnv const path("PATH", bin.Path().c_str());
  ExpectExits({{"session open 'odd $(x)'", 1, "no terminal emulator to run \"ssh\" in"}});
}

}  // namespace
