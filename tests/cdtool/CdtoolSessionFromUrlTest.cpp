// cdtool session from-url: the transfer session a URL or a host name makes, printed and stored.
#include <gtest/gtest.h>

#include <string>

#include "support/CdtoolRunner.h"
#include "support/ScopedRoot.h"

namespace {

TEST(CdtoolSessionFromUrlTest, PrintsStoresOrRefuses) {
  ScopedRoot root;
  CdtoolRunner const cdtool(root);
  struct Step {
    std::string arguments;
    int exitCode;
    std::string out;
  };
  Step const steps[] = {
      {"--product halofyx session from-url 'sftp://me@files.example:2222/srv;type=a' --save files --json", 0,
       "{\"ok\":true,\"transferProtocol\":\"SFTP\",\"host\":\"files.example\",\"port\":2222,\"user\":\"me\","
       "\"initialDirectory\":\"srv\",\"transferType\":1}\n"},
      {"--product halofyx session from-url 192.168.1.5 --json", 0,
       "{\"ok\":true,\"transferProtocol\":\"SFTP\",\"host\":\"192.168.1.5\",\"port\":22,\"user\":\"\","
       "\"initialDirectory\":\"\",\"transferType\":-1}\n"},
      {"--product halofyx session from-url 'ftp://x/' --save files", 1, ""},
      {"--product halofyx session from-url 'gopher://x' --json", 1,
       "{\"ok\":false,\"code\":\"0xE160000F\",\"text\":\"The URL protocol 'gopher' is not supported.  Supported "
       "protocols are 'ftp', 'sftp', 'ssh2', 'telnet', and 'rlogin'. \"}\n"},
      {"--product halofyx session ls", 0, "Default\nfiles\n"},
  };
  for (Step const& step : steps) {
    CdtoolResult const result = cdtool.Run(step.arguments);
    EXPECT_EQ(result.exitCode, step.exitCode) << step.arguments << "\n" << result.err;
    EXPECT_EQ(result.out, step.out) << step.arguments;
  }
}

}  // namespace
