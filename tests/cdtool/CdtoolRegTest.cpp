// Runs the cdtool program against a temporary root and checks exit codes and output.
#include <gtest/gtest.h>

#include <string>

#include "support/CdtoolRunner.h"
#include "support/DeepKeyChain.h"
#include "support/KeyChainPath.h"

namespace {

using Result = CdtoolResult;
using CdtoolRegTest = CdtoolTest;

TEST_F(CdtoolRegTest, SetThenGetGivesStableJson) {
  struct Case {
    std::string setArguments;
    std::string json;
  };
  Case const cases[] = {
      {"--dword 4294967295", R"({"name":"v","type":"REG_DWORD","data":4294967295})"},
      {"--dword 0x2A", R"({"name":"v","type":"REG_DWORD","data":42})"},
      {"--sz 'a \"b\" \\ c'", R"({"name":"v","type":"REG_SZ","data":"a \"b\" \\ c"})"},
      {"--sz ''", R"({"name":"v","type":"REG_SZ","data":""})"},
      {"--binary 00,Ff,10", R"({"name":"v","type":"REG_BINARY","data":"00ff10"})"},
      {"--multi-sz one 'two words'", R"({"name":"v","type":"REG_MULTI_SZ","data":["one","two words"]})"},
      {"--multi-sz", R"({"name":"v","type":"REG_MULTI_SZ","data":[]})"},
      {"--multi-sz '{}'", R"({"name":"v","type":"REG_MULTI_SZ","data":[]})"},
      {"--multi-sz a '' b", R"({"name":"v","type":"REG_MULTI_SZ","data":["a","","b"]})"},
      {"--multi-sz '' a ''", R"({"name":"v","type":"REG_MULTI_SZ","data":["","a",""]})"},
      {"--multi-sz ''", R"({"name":"v","type":"REG_MULTI_SZ","data":[""]})"},
  };
  for (Case const& c : cases) {
    Result const set = Run("reg set 'HKCU\\Software\\T' v " + c.setArguments);
    ASSERT_EQ(0, set.exitCode) << c.setArguments << set.err;
    Result const get = Run("reg get 'HKEY_CURRENT_USER\\software\\t' v --json");
    EXPECT_EQ(0, get.exitCode) << get.err;
    EXPECT_EQ(c.json + "\n", get.out) << c.setArguments;
  }
}

TEST_F(CdtoolRegTest, RefusalsAndUsageErrorsHaveTheirExitCodes) {
  ASSERT_EQ(0, Run("reg set 'HKCU\\A' v --sz x").exitCode);
  ExpectExits({
      {"reg get 'HKCU\\X' v", 1, "no such key: HKCU\\X"},
      {"reg get 'HKCU\\A' w", 1, "no such value"},
      {"reg ls 'HKXX\\A'", 1, "unknown hive"},
      {"reg ls 'HKCU\\A\\'", 1, "empty part"},
      {"reg del 'HKCU\\X'", 1, "no such key"},
      {"reg del HKCU", 1, "whole hive"},
      {"reg del 'HKCU\\A' w", 1, "no such value"},
      {"reg set 'HKCU\\A' v --dword 4294967296", 2, "--dword"},
      {"reg set 'HKCU\\A' v --dword -1", 2, "--dword"},
      {"reg set 'HKCU\\A' v --binary 0g", 2, "--binary"},
      {"reg set 'HKCU\\A' v --binary 012", 2, "even number"},
      {"reg set 'HKCU\\A' v", 2, ""},
      {"reg set 'HKCU\\A' v --sz a --dword 1", 2, ""},
      {"reg set 'HKCU\\A' v --multi-sz a '' --binary 00", 2, ""},
      {"reg frobnicate", 2, ""},
      {"reg", 2, ""},
      {"reg import '/nonexistent/file.reg'", 1, "cannot read"},
      {"reg get 'HKCU\\A' v --help", 0, ""},
  });
  EXPECT_EQ("x\n", Run("reg get 'HKCU\\A' v").out);
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
    Result const imported = Run("reg import '" + file + "' --into '" + hive + "'");
    ASSERT_EQ(0, imported.exitCode) << imported.err;
    std::string copy = Run("reg tree '" + hive + "\\S' --json").out;
    std::size_t const prefix = copy.find("FILE:");
    ASSERT_NE(std::string::npos, prefix);
    // Only the root's name differs between the two trees.
    std::string expected = tree;
    for (std::size_t at; (at = copy.find(hive)) != std::string::npos;) copy.replace(at, hive.size(), "HKEY_CURRENT_USER");
    EXPECT_EQ(expected, copy) << v5;
  }
}

TEST_F(CdtoolRegTest, AMalformedImportIsRefusedWithItsLineAndAppliesNothing) {
  std::string const file = WriteFile("bad.reg", "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\New]\r\n\"a\"=dword:1\r\n"
                                                "; fine so far\r\n\"b\"=dword:123456789\r\n");
  Result const result = Run("reg import '" + file + "'");
  EXPECT_EQ(1, result.exitCode);
  EXPECT_NE(std::string::npos, result.err.find("line 6: dword value needs 1 to 8 hex digits")) << result.err;
  EXPECT_EQ(1, Run("reg ls 'HKCU\\New'").exitCode);
  WriteFileBytes(file, "REGEDIT4\r\n[HKEY_CURRENT_USER\\New]\r\n\"a\"=dword:1\r\n");
  EXPECT_EQ(0, Run("reg import '" + file + "'").exitCode);
  EXPECT_EQ("1\n", Run("reg get 'HKCU\\New' a").out);
}

