// Runs `cdtool tz` against a temporary root: listing order, a rule's stable JSON, transitions
// and refusals.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "support/CdtoolRunner.h"
#include "support/ScopedEnv.h"

namespace {

class CdtoolTzTest : public CdtoolTest {
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
  CdtoolResult const plain = Run("tz ls");
  EXPECT_NE(std::string::npos,
            plain.out.find("\nPacific Standard Time\t(UTC-08:00) Pacific Time (US & Canada)\tUTC-08:00\tdaylight "
                           "UTC-07:00\n"));
}

TEST_F(CdtoolTzTest, ShowPrintsTheRuleAndTransitionsItsInstants) {
  CdtoolResult const show = Run("tz show 'pacific standard time' --json");
  ASSERT_EQ(0, show.exitCode) << show.err;
  std::string const rule =
      R"({"identifier":"Pacific Standard Time","bias":480,"standardBias":0,"daylightBias":-60,)"
      R"("standardDate":{"year":0,"month":11,"dayOfWeek":0,"day":1,"hour":2,"minute":0},)"
      R"("daylightDate":{"year":0,"month":3,"dayOfWeek":0,"day":2,"hour":2,"minute":0},"isDaylightNow":)";
  EXPECT_EQ(rule, show.out.substr(0, rule.size()));
  EXPECT_EQ(show.out.substr(0, 34), Run("tz show 'Pacific Standard Time' --json").out.substr(0, 34));

  CdtoolResult const transitions = Run("tz transitions 'Pacific Standard Time' 2026");
  ASSERT_EQ(0, transitions.exitCode) << transitions.err;
  EXPECT_EQ(
      "daylight start: 2026-03-08 02:00 standard time (2026-03-08 10:00 UTC)\n"
      "standard start: 2026-11-01 01:00 standard time (2026-11-01 09:00 UTC)\n",
      transitions.out);
  EXPECT_EQ("Tokyo Standard Time has no daylight-saving time\n", Run("tz transitions 'tokyo standard time' 2030").out);

  ScopedEnv const kolkata("TZ", "Asia/Kolkata");
  CdtoolResult const current = Run("tz show '' --json");
  EXPECT_EQ(R"({"identifier":"","bias":-330,)", current.out.substr(0, 29)) << current.err;
}

TEST_F(CdtoolTzTest, RefusalsAndUsageErrorsHaveTheirExitCodes) {
  ExpectExits({
      {"tz show XYZ", 1, "no time zone named \"XYZ\""},
      {"tz transitions 'Atlantis Standard Time' 2026", 1, "no time zone named"},
      {"tz transitions PST 1600", 2, "YEAR"},
      {"tz transitions PST soon", 2, "YEAR"},
      {"tz show", 2, "ZONE"},
      {"tz", 2, ""},
      {"tz frobnicate", 2, ""},
      {"tz ls --help", 0, ""},
  });
}

}  // namespace
