// `cdtool keymap` on files in the test's root, and `dialog keymap-key` mapping one key of a file.
#include <algorithm>

#include "support/CdtoolTranscript.h"
#include "support/ScopedEnv.h"

namespace {

// Paths are single-quoted for the shell; none of the tests' paths hold a quote.
using CdtoolKeymapTest = CdtoolTranscriptTest;

// Checks in JSON, the exit codes and messages of each verb, and the vocabulary.
TEST_F(CdtoolKeymapTest, CheckExitsAndNames) {
  std::string const errors = WriteFile("a.map", "; c\ncs vk_f1 VT_PF1\nN 0xbf \"\\e\xff\"\nN VK_F2 NOPE\n");
  std::string const refused = WriteFile("b.map", "x\ny\nz\nN VK_F1 VT_PF1\n");
  std::string const good = WriteFile("good.map", "N VK_F1 VT_PF1\nA VK_X MENU_EXIT\n");
  ExpectTranscript("keymap.txt",
                   {"keymap check --json " + errors, "keymap check --json " + refused, "keymap check '" + good + "'",
                    "keymap check '" + m_root.File("none.map") + "'",
                    "keymap check '" + WriteFile("bad.map", "1\n2\n3\n") + "'", "keymap builtin nosuch",
                    "keymap builtin", "keymap convert '" + good + "' '" + m_root.File("missing/out.map") + "'",
                    "keymap", "keymap names --json", "keymap names"});
}

TEST_F(CdtoolKeymapTest, BuiltinAndConvertRoundTrip) {
  CdtoolResult const printed = Run("keymap builtin Wyse60");
  ASSERT_EQ(printed.exitCode, 0) << printed.err;
  EXPECT_EQ(printed.out.substr(0, 38), "N\tVK_LEFT             \t\"\\010\"\r\nN\tVK_UP");
  std::string const out = m_root.File("gate.map");
  ASSERT_EQ(Run("keymap builtin GATEHOLD -o '" + out + "'").exitCode, 0);
  std::string const saved = ReadFileBytes(out);
  EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 275);
  std::string const messy = WriteFile("messy.map", "; comment\n\nsc vk_f1   VT_HELP\r\nn 0x70 \"x\"\n");
  std::string const normal = m_root.File("normal.map");
  ASSERT_EQ(Run("keymap convert '" + messy + "' '" + normal + "'").exitCode, 0);
  EXPECT_EQ(ReadFileBytes(normal), "N\tVK_F1               \t\"x\"\r\nCS\tVK_F1               \tVT_F15\r\n");
  ASSERT_EQ(Run("keymap convert '" + out + "' '" + normal + "'").exitCode, 0);
  EXPECT_EQ(ReadFileBytes(normal), saved);
}

class CdtoolKeymapKeyTest : public CdtoolTranscriptTest {
 protected:
  // The tool reads the layout from the environment it inherits.
  ScopedEnv m_layout{"XKB_DEFAULT_LAYOUT", "us"};
  std::string const m_keymap = m_root.File("my.key");

  CdtoolResult Map(std::string const& arguments, std::string const& script) {
    return RunScript("dialog keymap-key --json --keymap " + m_keymap + " " + arguments, script);
  }
};

TEST_F(CdtoolKeymapKeyTest, OkSavesTheChangedKeyAndNothingElseTouchesTheFile) {
  std::string const before = "S VK_F5 \"five\"\nN VK_F7 RUN(\"/s/go.pl\")\n";
  WriteFileBytes(m_keymap, before);
  struct Case { char const* arguments; char const* script; char const* outPart; bool saved; };
  for (Case const& c : {
           Case{"--key VK_F6", R"({"steps":[{"do":"ok"}]})", R"("current":"Send String")", false},
           Case{"--key VK_F5 --mods shift", R"({"steps":[{"do":"category","name":"Disable"},{"do":"cancel"}]})",
                R"("endCode":2,)", false},
           Case{"--key vk_f7 --scripting-disabled", R"({"answers":["IDCANCEL"]})",
                R"({"endCode":2,"messages":[{"text":"Scripting has been administratively disabled.\r\n)"
                R"(The Run Script function is no longer available.\r\n","type":49}],"current":"","controls":[])", false},
           Case{"--key VK_INSERT --mods CTRL",
                R"({"steps":[{"do":"category","name":"Menu Function"},{"do":"function","name":"MENU_COPY"},{"do":"ok"}]})",
                R"("current":"Menu Function",)", true},
       }) {
    CdtoolResult const result = Map(c.arguments, c.script);
    EXPECT_EQ(result.exitCode, 0) << c.arguments << "\n" << result.err;
    EXPECT_NE(result.out.find(c.outPart), std::string::npos) << c.arguments << "\n" << result.out;
    EXPECT_NE(result.out.find(c.saved ? R"("saved":true})" : R"("saved":false})"), std::string::npos) << result.out;
    if (!c.saved) { EXPECT_EQ(ReadFileBytes(m_keymap), before) << c.arguments; }
  }
  EXPECT_EQ(ReadFileBytes(m_keymap),
            "N\tVK_F7               \tRUN(\"/s/go.pl\")\r\nC\tVK_INSERT           \tMENU_COPY\r\n"
            "S\tVK_F5               \t\"five\"\r\n");
}

TEST_F(CdtoolKeymapKeyTest, RefusalsLeaveTheFileAsItWas) {
  std::string const commented = "; mine\nN VK_F5 \"five\"\n";
  WriteFileBytes(m_keymap, commented);
  std::string const map = "dialog keymap-key --json --keymap " + m_keymap + " --script " +
                          WriteFile("ok.json", R"({"steps":[{"do":"string","value":"x"},{"do":"ok"}]})");
  ExpectTranscript("keymap_key_refusals.txt",
                   {map + " --key VK_F5", map + " --key VK_NOPE", map + " --key VK_F5 --mods ctrl,hyper",
                    map + " --key VK_SELECT", "dialog keymap-key --key VK_F5 --keymap " + m_root.File("none.key") +
                                                  " --script " + WriteFile("empty.json", "{}")});
  EXPECT_EQ(ReadFileBytes(m_keymap), commented);
  WriteFileBytes(m_keymap, "N VK_F5 \"five\"\n");
  CdtoolResult const hidden =
      Map("--key VK_F5", R"({"steps":[{"do":"string","value":"y"},{"do":"browse"},{"do":"ok"}]})");
  EXPECT_EQ(hidden.exitCode, 1);
  EXPECT_EQ(hidden.out, "{\"error\":\"control 1004 is hidden\",\"step\":1}\n");
  EXPECT_EQ(ReadFileBytes(m_keymap), "N VK_F5 \"five\"\n");
}

}  // namespace
