// The verbs that make text from their arguments alone (msg, logname, tz, url parse) and those
// over the product's global store (global, schemes, firewall, filetypes, sync).
#include <nlohmann/json.hpp>
#include <regex>

#include "support/CdtoolTranscript.h"
#include "support/ScopedEnv.h"

namespace {

using CdtoolVerbsTest = CdtoolTranscriptTest;

TEST_F(CdtoolVerbsTest, TextVerbsPrintTheirTextOrRefuseBadArguments) {
  ScopedEnv const zone("TZ", "UTC0");
  ExpectTranscriptFile("text_verbs.txt");
  CdtoolResult const unknown = Run("msg 12345678");
  EXPECT_EQ(0, unknown.exitCode);
  EXPECT_EQ(0u, unknown.out.find("Could not retrieve the error text for error code 0x12345678.\r\n")) << unknown.out;
  EXPECT_TRUE(std::regex_match(Run("logname '%Y%%'").out, std::regex("[0-9]{4}%\n")));
}

class CdtoolTzTest : public CdtoolTranscriptTest {
 protected:
  ScopedEnv m_tz{"TZ", "UTC"};
};

TEST_F(CdtoolTzTest, ListsEveryZoneFromTheWest) {
  CdtoolResult const result = Run("tz ls --json");
  ASSERT_EQ(0, result.exitCode) << result.err;
  nlohmann::json const list = nlohmann::json::parse(result.out);
  ASSERT_GT(list["zones"].size(), 100u);
  int previous = 24 * 60;
  for (nlohmann::json const& zone : list["zones"]) {
    int const offset = zone["standardOffset"]["hours"].get<int>() * 60 + zone["standardOffset"]["minutes"].get<int>();
    EXPECT_LE(offset, previous) << zone["identifier"];
    previous = offset;
    EXPECT_FALSE(zone["description"].get<std::string>().empty()) << zone["identifier"];
  }
  EXPECT_NE(Run("tz ls").out.find("\nPacific Standard Time\t(UTC-08:00) Pacific Time (US & Canada)\tUTC-08:00\t"
                                  "daylight UTC-07:00\n"), std::string::npos);
}

TEST_F(CdtoolTzTest, ShowPrintsTheRuleAndTransitionsItsInstants) {
  CdtoolResult const show = Run("tz show 'pacific standard time' --json");
  ASSERT_EQ(0, show.exitCode) << show.err;
  std::string const rule =
      R"({"identifier":"Pacific Standard Time","bias":480,"standardBias":0,"daylightBias":-60,)"
      R"("standardDate":{"year":0,"month":11,"dayOfWeek":0,"day":1,"hour":2,"minute":0},)"
      R"("daylightDate":{"year":0,"month":3,"dayOfWeek":0,"day":2,"hour":2,"minute":0},"isDaylightNow":)";
  EXPECT_EQ(rule, show.out.substr(0, rule.size()));
  ExpectTranscript("tz.txt", {"tz transitions 'Pacific Standard Time' 2026",
                              "tz transitions 'tokyo standard time' 2030", "tz show XYZ",
                              "tz transitions 'Atlantis Standard Time' 2026", "tz transitions PST 1600",
                              "tz transitions PST soon", "tz show", "tz", "tz frobnicate"});
  EXPECT_EQ(Run("tz ls --help").exitCode, 0);
  ScopedEnv const kolkata("TZ", "Asia/Kolkata");
  CdtoolResult const current = Run("tz show '' --json");
  EXPECT_EQ(R"({"identifier":"","bias":-330,)", current.out.substr(0, 29)) << current.err;
}

// The transfer session a URL or a host name makes, printed and stored. Without --product the
// verb acts for the file-transfer host; a product without transfer protocols names the one it lacks.
TEST_F(CdtoolVerbsTest, SessionFromUrlPrintsStoresOrRefuses) {
  ExpectTranscript("session_from_url.txt",
                   {"session from-url 'sftp://me@files.example:2222/srv;type=a' --save files --json",
                    "session from-url files.example --json", "--product halofyx session from-url 192.168.1.5 --json",
                    "--product halofyx session from-url 'ftp://x/' --save files",
                    "--product halofyx session from-url 'gopher://x' --json", "--product halofyx session ls",
                    "--product halokorvo session from-url sftp://host",
                    "--product halokorvo session from-url ftp://host", "--product korvo session from-url host"});
}

TEST_F(CdtoolVerbsTest, GlobalShowListsEveryOptionAndResetAsksFirst) {
  ASSERT_EQ(0, Run("global set Timeout 30").exitCode);
  CdtoolResult const show = Run("global show");
  for (char const* line : {"\nTimeout\tnumber\t30\n", "\nVersion\ttext\t7B2F2717-85C8-4729-8394-3B7697039CEB\n",
                           "\nConfig Path\ttext\t\n"})
    EXPECT_NE(std::string::npos, show.out.find(line)) << line;
  // No answer takes the default, No.
  std::string const asked = "Delete every global option of HaloKorvo in " + m_root.File("user/HaloKorvo/config.db") +
                            "?\n[y/N] cdtool: nothing was deleted\n";
  ExpectSteps({{"global reset", 1, "", asked, "n\n"}, {"global get Timeout", 0, "30\n"}, {"global reset", 1, ""},
               {"global reset", 0, "", "", "y\n"}, {"global get Timeout", 0, "180\n"}, {"global set Timeout 30", 0, ""},
               {"global reset --yes", 0, ""}, {"global get Timeout", 0, "180\n"}});
}

// What the host's store holds after each verb of global options (forms and refusals are in
// CdtoolOptionInputTest; here per-product names and values that loading clamps into range), colour
// schemes and firewalls; a refusal changes nothing. Only --password-stdin reads the input.
TEST_F(CdtoolVerbsTest, StoreVerbsReachTheProductsStoreAndRefusalsChangeNothing) {
  std::string const schemesKey = "'FILE:" + m_root.File("user/HaloKorvo/config.db") + "\\Color Schemes'";
  ExpectTranscript(
      "store_verbs.txt",
      {"global set 'Max Columns' 200", "global get 'max columns' --json", "global set 'max columns' 80",
       "global get 'Max Columns'", "--product halofyx global set 'Show Toolbar HFYX' 0",
       "--product halofyx global get 'Show Toolbar HFYX'", "global set 'Show Toolbar HFYX' 0", "schemes list",
       "schemes add Mine --fg 112233 --bg aAbBcC", "schemes rm 'yellow / black'", "schemes list",
       "--product halofyx schemes list", "schemes show MINE", "reg get " + schemesKey + " Mine --json",
       "reg get " + schemesKey + " 'Yellow / Black'", "schemes rm monochrome", "schemes rm Windows",
       "schemes rm TRADITIONAL", "schemes rm Nope", "schemes add mine --fg 000000 --bg FFFFFF",
       "schemes add '' --fg 000000 --bg FFFFFF", "schemes add X --fg 12345 --bg FFFFFF", "schemes add X --fg 000000",
       "--product other schemes list", "schemes list", "firewall ls",
       "firewall add Corp --type socksv5_userpass --host proxy.example --port 1080 --user me --password-stdin",
       "firewall add Lab --type 'Generic proxy' --host 10.0.0.1 --port 8080",
       "firewall add CORP --type SOCKSv4 --host x --port 1", "firewall add NONE --type SOCKSv5 --host x --port 1",
       "firewall add none --type SOCKSv5 --host x --port 1", "firewall add X --type bogus --host x --port 1",
       "firewall add X --type SOCKSv4 --host x --port 70000", "firewall ls --json", "firewall show Corp --json",
       "firewall rm None", "firewall rm Lab", "firewall rm Lab", "firewall show Lab", "firewall ls"},
      "secret\n");
}

class CdtoolFileTypesTest : public CdtoolTranscriptTest {
 protected:
  ScopedEnv m_system{"BRIMVALE_FILETYPES_ROOT", TEST_DATA_DIR "/filetypes"};
};

// Adding to an existing type merges its extensions; binary stays binary; bad input is refused.
TEST_F(CdtoolFileTypesTest, ListsAddsShowsAndRemovesStoredTypesAndRefusesBadInput) {
  ExpectTranscript("filetypes.txt",
                   {"filetypes ls", "filetypes add Notes --ext md,TXT,.note --transfer BINARY --open-action save",
                    "filetypes show notes --json", "filetypes add NOTES --ext markdown --transfer ascii",
                    "filetypes show Notes", "filetypes rm notes", "filetypes show Notes", "filetypes add X --ext 'a|b'",
                    "filetypes add X --ext ''", "filetypes add ' ' --ext zz",
                    "filetypes add X --ext zz --transfer text",
                    "filetypes add X", "filetypes rm Missing", "filetypes rm 'DOS/Windows executable'", "filetypes",
                    "filetypes show X"});
}

// A synchronisation profile written value by value into the store; without a target the
// second task is not loaded.
TEST_F(CdtoolVerbsTest, SyncShowsTheStoredTasks) {
  EXPECT_EQ(Run("--product halofyx sync show --json").out, "{\"tasks\":[]}\n");
  std::string const key = "'FILE:" + m_root.File("user/HaloFyx/config.db") + "\\QuickSync' ";
  for (char const* value : {"'Task[0].Name' --sz Docs", "'Task[0].Type' --dword 4294967295",
                            "'Task[0].Source[0].Session' --sz ''", "'Task[0].Source[0].Path' --sz /home/docs",
                            "'Task[0].Source[0].Recurse' --dword 0", "'Task[0].Target[0].Session' --sz Backup",
                            "'Task[0].Target[0].Path' --sz 'C:\\docs'", "'Task[1].Name' --sz Half",
                            "'Task[1].Type' --dword 1", "'Task[1].Source[0].Session' --sz x"})
    ASSERT_EQ(Run("reg set " + key + value).exitCode, 0) << value;
  ExpectTranscript("sync_show.txt", {"--product halofyx sync show --json", "--product halofyx sync show"});
}

// Names that are not UTF-8 reach every output, plain and JSON, without a crash: JSON shows such
// bytes as U+FFFD, as the registry verbs always did; plain text keeps them.
TEST_F(CdtoolVerbsTest, StoredNamesThatAreNotUtf8NeverStopAnOutput) {
  std::string const bad = "Bad\xFFName";
  std::string const shown = "Bad\xEF\xBF\xBDName";
  ASSERT_EQ(Run("schemes add '" + bad + "' --fg 000000 --bg FFFFFF").exitCode, 0);
  ASSERT_EQ(Run("firewall add '" + bad + "' --type SOCKSv4 --host proxy --port 1080").exitCode, 0);
  ASSERT_EQ(Run("session mkdir '" + bad + "'").exitCode, 0);
  for (auto const& [arguments, shows] : std::vector<std::pair<std::string, std::string>>{
           {"global show", bad}, {"global show --json", shown}, {"global get 'Color Schemes'", bad},
           {"global get 'Color Schemes' --json", shown}, {"schemes list", bad}, {"firewall ls", bad},
           {"firewall ls --json", shown}, {"firewall show '" + bad + "'", bad},
           {"firewall show '" + bad + "' --json", shown},
           {"session ls", bad}, {"session ls --json", shown}, {"session ls --tree --json", shown}}) {
    CdtoolResult const result = Run(arguments);
    EXPECT_EQ(result.exitCode, 0) << arguments << "\n" << result.err;
    EXPECT_NE(result.out.find(shows), std::string::npos) << arguments << "\n" << result.out;
  }
}

}  // namespace
