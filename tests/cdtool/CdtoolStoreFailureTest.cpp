// A configuration store that is damaged or foreign is reported as such by every session verb,
// with exit 1: never an empty tree, a missing session or "updated N of N".
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "support/CdtoolRunner.h"

namespace {

class CdtoolStoreFailureTest : public CdtoolTest {
 protected:
  // The configuration store the tool made for the product's sessions.
  std::string ConfigStore() const {
    for (auto const& entry : std::filesystem::recursive_directory_iterator(m_root.Path()))
      if (entry.path().filename() == "config.db") return entry.path().string();
    return {};
  }
};

TEST_F(CdtoolStoreFailureTest, EverySessionVerbReportsADamagedStore) {
  struct Damage {
    char const* name;
    std::function<void(std::string const&)> apply;
  };
  Damage const damages[] = {
      {"truncated", [](std::string const& file) { std::filesystem::resize_file(file, 1000); }},
      {"random bytes",
       [](std::string const& file) {
         std::ofstream out(file, std::ios::binary | std::ios::trunc);
         for (int i = 0; i < 20000; ++i) out.put(static_cast<char>((i * 7919 + 13) % 251));
       }},
  };
  char const* const verbs[] = {"session ls",         "session show Lab\\\\one",      "session new Lab\\\\two",
                               "session mkdir Work", "session set Lab\\\\one 'Title Bar=x'", "session set-all 'Use Auto Session' 1",
                               "session apply-default --yes 'Title Bar=x'", "session rename Lab\\\\one uno",
                               "session cp --unique Lab\\\\one Lab"};
  for (Damage const& damage : damages) {
    SCOPED_TRACE(damage.name);
    ASSERT_EQ(Run("session mkdir Lab").exitCode, 0);
    ASSERT_EQ(Run("session new Lab\\\\one --protocol Telnet --host h").exitCode, 0);
    std::string const store = ConfigStore();
    ASSERT_FALSE(store.empty());
    damage.apply(store);
    for (char const* verb : verbs) {
      CdtoolResult const result = Run(verb);
      EXPECT_EQ(result.exitCode, 1) << verb << "\n" << result.out << result.err;
      EXPECT_NE(result.err.find("is damaged or is not a store"), std::string::npos) << verb << "\n" << result.err;
      EXPECT_EQ(result.out, "") << verb;
    }
    std::filesystem::remove(store);
  }
}

}  // namespace
