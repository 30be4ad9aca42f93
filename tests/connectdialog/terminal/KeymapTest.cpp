#include <gtest/gtest.h>

#include <cstdio>
#include <set>

#include "platform/types/VirtualKeys.h"
#include "support/Golden.h"
#include "support/Joined.h"
#include "support/KeyDump.h"
#include "terminal/Keymap.h"
#include "terminal/ProfileKeymap.h"
#include "terminal/VirtualKeyNames.h"

namespace {

constexpr int E = Keymap::kExtended, C = Keymap::kCtrl, S = Keymap::kShift, A = Keymap::kAlt;

int OwnEntries(Keymap const& keymap) {
  int count = 0;
  for (int index = 0; index < Keymap::kIndexCount; ++index) count += keymap.GetOwnKeyCode(index) != 0;
  return count;
}

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
  // Read-only aliases, and names that are not functions.
  for (auto [name, code] : {std::pair{"VT_HELP", 126}, {"VT_DO", 127}, {"vt_pf1", -1}, {"VT_PF1 ", -1}, {"", -1},
                            {"VT_F21", -1}})
    EXPECT_EQ(Keymap::LookupCodeByName(name), code) << name;
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
  struct Case { char const* name; int virtualKey; } const cases[] = {
      {"0x70", 0x70}, {"0XBF", 0xBF}, {"0xff", 255}, {"0377", 255}, {"255", 255}, {"0", 0}, {"12ab", 12},
      {"0x", 0}, {"256", -1}, {"0x100", -1}, {"99999999999999999999", -1},
      {"vk_f1", -1}, {"VK_F25", -1}, {"VK_", -1}, {"", -1}, {"ZZZ", -1}, {"-1", -1},
  };
  for (Case const& c : cases) EXPECT_EQ(VirtualKeyFromName(c.name), c.virtualKey) << c.name;
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
    dump += std::string("[") + c.name + "] " + std::to_string(OwnEntries(keymap)) + " entries\n";
    for (int index = 0; index < Keymap::kIndexCount; ++index) {
      if (int const code = keymap.GetOwnKeyCode(index)) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "0x%03X", index);
        dump += std::string(hex) + " " + Keymap::LookupNameByCode(code).Str() + " " +
                DumpText(keymap.GetOwnKeyValue(index).Str()) + "\n";
      }
    }
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
  EXPECT_EQ(OwnEntries(*first), 53);
  EXPECT_EQ(first->GetFallback(), nullptr);
  keymap.LoadGatehold();
  EXPECT_NE(keymap.GetFallback(), nullptr);
}

}  // namespace
