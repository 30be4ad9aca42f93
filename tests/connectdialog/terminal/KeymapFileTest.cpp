#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>

#include "VReportMessageParams.h"
#include "platform/shell/ExecutableFolder.h"
#include "platform/types/VirtualKeys.h"
#include "platform/ui/HeadlessUserInterface.h"
#include "support/Golden.h"
#include "support/Joined.h"
#include "support/KeyDump.h"
#include "support/MessageCode.h"
#include "support/TempFolder.h"
#include "terminal/Keymap.h"
#include "terminal/ProfileKeymap.h"

namespace {

constexpr int E = Keymap::kExtended, C = Keymap::kCtrl, S = Keymap::kShift, A = Keymap::kAlt;

// Every own entry as "index function value".
std::string OwnEntries(Keymap const& keymap) {
  std::string entries;
  for (int index = 0; index < Keymap::kIndexCount; ++index) {
    if (int const code = keymap.GetOwnKeyCode(index)) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "0x%03X", index);
      entries += std::string(entries.empty() ? "" : "; ") + hex + " " + Keymap::LookupNameByCode(code).Str() + " " +
                 DumpText(keymap.GetOwnKeyValue(index).Str());
    }
  }
  return entries;
}

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

// Each line alone in a file, then each bad line as the second of three (CRLF, the last without a
// line feed): whether the file loaded, the report's code and text, and every own entry it made.
// A bad line still maps its key where the key and function were read.
TEST_F(KeymapFileTest, EachLineAsTheFileReadsIt) {
  std::string const good[] = {
      "N VK_F1 VT_PF1", "n\tvk_f1\t\tVT_PF1 trailing words", "N 0x70 VT_PF2", "  CS VK_F1 VT_PF1", "SC VK_F1 VT_PF1",
      "ACSE 0xbf DISABLED", "NE VK_UP VT_HELP", "N VK_F2 VT_DO", "N VK_F3 \"a\"b\"", "N VK_F3 \"\\e[A\" ignored",
      "N VK_F3 \"\"", "N VK_F3   \" spaced \"", "N VK_F4 RUN(\"/opt/s.js\")", "N VK_F4 RUN junk \"a b",
      "N VK_F4 RUN\"x\"y\""};
  std::string const bad[] = {
      "N VK_F1", "N VK_F1 ", "N", " ; comment", "N VK_F1 RUN(x)", "N vk_nope VT_PF1", "N 256 VT_PF1",
      "CC VK_F1 VT_PF1", "nx VK_F1 VT_PF1", "N VK_F1 \"open", "N VK_F1 SEND", "N VK_F1 NONE", "N VK_F1 vt_pf1"};
  std::string transcript;
  auto const read = [&](std::string const& line, std::string const& file) {
    Keymap fresh;
    VReportMessageParams report;
    WriteFileBytes(m_path, file);
    bool const loaded = fresh.Load(m_path.c_str(), report);
    std::string text = report.GetText();
    if (size_t const at = text.find(m_path); at != std::string::npos) text.replace(at, m_path.size(), "<file>");
    transcript += DumpText(line) + " -> " +
                  Joined(loaded, MessageCode(report.GetCode()), DumpText(text), OwnEntries(fresh)) + "\n";
  };
  for (std::string const& line : good) read(line, line + "\n");
  for (std::string const& line : bad) read(line, "\n" + line + "\r\nN VK_F2 VT_PF2");
  ExpectGolden("connectdialog/keymap_file_lines.txt", transcript);
}

TEST_F(KeymapFileTest, ThirdErrorStopsTheLoad) {
  m_keymap.SetKeyCode(A | VK_X, KeymapCode::MENU_EXIT);
  ASSERT_FALSE(Load("N VK_F1 VT_PF1\nN bad1 X\n; note\nN bad2 X\n\nN VK_F2 VT_PF2\nN bad3 X\nN VK_F3 VT_PF3\n"));
  EXPECT_EQ(m_report.GetCode(), 0xE1600007u);
  EXPECT_EQ(ReportText(), "Unable to load keymap file: " + m_path +
                              "\r\n\r\nunknown virtual key 'bad1' on line 2\nunknown virtual key 'bad2' on line 4\n"
                              "unknown virtual key 'bad3' on line 7\r\n");
  // Nothing after the third error is read (no F3), and loading clears nothing (Alt+X).
  EXPECT_EQ(OwnEntries(m_keymap), "0x070 VT_PF1 \"\"; 0x071 VT_PF2 \"\"; 0x858 MENU_EXIT \"\"");
  EXPECT_EQ(Joined(m_keymap.GetFallback() == nullptr, m_keymap.ContainsComments()), "1|1");
  // Three errors on one line stop at once: the line is not applied.
  Keymap keymap;
  VReportMessageParams report;
  WriteFileBytes(m_path, "XYZ VK_F1 VT_PF1\n");
  EXPECT_FALSE(keymap.Load(m_path.c_str(), report));
  EXPECT_EQ(keymap.GetOwnKeyCode(VK_F1), 0);
}

TEST_F(KeymapFileTest, SuccessInstallsTheDefaultFallbackAndTracksCommentsAMissingFileReportsTheOpenError) {
  ASSERT_TRUE(Load("; a comment\nN VK_F1 VT_HOLD_SCREEN\n"));
  EXPECT_EQ(m_keymap.ContainsComments(), 1);
  ASSERT_NE(m_keymap.GetFallback(), nullptr);
  EXPECT_EQ(m_keymap.GetKeyCode(VK_F1), KeymapCode::VT_HOLD_SCREEN);
  EXPECT_EQ(m_keymap.GetKeyCode(VK_F2), KeymapCode::VT_PF2);
  ASSERT_TRUE(Load(""));
  EXPECT_EQ(m_keymap.ContainsComments(), 0);
  // A missing file reports the open error.
  m_report.Reset(0x1234);
  m_report.AddString("stale");
  EXPECT_FALSE(m_keymap.Load((m_folder / "missing.map").c_str(), m_report));
  EXPECT_EQ(Joined(m_report.GetCode(), m_report.GetInsertCount()), "2|0");
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
