#include <gtest/gtest.h>

#include <filesystem>

#include "connectdialog/exchange/ImportedSessionSummary.h"
#include "exchange/PuttySessionReader.h"
#include "exchange/RemminaFileReader.h"
#include "support/Golden.h"
#include "support/TempFolder.h"

namespace {

// The sessions made, then the outcomes as "kind subject: reason", a line each.
std::string Lines(ImportBatch const& batch) {
  std::string lines;
  for (ImportedSession const& session : batch.sessions) lines += Summary(session) + "\n";
  for (ImportOutcome const& outcome : batch.outcomes)
    lines += std::string(ImportOutcome::KindName(outcome.kind)) + " " + outcome.subject + ": " + outcome.reason + "\n";
  return lines;
}

TEST(PuttySessionReaderTest, ReadsEverySessionFileOfTheFolder) {
  TempFolder folder;
  WriteFileBytes(folder / "Default%20Settings", "HostName=\nProtocol=ssh\n");
  WriteFileBytes(folder / "web%2Fprod%20one",
                 "HostName=admin@web.example.com\nPortNumber=2222\nProtocol=ssh\nUserName=\nPublicKeyFile=/k/id.ppk\n"
                 "Compression=1\nTerminalType=xterm-256color\n");
  WriteFileBytes(folder / "old-switch", "HostName=10.0.0.9\r\nPortNumber=23\r\nProtocol=telnet\r\nUserName=ops\r\n");
  WriteFileBytes(folder / "console", "Protocol=serial\nSerialLine=/dev/ttyUSB0\nSerialSpeed=115200\n");
  WriteFileBytes(folder / "raw", "HostName=x\nProtocol=raw\n");
  WriteFileBytes(folder / "badport", "HostName=y\nPortNumber=99999\nProtocol=rlogin\n");
  WriteFileBytes(folder / "noproto", "HostName=z\n");
  WriteFileBytes(folder / ".hidden", "HostName=h\n");
  std::filesystem::create_directory(folder / "sub");
  ExpectGolden("exchange/putty_folder.txt", Lines(PuttySessionReader::Read(folder.Path())));
  EXPECT_EQ(PuttySessionReader::Read(folder / "missing").error, "no file or folder " + (folder / "missing"));
}

TEST(PuttySessionReaderTest, DecodesEscapedNames) {
  std::pair<char const*, char const*> const cases[] = {
      {"a%20b", "a b"}, {"%41%42", "AB"}, {"100%", "100%"}, {"%4", "%4"}, {"%zz", "%zz"}, {"%2f%2F", "//"}};
  for (auto const& [encoded, decoded] : cases) EXPECT_EQ(PuttySessionReader::DecodeName(encoded), decoded) << encoded;
}

TEST(RemminaFileReaderTest, ReadsSshAndSftpConnectionsAndSkipsTheRest) {
  TempFolder folder;
  WriteFileBytes(folder / "a.remmina",
                 "[remmina]\nname=Build box\ngroup=Lab/Linux\nserver=build.lan:2200\nprotocol=SSH\nusername=ci\n"
                 "ssh_privatekey=/home/ci/.ssh/id\n");
  WriteFileBytes(folder / "b.remmina", "[other]\nname=wrong\n[remmina]\nserver=[fd00::5]\nprotocol=SFTP\n");
  WriteFileBytes(folder / "c.remmina", "[remmina]\nname=Desktop\nserver=pc\nprotocol=RDP\n");
  WriteFileBytes(folder / "d.remmina", "[remmina]\nname=Broken\nserver=h:port\nprotocol=SSH\n");
  WriteFileBytes(folder / "notes.txt", "[remmina]\nprotocol=SSH\nserver=ignored\n");
  ExpectGolden("exchange/remmina_folder.txt", Lines(RemminaFileReader::Read(folder.Path())));
}

}  // namespace
