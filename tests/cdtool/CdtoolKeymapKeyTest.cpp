#include <gtest/gtest.h>

#include <string>

#include "support/CdtoolRunner.h"
#include "support/ScopedEnv.h"

namespace {

class CdtoolKeymapKeyTest : public CdtoolTest {
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
  struct Case {
    char const* arguments;
    char const* script;
    char const* outPart;
    bool saved;
  };
  for (Case const& c : {
           Case{"--key VK_F6", R"({"steps":[{"do":"ok"}]})", R"("current":"Send String")", false},
           Case{"--key VK_F5 --mods shift", R"({"steps":[{"do":"category","name":"Disable"},{"do":"cancel"}]})",
                R"("endCode":2,)", false},
           Case{"--key vk_f7 --scripting-disabled", R"({"answers":["IDCANCEL"]})",
                R"({"endCode":2,"messages":[{"text":"Scripting has been administratively disabled.\r\n)"
                R"(The Run Script function is no longer available.\r\n","type":49}],"current":"","controls":[])",
                false},
           Case{"--key VK_F7", R"({"steps":[{"do":"category","name":"Run Script"},{"do":"browse"},{"do":"ok"}]})",
                R"("modified":false,"saved":false)", false},
           Case{"--key VK_INSERT --mods CTRL",
                R"({"steps":[{"do":"category","name":"Menu Function"},{"do":"function","name":"MENU_COPY"},{"do":"ok"}]})",
                R"("current":"Menu Function",)", true},
       }) {
    CdtoolResult const result = Map(c.arguments, c.script);
    EXPECT_EQ(result.exitCode, 0) << c.arguments << "\n" << result.err;
    EXPECT_NE(result.out.find(c.outPart), std::string::npos) << c.arguments << "\n" << result.out;
    EXPECT_NE(result.out.find(c.saved ? R"("saved":true})" : R"("saved":false})"), std::string::npos) << result.out;
    if (!c.saved) {
      EXPECT_EQ(ReadFileBytes(m_keymap), before) << c.arguments;
    }
  }
  EXPECT_EQ(ReadFileBytes(m_keymap),
            "N\tVK_F7               \tRUN(\"/s/go.pl\")\r\n"
            "C\tVK_INSERT           \tMENU_COPY\r\n"
            "S\tVK_F5               \t\"five\"\r\n");
}

TEST_F(CdtoolKeymapKeyTest, RefusalsLeaveTheFileAsItWas) {
  std::string const commented = "; mine\nN VK_F5 \"five\"\n";
  WriteFileBytes(m_keymap, commented);
  std::string const ok = R"({"steps":[{"do":"string","value":"x"},{"do":"ok"}]})";
  struct Case {
    char const* arguments;
    std::string script;
    int exitCode;
    char const* errPart;
  };
  for (Case const& c : {
           Case{"--key VK_F5", ok, 1, "has comment lines, which saving would drop"},
           Case{"--key VK_NOPE", ok, 2, "unknown key \"VK_NOPE\""},
           Case{"--key VK_F5 --mods ctrl,hyper", ok, 2, "--mods takes ctrl, shift, alt and extended"},
           Case{"--key VK_SELECT", ok, 1, "no key of the keyboard is VK_SELECT"},
       }) {
    CdtoolResult const result = Map(c.arguments, c.script);
    EXPECT_EQ(result.exitCode, c.exitCode) << c.arguments << "\n" << result.err;
    EXPECT_NE(result.err.find(c.errPart), std::string::npos) << c.arguments << "\n" << result.err;
  }
  EXPECT_EQ(ReadFileBytes(m_keymap), commented);

  WriteFileBytes(m_keymap, "N VK_F5 \"five\"\n");
  CdtoolResult const hidden = Map("--key VK_F5", R"({"steps":[{"do":"string","value":"y"},{"do":"browse"},{"do":"ok"}]})");
  EXPECT_EQ(hidden.exitCode, 1);
  EXPECT_EQ(hidden.out, "{\"error\":\"control 1004 is hidden\",\"step\":1}\n");
  EXPECT_EQ(ReadFileBytes(m_keymap), "N VK_F5 \"five\"\n");
  CdtoolResult const missing = RunScript("dialog keymap-key --key VK_F5 --keymap " + m_root.File("none.key"), "{}");
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_NE(missing.err.find("cannot read"), std::string::npos) << missing.err;
}

}  // namespace
