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
  ExpectTranscriptFile("tz.txt");
  EXPECT_EQ(Run("tz ls --help").exitCode, 0);
  ScopedEnv const kolkata("TZ", "Asia/Kolkata");
  CdtoolResult const current = Run("tz show '' --json");
  EXPECT_EQ(R"({"identifier":"","bias":-330,)", current.out.substr(0, 29)) << current.err;
}

TEST_F(CdtoolVerbsTest, SessionFromUrlPrintsStoresOrRefuses) { ExpectTranscriptFile("session_from_url.txt"); }

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

// Forms and refusals of option values are in CdtoolOptionInputTest; here per-product names and
// values that loading clamps into range.
TEST_F(CdtoolVerbsTest, StoreVerbsReachTheProductsStoreAndRefusalsChangeNothing) {
  ExpectTranscriptFile("store_verbs.txt", "secret\n");
}

class CdtoolFileTypesTest : public CdtoolTranscriptTest {
 protected:
  ScopedEnv m_system{"BRIMVALE_FILETYPES_ROOT", TEST_DATA_DIR "/filetypes"};
};

TEST_F(CdtoolFileTypesTest, ListsAddsShowsAndRemovesStoredTypesAndRefusesBadInput) {
  ExpectTranscriptFile("filetypes.txt");
}

TEST_F(CdtoolVerbsTest, SyncShowsTheStoredTasks) { ExpectTranscriptFile("sync_show.txt"); }

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
