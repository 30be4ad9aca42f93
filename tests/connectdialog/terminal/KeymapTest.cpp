#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <set>

#include "VMemoryStoreFactory.h"
#include "VProfileKey.h"
#include "VProfileStore.h"
#include "VReportMessageParams.h"
#include "platform/debug/DebugTrace.h"
#include "platform/shell/ExecutableFolder.h"
#include "platform/types/VirtualKeys.h"
#include "platform/ui/HeadlessUserInterface.h"
#include "support/CaseFile.h"
#include "support/Joined.h"
#include "support/JoinedText.h"
#include "support/KeyDump.h"
#include "support/KeymapEntries.h"
#include "support/MessageCode.h"
#include "support/TempFolder.h"
#include "support/UnquotedText.h"
#include "terminal/Keymap.h"
#include "terminal/ProfileKeymap.h"
#include "terminal/ProfileKeymapFormat.h"
#include "terminal/VirtualKeyNames.h"

namespace {

constexpr int E = Keymap::kExtended, C = Keymap::kCtrl, S = Keymap::kShift, A = Keymap::kAlt;

// Every function and every virtual key by its name, as golden dumps; then the names that only parse.
TEST(Keymap, FunctionTableHasEveryCodeAtItsPosition) {
  std::set<std::string> names;
  std::string dump;
  for (int i = 0; i < Keymap::kCodeCount; ++i) {
    EXPECT_EQ(Keymap::code_table[i].code, i);
    EXPECT_EQ(Keymap::LookupCodeByName(Keymap::code_table[i].name), i);
    EXPECT_EQ(Keymap::LookupNameByCode(i), Keymap::code_table[i].name);
    names.insert(Keymap::code_table[i].name);
    dump += std::to_string(i) + " " + Keymap::code_table[i].name + "\n";
  }
  ExpectGolden("keymap_functions.txt", dump);
  EXPECT_EQ(names.size(), 138u);
  EXPECT_EQ(Keymap::code_table[138].code, 0);
  EXPECT_STREQ(Keymap::code_table[138].name, "");
  EXPECT_EQ(Joined(Keymap::LookupNameByCode(138), Keymap::LookupNameByCode(-1), Keymap::GetNameByIndex(137),
                   Keymap::GetNameByIndex(500), Keymap::GetCodeByIndex(-1)), "||VT_NEXT_SCREEN||0");
}

TEST(Keymap, KeyNamesAndNumbers) {
  std::string dump;
  for (int key = 0; key < 256; ++key) {
    VString const name = VirtualKeyToName(key);
    EXPECT_EQ(VirtualKeyFromName(name.View()), key) << name;
    dump += std::to_string(key) + " " + name.Str() + "\n";
  }
  ExpectGolden("virtual_key_names.txt", dump);
  EXPECT_EQ(VirtualKeyToName(256), "");
  ExpectCaseFile("connectdialog/keymap_names.txt", [](std::string const& quoted) {
    std::string const name = UnquotedText(quoted);
    return Joined(VirtualKeyFromName(name), Keymap::LookupCodeByName(name.c_str()));
  });
}

TEST(Keymap, FallbackChainAndBounds) {
  Keymap keymap;
  keymap.LoadVT220(true);
  ASSERT_NE(keymap.GetFallback(), nullptr);
  // VT220 leaves F3 unmapped so that the default fallback's PF3 shows through.
  EXPECT_EQ(Joined(keymap.GetOwnKeyCode(VK_F3), keymap.GetKeyCode(VK_F3), keymap.GetKeyCode(C | VK_BACK),
                   keymap.GetKeyValue(C | VK_BACK)), Joined(0, KeymapCode::VT_PF3, KeymapCode::SEND, "\\177"));
  // An own value wins even where the own code is 0.
  keymap.SetKeyValue(C | VK_BACK, "own");
  EXPECT_EQ(Joined(keymap.GetKeyValue(C | VK_BACK), keymap.GetOwnKeyCode(C | VK_BACK)), "own|0");
  for (int bad : {-1, 4096, 1 << 20}) {
    keymap.SetKeyCode(bad, 5);
    keymap.SetKeyValue(bad, "x");
    EXPECT_EQ(Joined(keymap.GetKeyCode(bad), keymap.GetKeyValue(bad)), "0|") << bad;
  }
  for (int badCode : {-1, 138, 1000}) {
    keymap.SetKeyCode(A | VK_Q, badCode);
    EXPECT_EQ(keymap.GetKeyCode(A | VK_Q), 0) << badCode;
  }
  keymap.SetKeyCode(4095, 137);
  EXPECT_EQ(keymap.GetKeyCode(4095), 137);
}

// Every own entry of every built-in keymap, as index, function and value.
TEST(Keymap, BuiltInKeymapsMatchTheirGoldenDump) {
  struct Case { char const* name; void (*load)(Keymap&); } const cases[] = {
      {"Default", [](Keymap& k) { k.LoadDefault(); }}, {"VT100", [](Keymap& k) { k.LoadVT100(false, false); }},
      {"VT100 PF", [](Keymap& k) { k.LoadVT100(false, true); }}, {"VT220", [](Keymap& k) { k.LoadVT220(false); }},
      {"Linux", [](Keymap& k) { k.LoadLinux(false); }}, {"Xterm", [](Keymap& k) { k.LoadXterm(false); }},
      {"SCOANSI", [](Keymap& k) { k.LoadSCOANSI(false); }}, {"Wyse50", [](Keymap& k) { k.LoadWyse50(false); }},
      {"Gatehold", [](Keymap& k) { k.LoadGatehold(); }},
  };
  std::string dump;
  for (Case const& c : cases) {
    Keymap keymap;
    c.load(keymap);
    std::vector<std::string> const entries = OwnEntries(keymap);
    dump += std::string("[") + c.name + "] " + std::to_string(entries.size()) + " entries\n";
    for (std::string const& entry : entries) dump += entry + "\n";
  }
  ExpectGolden("builtin_keymaps.txt", dump);
}

TEST(Keymap, LoadersLayOverAndOwnTheirFallback) {
  Keymap wyse50, wyse60;
  wyse50.LoadWyse50(false);
  wyse60.LoadWyse60(false);
  EXPECT_TRUE(ProfileKeymap::SameEntries(wyse50, wyse60));
  Keymap keymap;
  keymap.SetKeyCode(A | VK_Q, KeymapCode::MENU_EXIT);
  keymap.LoadVT100(false, false);
  EXPECT_EQ(keymap.GetOwnKeyCode(A | VK_Q), KeymapCode::MENU_EXIT) << "loaders clear nothing";
  EXPECT_EQ(keymap.GetFallback(), nullptr);
  keymap.LoadSCOANSI(true);
  Keymap const* first = keymap.GetFallback();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(OwnEntries(*first).size(), 53u);
  EXPECT_EQ(first->GetFallback(), nullptr);
  keymap.LoadGatehold();
  EXPECT_NE(keymap.GetFallback(), nullptr);
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

// Each good line alone in a file, each bad one as the second of three (CRLF, the last without a line feed).
TEST_F(KeymapFileTest, EachLineAsTheFileReadsIt) {
  auto const read = [&](std::string const& file) {
    Keymap fresh;
    VReportMessageParams report;
    WriteFileBytes(m_path, file);
    bool const loaded = fresh.Load(m_path.c_str(), report);
    std::string text = report.GetText();
    if (size_t const at = text.find(m_path); at != std::string::npos) text.replace(at, m_path.size(), "<file>");
    return Joined(loaded, MessageCode(report.GetCode()), DumpText(text), JoinedText(OwnEntries(fresh), "; "));
  };
  ExpectCaseFile("connectdialog/keymap_file_lines.txt", [&](std::string const& line) {
    return read(UnquotedText(line) + "\n");
  });
  ExpectCaseFile("connectdialog/keymap_file_bad_lines.txt", [&](std::string const& line) {
    return read("\n" + UnquotedText(line) + "\r\nN VK_F2 VT_PF2");
  });
}

TEST_F(KeymapFileTest, ThirdErrorStopsTheLoad) {
  m_keymap.SetKeyCode(A | VK_X, KeymapCode::MENU_EXIT);
  ASSERT_FALSE(Load("N VK_F1 VT_PF1\nN bad1 X\n; note\nN bad2 X\n\nN VK_F2 VT_PF2\nN bad3 X\nN VK_F3 VT_PF3\n"));
  EXPECT_EQ(m_report.GetCode(), 0xE1600007u);
  EXPECT_EQ(ReportText(), "Unable to load keymap file: " + m_path +
                              "\r\n\r\nunknown virtual key 'bad1' on line 2\nunknown virtual key 'bad2' on line 4\n"
                              "unknown virtual key 'bad3' on line 7\r\n");
  // Nothing after the third error is read (no F3), and loading clears nothing (Alt+X).
  EXPECT_EQ(JoinedText(OwnEntries(m_keymap), "; "), "0x070 VT_PF1 \"\"; 0x071 VT_PF2 \"\"; 0x858 MENU_EXIT \"\"");
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

std::string Bytes(std::vector<unsigned char> const& bytes) { return std::string(bytes.begin(), bytes.end()); }

// Bytes written as pairs of hex digits and "quoted" text, blanks between them ignored, up to a "#".
std::string FormBytes(std::string const& form) {
  std::string bytes;
  for (size_t at = 0; at < form.size() && form[at] != '#';) {
    size_t const end = form[at] == '"' ? form.find('"', at + 1) + 1 : form[at] == ' ' ? at + 1 : at + 2;
    if (form[at] == '"') bytes += form.substr(at + 1, end - at - 2);
    else if (form[at] != ' ') bytes += static_cast<char>(std::stoi(form.substr(at, 2), nullptr, 16));
    at = end;
  }
  return bytes;
}

std::string traced;
void Trace(char const* text) { traced += text; }

class ProfileKeymapTest : public ::testing::Test {
 protected:
  void SetUp() override {
    traced.clear();
    DebugTrace::SetSink(&Trace);
  }
  void TearDown() override { DebugTrace::SetSink(nullptr); }
  void Store(std::string const& bytes) { ASSERT_TRUE(m_key->SetBinary("Keymap", bytes.data(), bytes.size())); }
  VMemoryStoreFactory m_factory;
  VProfileStore m_store{&m_factory};
  VProfileKey* m_key = m_store.Root();
};

TEST_F(ProfileKeymapTest, StoredFormByteForByte) {
  Keymap keymap;
  keymap.LoadDefault();  // a fallback below the own entries is written too
  ProfileKeymap own;
  own.SetKeyCode(VK_F1, KeymapCode::RUN);
  own.SetKeyValue(VK_F1, "a.sh");
  own.SetKeyCode(A | C | 0x41, KeymapCode::VT_F15);
  EXPECT_EQ(Bytes(ProfileKeymapFormat::Serialize(own)),
            std::string("\0\0\0\x02"
                        "\0\0\0\x70RUN\0a.sh\0"
                        "\0\0\x0a\x41VT_F15\0\0",
                        4 + 13 + 12));
  std::string const whole = Bytes(ProfileKeymapFormat::Serialize(keymap));
  EXPECT_EQ(whole.substr(0, 4), std::string("\0\0\0\x35", 4));
  EXPECT_EQ(whole.substr(4, 14), std::string("\0\0\0\x08SEND\0\\010\0", 14));
}

// A missing value empties the keymap; no key keeps it.
TEST_F(ProfileKeymapTest, LoadCases) {
  ExpectCaseFile("connectdialog/profile_keymap_loads.txt", [&](std::string const& form) {
    Store(FormBytes(form));
    ProfileKeymap keymap;
    keymap.SetKeyCode(VK_F3, KeymapCode::MENU_EXIT);
    keymap.SetDirty(true);
    traced.clear();
    bool const loaded = keymap.Load(m_key, "Keymap");
    auto const key = [&keymap](int index) {
      return Joined(Keymap::LookupNameByCode(keymap.GetKeyCode(index)), keymap.GetKeyValue(index));
    };
    return Joined(loaded, key(VK_F1), key(VK_F2), key(VK_F3), keymap.IsDirty(), keymap.IsModified(), DumpText(traced));
  });
  ProfileKeymap missing, keyless;
  missing.SetKeyCode(VK_F3, 5);
  keyless.SetKeyCode(VK_F3, 5);
  EXPECT_FALSE(missing.Load(m_key, "Absent"));
  EXPECT_TRUE(keyless.Load(nullptr, "Keymap"));
  EXPECT_EQ(Joined(missing.GetKeyCode(VK_F3), keyless.GetKeyCode(VK_F3), keyless.GetName()), "0|5|Keymap");
}

TEST_F(ProfileKeymapTest, OversizedKeymapStoresWhatFitsAndReadsBack) {
  ProfileKeymap full;
  for (int index = 0; index < Keymap::kIndexCount; ++index) {
    full.SetKeyCode(index, KeymapCode::SEND);
    full.SetKeyValue(index, "\\033[" + std::to_string(index));
  }
  full.SetKeyValue(0, std::string(40000, 'x'));  // cannot fit at all: nothing is stored after it
  EXPECT_EQ(Bytes(ProfileKeymapFormat::Serialize(full)), std::string(4, '\0'));
  full.SetKeyValue(0, "first");
  std::vector<unsigned char> const bytes = ProfileKeymapFormat::Serialize(full);
  EXPECT_LE(bytes.size(), ProfileKeymapFormat::kMaxBytes);
  EXPECT_GT(bytes.size(), ProfileKeymapFormat::kMaxBytes - 30);
  full.SetName("Keymap");
  full.Save(m_key, true);
  ProfileKeymap back;
  ASSERT_TRUE(back.Load(m_key, "Keymap"));
  int const stored = (bytes[2] << 8) | bytes[3];
  for (int index = 0; index < Keymap::kIndexCount; ++index) {
    EXPECT_EQ(back.GetKeyCode(index), index < stored ? KeymapCode::SEND : 0) << index;
    if (index < stored) {
      EXPECT_EQ(back.GetKeyValue(index), full.GetKeyValue(index)) << index;
    }
  }
}

}  // namespace