TEST_F(CdtoolRegTest, ListingAndTreeDocumentsHaveTheirFields) {
  ASSERT_EQ(0, Run("reg set 'HKLM\\T\\Sub' '' --sz d").exitCode);
  ASSERT_EQ(0, Run("reg set 'HKLM\\T' n --dword 7").exitCode);
  EXPECT_EQ(R"({"path":"HKEY_LOCAL_MACHINE\\T","subkeys":["Sub"],"values":[{"name":"n","type":"REG_DWORD","data":7}]})"
            "\n",
            Run("reg ls 'HKLM\\T' --json").out);
  EXPECT_EQ(R"({"name":"T","path":"HKEY_LOCAL_MACHINE\\T","values":[{"name":"n","type":"REG_DWORD","data":7}],)"
            R"("subkeys":[{"name":"Sub","path":"HKEY_LOCAL_MACHINE\\T\\Sub","values":[{"name":"","type":"REG_SZ",)"
            R"("data":"d"}],"subkeys":[]}]})"
            "\n",
            Run("reg tree 'HKLM\\T' --json").out);
  EXPECT_EQ("Sub\\\nn  REG_DWORD  7\n", Run("reg ls 'HKLM\\T'").out);
  EXPECT_EQ(0, Run("reg del 'HKLM\\T' n").exitCode);
  EXPECT_EQ(0, Run("reg del 'HKLM\\T'").exitCode);
  EXPECT_EQ(1, Run("reg ls 'HKLM\\T'").exitCode);
}

TEST_F(CdtoolRegTest, KeysPastTheDepthLimitAndNulNamesAreRefusedAndADeepTreePrintsEveryLevel) {
  ASSERT_EQ(0, Run("reg set 'HKCU\\" + KeyChainPath(512) + "' v --dword 1").exitCode);
  using namespace std::string_literals;
  ExpectExits({
      {"reg set 'HKCU\\" + KeyChainPath(513) + "' v --dword 1", 1, "too deep: keys lie at most 512 levels"},
      {"reg set 'HKCU\\" + KeyChainPath(512) + "\\k' v --dword 1", 1, "too deep"},
      {"reg import '" + WriteFile("in.reg", "REGEDIT4\n[HKCU\\T]\n\"na\0me\"=\"x\"\n"s) + "'", 1,
       "line 3: the value name holds a NUL byte; nothing was imported"},
      {"reg import '" + WriteFile("victim.reg", "REGEDIT4\n[-HKCU\\k\0Other]\n"s) + "'", 1,
       "line 2: the key path holds a NUL byte"},
      {"reg import '" + WriteFile("deep.reg", "REGEDIT4\n[HKCU\\T]\n[HKCU\\" + KeyChainPath(513) + "]\n") + "'", 1,
       "line 3: the key path is more than 512 levels deep"},
  });
  EXPECT_EQ(1, Run("reg ls 'HKCU\\T'").exitCode);
  std::string expected = "HKEY_CURRENT_USER\\k\\\n";
  for (int level = 1; level < 512; ++level) expected += std::string(2 * level, ' ') + "k\\\n";
  expected += std::string(2 * 512, ' ') + "v  REG_DWORD  1\n";
  EXPECT_EQ(expected, Run("reg tree 'HKCU\\k'").out);
  Result const exported = Run("reg export 'HKCU\\k' -o '" + m_root.File("out.reg") + "'");
  EXPECT_EQ(0, exported.exitCode) << exported.err;
  EXPECT_EQ(0, Run("reg del 'HKCU\\k'").exitCode);
  EXPECT_EQ(0, Run("reg import '" + m_root.File("out.reg") + "'").exitCode);
  EXPECT_EQ("1\n", Run("reg get 'HKCU\\" + KeyChainPath(512) + "' v").out);
}

// A hive written before the limit may hold a far deeper chain: reading it stops with a clear
// refusal instead of exhausting the stack, and it can still be listed and deleted.
TEST_F(CdtoolRegTest, AnOlderHiveWithDeeperKeysIsRefusedByTheWalksAndCanBeDeleted) {
  ASSERT_EQ(0, Run("reg set 'HKCU\\Top' v --dword 1").exitCode);
  ASSERT_TRUE(AddDeepKeyChain(m_root.File("user/registry.db"), {"top"}, 100000, "k", false));
  ExpectExits({
      {"reg tree 'HKCU\\Top'", 1, "cannot read HKCU\\Top: too deep"},
      {"reg tree 'HKCU\\Top' --json", 1, "too deep"},
      {"reg export 'HKCU\\Top'", 1, "too deep"},
  });
  EXPECT_EQ("k\\\nv  REG_DWORD  1\n", Run("reg ls 'HKCU\\Top'").out);
  EXPECT_EQ(0, Run("reg del 'HKCU\\Top'").exitCode);
  EXPECT_EQ(1, Run("reg ls 'HKCU\\Top'").exitCode);
}

}  // namespace
