#include <gtest/gtest.h>

#include "exchange/CsvSessionWriter.h"
#include "exchange/JumpHost.h"
#include "exchange/SshConfigWriter.h"
#include "support/Joined.h"

namespace {

TEST(SessionWritersTest, AliasesAreSafeForSshAndUnique) {
  std::pair<char const*, char const*> const aliases[] = {
      {"Lab\\core\\r1", "Lab/core/r1"}, {"my host", "my_host"}, {"a*b?c!d", "a_b_c_d"},
      {"x,y#z", "x_y_z"},               {"tab\there", "tab_here"}, {"q\"'=", "q___"},
  };
  for (auto const& [path, alias] : aliases) EXPECT_EQ(SshConfigWriter::Alias(path), alias) << path;
  ExportedSession one{.path = "a b", .terminalProtocol = "SSH2", .host = "h one", .port = 22, .user = "me"};
  ExportedSession two{.path = "a_b", .terminalProtocol = "Telnet", .transferProtocol = "SFTP", .host = "x\\y",
                      .port = 2200, .identityFile = "~/k", .compression = true,
                      .authenticationOrder = "gssapi,password", .jump = "j@b:1"};
  ExportedSession telnet{.path = "t", .terminalProtocol = "Telnet", .host = "t"};
  EXPECT_EQ(SshConfigWriter::Write({one, two, telnet}),
            "# Sessions exported by cdtool. Passwords are not exported.\n\n"
            "# Session: a b\nHost a_b\n  HostName \"h one\"\n  Port 22\n  User me\n\n"
            "# Session: a_b\nHost a_b~2\n  HostName \"x\\\\y\"\n  Port 2200\n  IdentityFile ~/k\n  Compression yes\n"
            "  PreferredAuthentications gssapi-with-mic,password\n  ProxyJump j@b:1\n");
}

TEST(SessionWritersTest, CsvFieldsAreQuotedOnlyWhenTheyMustBe) {
  std::pair<char const*, char const*> const fields[] = {
      {"plain", "plain"}, {"a,b", "\"a,b\""}, {"say \"hi\"", "\"say \"\"hi\"\"\""}, {"two\nlines", "\"two\nlines\""},
      {"", ""},
  };
  for (auto const& [value, field] : fields) EXPECT_EQ(CsvSessionWriter::Field(value), field) << value;
}

TEST(SessionWritersTest, JumpHostsTakeTheFirstHop) {
  struct Case { char const* hops; char const* user; char const* host; int port; };
  Case const good[] = {
      {"bastion", "", "bastion", 22},          {"me@b:2200", "me", "b", 2200},
      {"ssh://me@b:2", "me", "b", 2},          {"a@b@c", "a@b", "c", 22},
      {"[fd00::1]:2222,next", "", "fd00::1", 2222}, {"fd00::1", "", "fd00::1", 22},
  };
  for (Case const& c : good) {
    std::optional<JumpHost> const jump = JumpHost::FirstHop(c.hops);
    ASSERT_TRUE(jump) << c.hops;
    EXPECT_EQ(Joined(jump->user, jump->host, jump->port), Joined(c.user, c.host, c.port)) << c.hops;
  }
  for (char const* bad : {"", "b:", "b:0", "b:65536", "b:x", "[::1", "[::1]x", "[::1]:", "me@", ",b"})
    EXPECT_FALSE(JumpHost::FirstHop(bad)) << bad;
}

}  // namespace
