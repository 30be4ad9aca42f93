// `cdtool reg` against the test's root: typed values and their JSON, key paths, .reg files and
// the depth limits.
#include "support/CdtoolTranscript.h"
#include "support/DeepKeyChain.h"
#include "support/KeyChainPath.h"

namespace {

using CdtoolRegTest = CdtoolTranscriptTest;

TEST_F(CdtoolRegTest, SetGetRefusalsAndListingsPrintStably) {
  ExpectTranscriptFile("reg.txt");
  EXPECT_EQ(Run("reg get 'HKCU\\A' v --help").exitCode, 0);
}

TEST_F(CdtoolRegTest, ExportImportRoundTripThroughAHiveFile) {
  ASSERT_EQ(0, Run("reg set 'HKCU\\S\\Sessions\\One' Port --dword 22").exitCode);
  ASSERT_EQ(0, Run("reg set 'HKCU\\S\\Sessions\\One' Host --sz 'h\\x'").exitCode);
  ASSERT_EQ(0, Run("reg set 'HKCU\\S' '' --multi-sz 'caf\xC3\xA9' b").exitCode);
  ASSERT_EQ(0, Run("reg set 'HKCU\\S' Key --binary " + std::string(200, 'e')).exitCode);
  std::string const tree = Run("reg tree 'HKCU\\S' --json").out;
  for (char const* v5 : {"", " --v5"}) {
    std::string const file = m_root.File(std::string("out") + v5 + ".reg");
    ASSERT_EQ(0, Run(std::string("reg export 'HKCU\\S' -o '") + file + "'" + v5).exitCode);
    EXPECT_EQ(ReadFileBytes(file), Run(std::string("reg export 'HKCU\\S'") + v5).out);
    std::string const hive = "FILE:" + m_root.File(std::string("copy") + v5 + ".db");
    CdtoolResult const imported = Run("reg import '" + file + "' --into '" + hive + "'");
    ASSERT_EQ(0, imported.exitCode) << imported.err;
    std::string copy = Run("reg tree '" + hive + "\\S' --json").out;
    ASSERT_NE(std::string::npos, copy.find("FILE:"));
    // Only the root's name differs between the two trees.
    for (std::size_t at; (at = copy.find(hive)) != std::string::npos;) copy.replace(at, hive.size(), "HKEY_CURRENT_USER");
    EXPECT_EQ(tree, copy) << v5;
  }
}

TEST_F(CdtoolRegTest, AMalformedImportIsRefusedWithItsLineAndAppliesNothing) {
  std::string const file = WriteFile("bad.reg", "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\New]\r\n\"a\"=dword:1\r\n"
                                                "; fine so far\r\n\"b\"=dword:123456789\r\n");
  CdtoolResult const result = Run("reg import '" + file + "'");
  EXPECT_EQ(1, result.exitCode);
  EXPECT_NE(std::string::npos, result.err.find("line 6: dword value needs 1 to 8 hex digits; nothing was imported"))
      << result.err;
  EXPECT_EQ(1, Run("reg ls 'HKCU\\New'").exitCode);
  WriteFileBytes(file, "REGEDIT4\r\n[HKEY_CURRENT_USER\\New]\r\n\"a\"=dword:1\r\n");
  EXPECT_EQ(0, Run("reg import '" + file + "'").exitCode);
  EXPECT_EQ("1\n", Run("reg get 'HKCU\\New' a").out);
}

TEST_F(CdtoolRegTest, KeysPastTheDepthLimitAreRefusedAndADeepTreePrintsEveryLevel) {
  ASSERT_EQ(0, Run("reg set 'HKCU\\" + KeyChainPath(512) + "' v --dword 1").exitCode);
  ExpectExits({{"reg set 'HKCU\\" + KeyChainPath(513) + "' v --dword 1", 1, "too deep: keys lie at most 512 levels"}});
  std::string expected = "HKEY_CURRENT_USER\\k\\\n";
  for (int level = 1; level < 512; ++level) expected += std::string(2 * level, ' ') + "k\\\n";
  expected += std::string(2 * 512, ' ') + "v  REG_DWORD  1\n";
  EXPECT_EQ(expected, Run("reg tree 'HKCU\\k'").out);
}

// A hive written before the limit may hold a far deeper chain: reading it stops with a clear
// refusal instead of exhausting the stack, and it can still be listed and deleted.
TEST_F(CdtoolRegTest, AnOlderHiveWithDeeperKeysIsRefusedByTheWalksAndCanBeDeleted) {
  ASSERT_EQ(0, Run("reg set 'HKCU\\Top' v --dword 1").exitCode);
  ASSERT_TRUE(AddDeepKeyChain(m_root.File("user/registry.db"), {"top"}, 100000, "k", false));
  ExpectExits({{"reg tree 'HKCU\\Top'", 1, "cannot read HKCU\\Top: too deep"}, {"reg export 'HKCU\\Top'", 1, "too deep"}});
  EXPECT_EQ("k\\\nv  REG_DWORD  1\n", Run("reg ls 'HKCU\\Top'").out);
  EXPECT_EQ(0, Run("reg del 'HKCU\\Top'").exitCode);
  EXPECT_EQ(1, Run("reg ls 'HKCU\\Top'").exitCode);
}

}  // namespace
