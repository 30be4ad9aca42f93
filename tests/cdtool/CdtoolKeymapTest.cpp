// `cdtool keymap` on files in the test's root, and `dialog keymap-key` mapping one key of a file.
#include "support/CdtoolTranscript.h"
#include "support/ScopedEnv.h"

namespace {

class CdtoolKeymapTest : public CdtoolTranscriptTest {
 protected:
  // The tool reads the layout from the environment it inherits.
  ScopedEnv m_layout{"XKB_DEFAULT_LAYOUT", "us"};
};

// Checks in JSON, the exit codes and messages of each verb, and the vocabulary.
TEST_F(CdtoolKeymapTest, CheckExitsAndNames) {
  WriteFile("a.map", "; c\ncs vk_f1 VT_PF1\nN 0xbf \"\\e\xff\"\nN VK_F2 NOPE\n");
  WriteFile("b.map", "x\ny\nz\nN VK_F1 VT_PF1\n");
  WriteFile("good.map", "N VK_F1 VT_PF1\nA VK_X MENU_EXIT\n");
  WriteFile("bad.map", "1\n2\n3\n");
  ExpectTranscriptFile("keymap.txt");
}

// How a file line reads and how a keymap is written are KeymapFileTest's; here the verbs' wiring.
TEST_F(CdtoolKeymapTest, BuiltinAndConvertRoundTrip) {
  CdtoolResult const printed = Run("keymap builtin Wyse60");
  ASSERT_EQ(printed.exitCode, 0) << printed.err;
  EXPECT_EQ(printed.out.substr(0, 38), "N\tVK_LEFT             \t\"\\010\"\r\nN\tVK_UP");
  std::string const out = m_root.File("gate.map"), normal = m_root.File("normal.map");
  ASSERT_EQ(Run("keymap builtin GATEHOLD -o '" + out + "'").exitCode, 0);
  std::string const saved = ReadFileBytes(out);
  EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 275);
  ASSERT_EQ(Run("keymap convert '" + out + "' '" + normal + "'").exitCode, 0);
  EXPECT_EQ(ReadFileBytes(normal), saved);
}

// Only an OK that changed the key saves; every other run and refusal leaves its file as it was.
TEST_F(CdtoolKeymapTest, KeymapKeySavesOnlyTheChangedKey) {
  std::string const commented = "; mine\nN VK_F5 \"five\"\n", plain = "S VK_F5 \"five\"\nN VK_F7 RUN(\"/s/go.pl\")\n";
  for (char const* name : {"unsaved.key", "saved.key"}) WriteFile(name, plain);
  WriteFile("commented.key", commented);
  for (auto [name, script] : {std::pair{"ok", R"({"steps":[{"do":"ok"}]})"}, {"empty", "{}"},
                              {"cancel", R"({"steps":[{"do":"category","name":"Disable"},{"do":"cancel"}]})"},
                              {"refuse", R"({"answers":["IDCANCEL"]})"},
                              {"string", R"({"steps":[{"do":"string","value":"x"},{"do":"ok"}]})"},
                              {"browse", R"({"steps":[{"do":"string","value":"y"},{"do":"browse"},{"do":"ok"}]})"},
                              {"copy", R"({"steps":[{"do":"category","name":"Menu Function"},)"
                                       R"({"do":"function","name":"MENU_COPY"},{"do":"ok"}]})"}})
    WriteFile(std::string(name) + ".json", script);
  ExpectTranscriptFile("keymap_key.txt");
  EXPECT_EQ(ReadFileBytes(m_root.File("commented.key")), commented);
  EXPECT_EQ(ReadFileBytes(m_root.File("unsaved.key")), plain);
  EXPECT_EQ(ReadFileBytes(m_root.File("saved.key")),
            "N\tVK_F7               \tRUN(\"/s/go.pl\")\r\nC\tVK_INSERT           \tMENU_COPY\r\n"
            "S\tVK_F5               \t\"five\"\r\n");
}

}  // namespace
