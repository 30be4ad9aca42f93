// cdtool url parse: the parts as JSON, or the refusing report with exit 1.
#include <gtest/gtest.h>

#include <string>

#include "support/CdtoolRunner.h"
#include "support/ScopedRoot.h"

namespace {

TEST(CdtoolUrlTest, PrintsThePartsOrTheReport) {
  ScopedRoot root;
  CdtoolRunner const cdtool(root);
  struct Case {
    std::string arguments;
    int exitCode;
    std::string out;
  } const cases[] = {
      {"url parse 'ftp://host/pub' --default-password 'me@' --json", 0,
       R"({"ok":true,"scheme":0,"schemeName":"ftp","host":"host","port":21,"portIsDefault":true,)"
       R"("user":"anonymous","password":"me@","object":"pub","transferType":-1})"
       "\n"},
      {"url parse 'sftp://u:p%3A@[::1]:2222/home;type=a'", 0,
       "scheme: 1\nschemeName: sftp\nhost: ::1\nport: 2222\nportIsDefault: false\nuser: u\npassword: p:\n"
       "object: home\ntransferType: 1\n"},
      {"url parse 'ftp://ho[st/' --json", 1,
       R"({"ok":false,"code":"0xE160000E","text":"The specified URL has an invalid syntax.\r\n"})"
       "\n"},
      {"url parse 'http://host/'", 1, ""},
      {"url parse", 2, ""},
  };
  for (Case const& c : cases) {
    CdtoolResult const result = cdtool.Run(c.arguments);
    EXPECT_EQ(result.exitCode, c.exitCode) << c.arguments << "\n" << result.err;
    EXPECT_EQ(result.out, c.out) << c.arguments;
  }
  EXPECT_NE(cdtool.Run("url parse 'http://host/'").err.find("The URL protocol 'http' is not supported."),
            std::string::npos);
}

}  // namespace
