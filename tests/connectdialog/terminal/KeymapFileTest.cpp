#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "VReportMessageParams.h"
#include "platform/shell/ExecutableFolder.h"
#include "platform/types/VirtualKeys.h"
#include "platform/ui/HeadlessUserInterface.h"
#include "support/TempFolder.h"
#include "terminal/Keymap.h"
#include "terminal/ProfileKeymap.h"

namespace {

constexpr int E = Keymap::kExtended, C = Keymap::kCtrl, S = Keymap::kShift, A = Keymap::kAlt;

class KeymapFileTest : public ::testing::Test {
 protected:
  // Loads `text` as a file into `keymap`.
  bool Load(std::string const& text) {
    WriteFileBytes(m_path, text);
    return m_keymap.Load(m_path.c_str(), m_report);
  }
  std::string ReportText() { return m_report.GetText(); }

  TempFolder m_folder;
  std::string const m_path = m_folder / "test.map";
  Keymap m_keymap;
  VReportMessageParams m_report;
};

TEST_F(KeymapFileTest, GoodLines) {
  struct Case { std::string line; int index; int code; std::string value; } const cases[] = {
      {"N VK_F1 VT_PF1", VK_F1, KeymapCode::VT_PF1, ""},
      {"n\tvk_f1\t\tVT_PF1 trailing words", VK_F1, KeymapCode::VT_PF1, ""},
      {"N 0x70 VT_PF2", VK_F1, KeymapCode::VT_PF2, ""}, {"  CS VK_F1 VT_PF1", C | S | VK_F1, KeymapCode::VT_PF1, ""},
      {"SC VK_F1 VT_PF1", C | S | VK_F1, KeymapCode::VT_PF1, ""},
      {"ACSE 0xbf DISABLED", A | C | S | E | 0xBF, KeymapCode::DISABLED, ""},
      {"NE VK_UP VT_HELP", E | VK_UP, KeymapCode::VT_F15, ""}, {"N VK_F2 VT_DO", VK_F2, KeymapCode::VT_F16, ""},
      {"N VK_F3 \"a\"b\"", VK_F3, KeymapCode::SEND, "a\"b"},
      {"N VK_F3 \"\\e[A\" ignored", VK_F3, KeymapCode::SEND, "\\e[A"}, {"N VK_F3 \"\"", VK_F3, KeymapCode::SEND, ""},
      {"N VK_F3   \" spaced \"", VK_F3, KeymapCode::SEND, " spaced "},
      {"N VK_F4 RUN(\"/opt/s.js\")", VK_F4, KeymapCode::RUN, "/opt/s.js"},
      {"N VK_F4 RUN junk \"a b", VK_F4, KeymapCode::RUN, "a b"}, {"N VK_F4 RUN\"x\"y\"", VK_F4, KeymapCode::RUN, "x"},
  };
  for (Case const& c : cases) {
    Keymap fresh;
    VReportMessageParams report;
    WriteFileBytes(m_path, c.line + "\n");
    ASSERT_TRUE(fresh.Load(m_path.c_str(), report)) << c.line;
    EXPECT_EQ(report.GetCode(), 0u) << c.line << ": " << report.GetText();
    EXPECT_EQ(fresh.GetOwnKeyCode(c.index), c.code) << c.line;
    EXPECT_EQ(fresh.GetOwnKeyValue(c.index).Str(), c.value) << c.line;
  }
}

// A line partly bad still maps its key where the key and function were read.
TEST_F(KeymapFileTest, BadLinesGiveTheirErrorTexts) {
  struct Case { std::string line; std::string error; int index = -1, code = 0; } const cases[] = {
      {"N VK_F1", "syntax error on line 2"}, {"N VK_F1 ", "syntax error on line 2"}, {"N", "syntax error on line 2"},
      {" ; comment", "syntax error on line 2"}, {"N VK_F1 RUN(x)", "syntax error on line 2"},
      {"N vk_nope VT_PF1", "unknown virtual key 'vk_nope' on line 2"},
      {"N 256 VT_PF1", "unknown virtual key '256' on line 2"},
      {"CC VK_F1 VT_PF1", "unknown modifier 'C' on line 2", C | VK_F1, KeymapCode::VT_PF1},
      {"nx VK_F1 VT_PF1", "unknown modifier 'X' on line 2"},
      {"N VK_F1 \"open", "expected closing quote on line 2", VK_F1, KeymapCode::SEND},
      {"N VK_F1 SEND", "illegal string or unknown function, 'SEND', on line 2"},
      {"N VK_F1 NONE", "illegal string or unknown function, 'NONE', on line 2"},
      {"N VK_F1 vt_pf1", "illegal string or unknown function, 'vt_pf1', on line 2"},
  };
  for (Case const& c : cases) {
    Keymap fresh;
    VReportMessageParams report;
    WriteFileBytes(m_path, "\n" + c.line + "\r\nN VK_F2 VT_PF2");
    EXPECT_TRUE(fresh.Load(m_path.c_str(), report)) << c.line;
    EXPECT_EQ(report.GetCode(), 0xA1600008u) << c.line;
    EXPECT_EQ(std::string(report.GetText()),
              "The following lines had errors and were ignored when loading keymap file:\r\n" + m_path + "\r\n\r\n" +
                  c.error + "\r\n")
        << c.line;
    EXPECT_EQ(fresh.GetOwnKeyCode(VK_F2), KeymapCode::VT_PF2) << "the last line, without a line feed, counts";
    if (c.index >= 0) {
      EXPECT_EQ(std::pair(fresh.GetOwnKeyCode(c.index), fresh.GetOwnKeyValue(c.index).Str()),
                std::pair(c.code, std::string())) << c.line;
    }
  }
}

TEST_F(KeymapFileTest, ThirdErrorStopsTheLoad) {
  m_keymap.SetKeyCode(A | VK_X, KeymapCode::MENU_EXIT);
  ASSERT_FALSE(Load("N VK_F1 VT_PF1\nN bad1 X\n; note\nN bad2 X\n\nN VK_F2 VT_PF2\nN bad3 X\nN VK_F3 VT_PF3\n"));
  EXPECT_EQ(m_report.GetCode(), 0xE1600007u);
  EXPECT_EQ(ReportText(), "Unable to load keymap file: " + m_path +
                              "\r\n\r\nunknown virtual key 'bad1' on line 2\nunknown virtual key 'bad2' on line 4\n"
                              "unknown virtual key 'bad3' on line 7\r\n");
  EXPECT_EQ(m_keymap.GetOwnKeyCode(VK_F1), KeymapCode::VT_PF1);
  EXPECT_EQ(m_keymap.GetOwnKeyCode(VK_F2), KeymapCode::VT_PF2);
  EXPECT_EQ(m_keymap.GetOwnKeyCode(VK_F3), 0) << "nothing after the third error is read";
  EXPECT_EQ(m_keymap.GetOwnKeyCode(A | VK_X), KeymapCode::MENU_EXIT) << "loading clears nothing";
  EXPECT_EQ(m_keymap.GetFallback(), nullptr);
  EXPECT_EQ(m_keymap.ContainsComments(), 1);
  // Three errors on one line stop at once: the line is not applied.
  Keymap keymap;
  VReportMessageParams report;
  WriteFileBytes(m_path, "XYZ VK_F1 VT_PF1\n");
  EXPECT_FALSE(keymap.Load(m_path.c_str(), report));
  EXPECT_EQ(keymap.GetOwnKeyCode(VK_F1), 0);
}

TEST_F(KeymapFileTest, SuccessInstallsTheDefaultFallbackAndTracksComments) {
  ASSERT_TRUE(Load("; a comment\nN VK_F1 VT_HOLD_SCREEN\n"));
  EXPECT_EQ(m_keymap.ContainsComments(), 1);
  ASSERT_NE(m_keymap.GetFallback(), nullptr);
  EXPECT_EQ(m_keymap.GetKeyCode(VK_F1), KeymapCode::VT_HOLD_SCREEN);
  EXPECT_EQ(m_keymap.GetKeyCode(VK_F2), KeymapCode::VT_PF2);
  ASSERT_TRUE(Load(""));
  EXPECT_EQ(m_keymap.ContainsComments(), 0);
}

TEST_F(KeymapFileTest, MissingFileReportsTheOpenError) {
  m_report.Reset(0x1234);
  m_report.AddString("stale");
  EXPECT_FALSE(m_keymap.Load((m_folder / "missing.map").c_str(), m_report));
  EXPECT_EQ(m_report.GetCode(), 2u);
  EXPECT_EQ(m_report.GetInsertCount(), 0);
}

TEST_F(KeymapFileTest, FindsFilesInTheKeymapsFolderBesideTheExecutable) {
  std::filesystem::path const folder = std::filesystem::path(ExecutableFolder()) / "keymaps";
  bool const made = std::filesystem::create_directories(folder);
  std::string const name = "keymap-file-test-" + std::filesystem::path(m_folder.Path()).filename().string() + ".map";
  WriteFileBytes((folder / name).string(), "N VK_F9 MENU_EXIT\n");
  EXPECT_TRUE(m_keymap.Load(name.c_str(), m_report));
  EXPECT_EQ(m_keymap.GetOwnKeyCode(VK_F9), KeymapCode::MENU_EXIT);
  std::filesystem::remove(folder / name);
  if (made) std::filesystem::remove(folder);
}

TEST_F(KeymapFileTest, SaveWritesOwnEntriesInTheFileForm) {
  m_keymap.SetKeyCode(VK_BACK, KeymapCode::SEND);
  m_keymap.SetKeyValue(VK_BACK, "\\010");
  m_keymap.SetKeyCode(A | C | S | E | 0xBF, KeymapCode::RUN);
  m_keymap.SetKeyValue(A | C | S | E | 0xBF, "/x y.sh");
  m_keymap.SetKeyCode(E | VK_NUMLOCK, KeymapCode::DISABLED);
  m_keymap.SetKeyCode(C | VK_F10, KeymapCode::VT_F15);
  m_keymap.SetKeyValue(C | VK_F10, "kept but not written");
  m_keymap.SetKeyValue(VK_F11, "no code, not written");
  ASSERT_TRUE(m_keymap.Save(m_path.c_str()));
  EXPECT_EQ(ReadFileBytes(m_path),
            "N\tVK_BACK             \t\"\\010\"\r\n"
            "E\tVK_NUMLOCK          \tDISABLED\r\n"
            "C\tVK_F10              \tVT_F15\r\n"
            "ACSE\t0xBF                \tRUN(\"/x y.sh\")\r\n");
  EXPECT_FALSE(m_keymap.Save((m_folder / "no-such-folder/x.map").c_str()));
  EXPECT_FALSE(std::filesystem::exists(m_folder / "no-such-folder"));
}

TEST_F(KeymapFileTest, SaveThroughALinkReplacesTheFileItNamesAndLoadAndSaveShowTheBusyCursor) {
  std::string const real = m_folder / "real.map";
  WriteFileBytes(real, "old");
  ASSERT_EQ(0, chmod(real.c_str(), 0600));
  std::filesystem::create_symlink("real.map", m_path);
  m_keymap.SetKeyCode(VK_F1, KeymapCode::VT_PF1);
  HeadlessUserInterface ui;
  SetUserInterface(&ui);
  EXPECT_TRUE(m_keymap.Save(m_path.c_str()));
  EXPECT_EQ(1, ui.BusyCursorShown());
  EXPECT_TRUE(m_keymap.Load(m_path.c_str(), m_report));
  SetUserInterface(nullptr);
  EXPECT_EQ(2, ui.BusyCursorShown());
  EXPECT_FALSE(ui.IsBusy());
  EXPECT_TRUE(std::filesystem::is_symlink(m_path));
  EXPECT_EQ("N\tVK_F1               \tVT_PF1\r\n", ReadFileBytes(real));
  EXPECT_EQ(std::filesystem::perms::owner_read | std::filesystem::perms::owner_write,
            std::filesystem::status(real).permissions());
}

// The original has a fallback: a save that wrote its entries would load back as extra own entries.
TEST_F(KeymapFileTest, SaveThenLoadReproducesEveryEntry) {
  Keymap original;
  original.LoadGatehold();
  original.LoadXterm(true);
  original.SetKeyCode(A | VK_F5, KeymapCode::SEND);
  original.SetKeyValue(A | VK_F5, "quote \" inside, tab\tand ; semicolon");
  original.SetKeyCode(A | VK_F6, KeymapCode::RUN);
  original.SetKeyValue(A | VK_F6, "C:\\scripts\\a b.vbs");
  ASSERT_TRUE(original.Save(m_path.c_str()));
  Keymap copy;
  VReportMessageParams report;
  ASSERT_TRUE(copy.Load(m_path.c_str(), report));
  EXPECT_EQ(report.GetCode(), 0u);
  for (int index = 0; index < Keymap::kIndexCount; ++index) {
    EXPECT_EQ(copy.GetOwnKeyCode(index), original.GetOwnKeyCode(index)) << index;
    if (original.GetOwnKeyCode(index) <= KeymapCode::RUN) {
      EXPECT_EQ(copy.GetOwnKeyValue(index), original.GetOwnKeyValue(index)) << index;
    }
  }
}

}  // namespace
