// The time-zone list of a user who may not write the machine hive.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>

#include "support/ScopedEnv.h"
#include "support/ScopedRoot.h"
#include "support/UnprivilegedChild.h"
#include "transfer/TimeZone.h"

namespace {

namespace fs = std::filesystem;

std::string Bytes(void const* data, size_t size) { return std::string(static_cast<char const*>(data), size); }

// Every zone's identifier, description and rule in list order; the label too where it does not
// depend on the moment (no daylight time).
std::string Listing() {
  TimeZone const zones;
  std::string listing;
  for (int i = 0; i < zones.TimeZoneCount(); ++i) {
    TIME_ZONE_INFORMATION info{};
    int isDaylight = 0;
    zones.GetTimeZoneInformation(zones.Identifier(i), info, isDaylight);
    listing += std::string(zones.Identifier(i)) + "|" + zones.Description(i) + "|" +
               Bytes(&info.Bias, sizeof info.Bias) + Bytes(&info.StandardBias, sizeof info.StandardBias) +
               Bytes(&info.DaylightBias, sizeof info.DaylightBias) +
               Bytes(&info.StandardDate, sizeof info.StandardDate) +
               Bytes(&info.DaylightDate, sizeof info.DaylightDate) + "|" +
               (info.DaylightDate.wMonth == 0 ? zones.Label(zones.Identifier(i)) : "") + "\n";
  }
  return listing;
}

TEST(TimeZoneUnprivilegedTest, AUserWhoCannotWriteTheMachineHiveGetsTheListRootStores) {
  ScopedEnv const tz("TZ", "UTC");
  ScopedRoot const root;
  fs::path const machine = root.File("machine");
  // As on a fresh system: the machine folder is there, and only its owner may write it.
  fs::create_directory(machine);
  fs::permissions(root.Path(), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                   fs::perms::others_read | fs::perms::others_exec);
  fs::permissions(machine, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                               fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
  std::optional<std::string> const built = RunUnprivileged(Listing);
  ASSERT_TRUE(built.has_value()) << "the unprivileged child did not run to its end";
  EXPECT_TRUE(fs::is_empty(machine)) << "nothing is stored for a user who may not write there";

  fs::permissions(machine, fs::perms::owner_write, fs::perm_options::add);
  RegUnloadHives();
  std::string const stored = Listing();
  ASSERT_TRUE(fs::exists(machine / "registry.db"));
  EXPECT_GT(std::count(stored.begin(), stored.end(), '\n'), 100);
  EXPECT_EQ(stored, *built);
}

}  // namespace
