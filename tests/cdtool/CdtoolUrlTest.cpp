// cdtool url parse and session from-url: the parts or the session a URL makes, or the refusal.
#include <gtest/gtest.h>

#include "support/CdtoolRunner.h"

namespace {

using CdtoolUrlTest = CdtoolTest;

TEST_F(CdtoolUrlTest, ParsePrintsThePartsOrTheReport) {
  ExpectSteps({
      {"url parse 'ftp://host/pub' --default-password 'me@' --json", 0,
       R"({"ok":true,"scheme":0,"schemeName":"ftp","host":"host","port":21,"portIsDefault":true,)"
       R"("user":"anonymous","password":"me@","object":"pub","transferType":-1})"
       "\n"},
      {"url parse 'sftp://u:p%3A@[::1]:2222/home;type=a'", 0,
       "scheme: 1\nschemeName: sftp\nhost: ::1\nport: 2222\nportIsDefault: false\nuser: u\npassword: p:\n"
       "object: home\ntransferType: 1\n"},
      {"url parse 'ftp://ho[st/' --json", 1,
       R"({"ok":false,"code":"0xE160000E","text":"The specified URL has an invalid syntax. "})"
       "\n",
       "cdtool: The specified URL has an invalid syntax. \n"},
      {"url parse", 2, ""},
      {"url parse 'http://host/'", 1, "",
       "cdtool: The URL protocol 'http' is not supported.  Supported protocols are 'ftp', 'sftp', 'ssh2', 'telnet', "
       "and 'rlogin'. \n"},
  });
}

// The transfer session a URL or a host name makes, printed and stored. Without --product the
// verb acts for the file-transfer host; a product without transfer protocols names the one it lacks.
TEST_F(CdtoolUrlTest, SessionFromUrlPrintsStoresOrRefuses) {
  ExpectSteps({
      {"session from-url 'sftp://me@files.example:2222/srv;type=a' --save files --json", 0,
       "{\"ok\":true,\"transferProtocol\":\"SFTP\",\"host\":\"files.example\",\"port\":2222,\"user\":\"me\","
       "\"initialDirectory\":\"srv\",\"transferType\":1}\n"},
      {"session from-url files.example --json", 0,
       "{\"ok\":true,\"transferProtocol\":\"SFTP\",\"host\":\"files.example\",\"port\":22,\"user\":\"\","
       "\"initialDirectory\":\"\",\"transferType\":-1}\n"},
      {"--product halofyx session from-url 192.168.1.5 --json", 0,
       "{\"ok\":true,\"transferProtocol\":\"SFTP\",\"host\":\"192.168.1.5\",\"port\":22,\"user\":\"\","
       "\"initialDirectory\":\"\",\"transferType\":-1}\n"},
      {"--product halofyx session from-url 'ftp://x/' --save files", 1, ""},
      {"--product halofyx session from-url 'gopher://x' --json", 1,
       "{\"ok\":false,\"code\":\"0xE160000F\",\"text\":\"The URL protocol 'gopher' is not supported.  Supported "
       "protocols are 'ftp', 'sftp', 'ssh2', 'telnet', and 'rlogin'. \"}\n",
       "cdtool: The URL protocol 'gopher' is not supported.  Supported protocols are 'ftp', 'sftp', 'ssh2', "
       "'telnet', and 'rlogin'. \n"},
      {"--product halofyx session ls", 0, "Default\nfiles\n"},
      {"--product halokorvo session from-url sftp://host", 1, "",
       "cdtool: The protocol SFTP is not supported in this version. \n"},
      {"--product halokorvo session from-url ftp://host", 1, "",
       "cdtool: The protocol FTP is not supported in this version. \n"},
      {"--product korvo session from-url host", 1, "",
       "cdtool: The protocol FTP is not supported in this version. \n"},
  });
}

}  // namespace
