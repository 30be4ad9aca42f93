#include <gtest/gtest.h>

#include <filesystem>

#include "connectdialog/exchange/ImportedSessionSummary.h"
#include "exchange/PuttySessionReader.h"
#include "exchange/RemminaFileReader.h"
#include "support/TempFolder.h"

namespace {

std::vector<std::string> Lines(ImportBatch const& batch) {
  std::vector<std::string> lines;
  for (ImportedSession const& session : batch.sessions) lines.push_back(Summary(session));
  for (ImportOutcome const& outcome : batch.outcomes)
    lines.push_back(std::string(ImportOutcome::KindName(outcome.kind)) + " " + outcome.subject + ": " + outcome.reason);
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
  EXPECT_EQ(Lines(PuttySessionReader::Read(folder.Path())),
            (std::vector<std::string>{
                "badport RLogin/None host=y user= note=PortNumber \"99999\" is not a port; the protocol's own is kept",
                "console Serial/None host= user= Serial Port=/dev/ttyUSB0 Serial Baud Rate=115200",
                "noproto SSH2/SFTP host=z user=",
                "old-switch Telnet/None host=10.0.0.9 user=ops Telnet Port=23",
                "web/prod one SSH2/SFTP host=web.example.com user=admin SSH2 Port=2222 SFTP Port=2222 SSH2 Identity "
                "Filename=/k/id.ppk SSH2 Compression=true Use Terminal Type=1 Terminal Type=xterm-256color",
                "skipped Default Settings: the client's default settings, not a host",
                "skipped raw: the protocol \"raw\" has no session kind here",
            }));
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
  EXPECT_EQ(Lines(RemminaFileReader::Read(folder.Path())),
            (std::vector<std::string>{
                "Lab/Linux/Build box SSH2/SFTP host=build.lan user=ci SSH2 Port=2200 SFTP Port=2200 SSH2 Identity "
                "Filename=/home/ci/.ssh/id",
                "b SSH2/SFTP host=fd00::5 user= SSH2 Port=22 SFTP Port=22",
                "skipped Desktop: the protocol \"RDP\" has no session kind here",
                "refused Broken: the server \"h:port\" is not host[:port]",
            }));
}

}  // namespace
