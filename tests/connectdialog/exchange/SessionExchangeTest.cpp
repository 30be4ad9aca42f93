// Reading other tools' session files (ssh_config, PuTTY, Remmina) and writing them out again.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <sstream>

#include "exchange/CsvSessionWriter.h"
#include "exchange/JumpHost.h"
#include "exchange/PuttySessionReader.h"
#include "exchange/RemminaFileReader.h"
#include "exchange/SshConfigLine.h"
#include "exchange/SshConfigReader.h"
#include "exchange/SshConfigWriter.h"
#include "exchange/SshHostPattern.h"
#include "support/CaseFile.h"
#include "support/TempFolder.h"

namespace {

// An imported session as one line: path, protocols, host, user, each option "name=value", then
// the jump host and the note when there are any.
std::string Summary(ImportedSession const& session) {
  std::string text = session.PathText() + " " + session.terminalProtocol + "/" + session.transferProtocol + " host=" +
                     session.host + " user=" + session.user;
  for (ImportedSession::Option const& option : session.options) text += " " + option.name + "=" + option.value;
  if (!session.jump.empty()) text += " jump=" + session.jump;
  if (!session.note.empty()) text += " note=" + session.note;
  return text;
}

// The sessions made, a line each, then the outcomes as "kind subject[ line-number]: reason".
std::string Lines(ImportBatch const& batch, bool lineNumbers = false) {
  std::string lines;
  for (ImportedSession const& session : batch.sessions) lines += Summary(session) + "\n";
  for (ImportOutcome const& outcome : batch.outcomes)
    lines += std::string(ImportOutcome::KindName(outcome.kind)) + " " + outcome.subject +
             (lineNumbers ? " " + outcome.source.substr(outcome.source.rfind(':') + 1) : "") + ": " + outcome.reason +
             "\n";
  return lines;
}

// Each case is a kind of form, a blank, and the text to put in that form.
void ExpectFormCases(std::string const& name, std::map<std::string, std::function<std::string(std::string)>> forms) {
  ExpectCaseFile(name, [&](std::string const& input) {
    size_t const blank = input.find(' ');
    return forms.at(input.substr(0, blank))(blank == std::string::npos ? "" : input.substr(blank + 1));
  });
}

TEST(SshConfigSyntaxTest, LinesSplitAndHostPatternsMatchAsSshDoes) {
  ExpectFormCases("exchange/ssh_config_syntax.txt", {
      {"split", [](std::string const& text) {
         SshConfigLine line;
         std::string error;
         if (!SshConfigLine::Split(text, line, error)) return "refused: " + error;
         std::string answer = "[" + line.keyword + "]";
         for (std::string const& argument : line.arguments) answer += "[" + argument + "]";
         return answer;
       }},
      {"match", [](std::string const& text) {
         std::istringstream words(text.substr(0, text.find(" : ")));
         std::vector<std::string> patterns;
         for (std::string word; words >> word;) patterns.push_back(word);
         return std::string(SshHostPattern(patterns).Matches(text.substr(text.find(" : ") + 3)) ? "matches" : "no match");
       }}});
}

TEST(SessionWritersTest, NamesTakeTheFormsOfTheirFiles) {
  ExpectFormCases("exchange/name_forms.txt", {
      {"alias", [](std::string const& path) { return SshConfigWriter::Alias(path); }},
      {"csv", [](std::string const& value) { return "[" + CsvSessionWriter::Field(value) + "]"; }},
      {"jump", [](std::string const& hops) {
         std::optional<JumpHost> const jump = JumpHost::FirstHop(hops);
         return jump ? "user=" + jump->user + " host=" + jump->host + " port=" + std::to_string(jump->port)
                     : std::string("refused");
       }},
      {"putty-name", [](std::string const& name) { return PuttySessionReader::DecodeName(name); }}});
  EXPECT_EQ(CsvSessionWriter::Field("two\nlines"), "\"two\nlines\"");
}

// A session to export with the fields every one has; the rest are left empty.
ExportedSession Exported(char const* path, char const* protocol, char const* host, int port = -1) {
  ExportedSession session;
  session.path = path;
  session.terminalProtocol = protocol;
  session.host = host;
  session.port = port;
  return session;
}

TEST(SessionWritersTest, SshConfigGivesEachSessionAUniqueAliasAndOnlySshSessions) {
  ExportedSession one = Exported("a b", "SSH2", "h one", 22);
  one.user = "me";
  ExportedSession two = Exported("a_b", "Telnet", "x\\y", 2200);
  two.transferProtocol = "SFTP";
  two.identityFile = "~/k";
  two.compression = true;
  two.authenticationOrder = "gssapi,password";
  two.jump = "j@b:1";
  ExportedSession const telnet = Exported("t", "Telnet", "t");
  EXPECT_EQ(SshConfigWriter::Write({one, two, telnet}),
            "# Sessions exported by cdtool. Passwords are not exported.\n\n"
            "# Session: a b\nHost a_b\n  HostName \"h one\"\n  Port 22\n  User me\n\n"
            "# Session: a_b\nHost a_b~2\n  HostName \"x\\\\y\"\n  Port 2200\n  IdentityFile ~/k\n  Compression yes\n"
            "  PreferredAuthentications gssapi-with-mic,password\n  ProxyJump j@b:1\n");
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

class SshConfigReaderTest : public ::testing::Test {
 protected:
  std::string Write(std::string const& name, std::string const& text) {
    std::filesystem::create_directories(std::filesystem::path(m_home / (".ssh/" + name)).parent_path());
    WriteFileBytes(m_home / (".ssh/" + name), text);
    return m_home / (".ssh/" + name);
  }
  ImportBatch Read(std::string const& text) { return SshConfigReader(m_home.Path()).Read(Write("config", text)); }
  TempFolder m_home;
};

TEST_F(SshConfigReaderTest, EveryAliasGetsTheFirstValueOfEveryBlockThatApplies) {
  ExpectCaseFile("exchange/ssh_config_reader.txt", [&](std::string config) {
    for (size_t at = 0; (at = config.find("\\n", at)) != std::string::npos;) config.replace(at, 2, "\n");
    ImportBatch const batch = Read(config);
    return (batch.error.empty() ? "" : "error: " + batch.error + "\n") + Lines(batch, true);
  });
}

TEST_F(SshConfigReaderTest, IncludeReadsInPlaceWithinTheBlockAroundIt) {
  Write("conf.d/a.conf", "Host inc\n Port 2022\n");
  Write("conf.d/b.conf", "User fromb\n");
  Write("only-a", "Port 3000\nHost hidden\n");
  std::string const absolute = Write("abs.conf", "Host abs\n");
  // b.conf starts where the Include stands, not inside a.conf's last block; "hidden" lies in a
  // file included inside "Host first", so that file's Port applies to "first" alone. (ssh -G agrees.)
  EXPECT_EQ(Lines(Read("Include conf.d/*.conf " + absolute + " missing*.conf\nHost first\n Include only-a\nHost last\n")),
            "inc SSH2/SFTP host=inc user=fromb SSH2 Port=2022 SFTP Port=2022\n"
            "abs SSH2/SFTP host=abs user=fromb\n"
            "first SSH2/SFTP host=first user=fromb SSH2 Port=3000 SFTP Port=3000\n"
            "hidden SSH2/SFTP host=hidden user=fromb\nlast SSH2/SFTP host=last user=fromb\n");
}

TEST_F(SshConfigReaderTest, AnIncludeCycleEndsWithAReportAndAnUnreadableSourceIsAnError) {
  Write("loop", "Host looped\nInclude loop\n");
  EXPECT_EQ(Lines(Read("Include loop\n"), true),
            "looped SSH2/SFTP host=looped user=\n"
            "refused Include 2: Include nested more than 16 deep (a file including itself?)\n");
  // A folder is no file.
  EXPECT_EQ(SshConfigReader(m_home.Path()).Read(m_home / "none").error, "cannot read " + (m_home / "none"));
  EXPECT_EQ(SshConfigReader(m_home.Path()).Read(m_home.Path()).error, m_home.Path() + " is a folder, not a file");
}

}  // namespace
