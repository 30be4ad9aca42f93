// Runs `cdtool keymap` on files in a temporary folder and checks exit codes and output.
#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <string>

#include "support/CdtoolRunner.h"

namespace {

// Paths are single-quoted for the shell; none of the tests' paths hold a quote.
using CdtoolKeymapTest = CdtoolTest;

TEST_F(CdtoolKeymapTest, CheckJson) {
  std::string const file = WriteFile("a.map", "; c\ncs vk_f1 VT_PF1\nN 0xbf \"\\e\xff\"\nN VK_F2 NOPE\n");
  CdtoolResult const result = Run("keymap check --json '" + file + "'");
  EXPECT_EQ(result.exitCode, 0) << result.err;
  nlohmann::ordered_json const json = nlohmann::ordered_json::parse(result.out);
  EXPECT_EQ(json["ok"], true);
  EXPECT_EQ(json["code"], "0xA1600008");
  EXPECT_EQ(json["text"], "The following lines had errors and were ignored when loading keymap file:\r\n" + file +
                              "\r\n\r\nillegal string or unknown function, 'NOPE', on line 4");
  EXPECT_EQ(json["entries"].dump(),
            R"([{"index":191,"modifiers":"N","key":"0xBF","code":1,"function":"SEND","value":"\\e)"
            "\xEF\xBF\xBD"
            R"("},{"index":1648,"modifiers":"CS","key":"VK_F1","code":92,"function":"VT_PF1","value":""}])");

  std::string const bad = WriteFile("b.map", "x\ny\nz\nN VK_F1 VT_PF1\n");
  CdtoolResult const refused = Run("keymap check --json '" + bad + "'");
  EXPECT_EQ(refused.exitCode, 1);
  nlohmann::json const refusal = nlohmann::json::parse(refused.out);
  EXPECT_EQ(refusal["ok"], false);
  EXPECT_EQ(refusal["code"], "0xE1600007");
  EXPECT_TRUE(refusal["entries"].empty());
}

TEST_F(CdtoolKeymapTest, ExitCodesAndMessages) {
  std::string const good = WriteFile("good.map", "N VK_F1 VT_PF1\nA VK_X MENU_EXIT\n");
  EXPECT_NE(Run("keymap check '" + good + "'").out.find("2 entries"), std::string::npos);
  ExpectExits({
      {"keymap check '" + good + "'", 0, ""},
      {"keymap check '" + m_root.File("none.map") + "'", 1, "cdtool: The file was not found."},
      {"keymap check '" + WriteFile("bad.map", "1\n2\n3\n") + "'", 1, "syntax error on line 3"},
      {"keymap builtin nosuch", 2, "no built-in keymap \"nosuch\""},
      {"keymap builtin", 2, "NAME is required"},
      {"keymap convert '" + good + "' '" + m_root.File("missing/out.map") + "'", 1, "cannot write"},
      {"keymap", 2, ""},
  });
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

TEST_F(CdtoolKeymapTest, NamesListsTheVocabulary) {
  CdtoolResult const result = Run("keymap names --json");
  ASSERT_EQ(result.exitCode, 0) << result.err;
  nlohmann::ordered_json const json = nlohmann::ordered_json::parse(result.out);
  ASSERT_EQ(json["functions"].size(), 138u);
  EXPECT_EQ(json["functions"][137].dump(), R"({"code":137,"name":"VT_NEXT_SCREEN"})");
  ASSERT_EQ(json["keys"].size(), 108u);
  EXPECT_EQ(json["keys"][0].dump(), R"({"virtualKey":3,"name":"VK_CANCEL"})");
  CdtoolResult const plain = Run("keymap names");
  EXPECT_NE(plain.out.find("\n92 VT_PF1\n"), std::string::npos);
  EXPECT_NE(plain.out.find("\n0x70 VK_F1\n"), std::string::npos);
}

}  // namespace
