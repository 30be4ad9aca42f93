#include <gtest/gtest.h>

#include "VMemoryStoreFactory.h"
#include "VProfileKey.h"
#include "VProfileStore.h"
#include "platform/debug/DebugTrace.h"
#include "platform/types/VirtualKeys.h"
#include "support/Golden.h"
#include "support/Joined.h"
#include "support/KeyDump.h"
#include "terminal/ProfileKeymap.h"
#include "terminal/ProfileKeymapFormat.h"

namespace {

constexpr int C = Keymap::kCtrl, A = Keymap::kAlt;

std::string Bytes(std::vector<unsigned char> const& bytes) { return std::string(bytes.begin(), bytes.end()); }

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
  std::string Stored() {
    std::vector<unsigned char> buffer(40000);
    unsigned long size = buffer.size();
    return m_key->GetBinary("Keymap", buffer.data(), size) ? std::string(buffer.begin(), buffer.begin() + size)
                                                           : "<missing>";
  }
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

// Each stored form loaded over a keymap that held F3, then: loaded, the function and value of F1,
// F2 and F3, dirty, modified and the trace. A missing value empties the keymap; no key keeps it.
TEST_F(ProfileKeymapTest, LoadCases) {
  std::string const good = std::string("\0\0\0\x02\0\0\0\x70VT_PF1\0\0\0\0\0\x71SEND\0x\0", 4 + 12 + 11);
  std::pair<char const*, std::string> const cases[] = {
      {"whole", good}, {"count promises more", std::string("\0\0\0\x09", 4) + good.substr(4)},
      {"count promises fewer", std::string("\0\0\0\x01", 4) + good.substr(4)},
      {"ends inside an index", std::string("\0\0\0\x03", 4) + good.substr(4) + std::string("\0\0", 2)},
      {"strings cut by the end", std::string("\0\0\0\x01\0\0\0\x70VT_PF1", 14)},
      {"unknown, NONE, out of range",
       std::string("\0\0\0\x03\0\0\0\x70NOPE\0\0\0\0\0\x71NONE\0\0\0\0\x10\0VT_PF1\0\0", 36)},
      {"negative index", std::string("\0\0\0\x01\xff\xff\xff\xffVT_PF1\0\0", 16)},
      {"too short", std::string("\0\0\0", 3)},
  };
  std::string transcript;
  for (auto const& [what, bytes] : cases) {
    Store(bytes);
    ProfileKeymap keymap;
    keymap.SetKeyCode(VK_F3, KeymapCode::MENU_EXIT);
    keymap.SetDirty(true);
    traced.clear();
    bool const loaded = keymap.Load(m_key, "Keymap");
    auto const key = [&keymap](int index) {
      return Joined(Keymap::LookupNameByCode(keymap.GetKeyCode(index)), keymap.GetKeyValue(index));
    };
    transcript += std::string(what) + " -> " + Joined(loaded, key(VK_F1), key(VK_F2), key(VK_F3), keymap.IsDirty(),
                                                      keymap.IsModified(), DumpText(traced)) + "\n";
  }
  ExpectGolden("connectdialog/profile_keymap_loads.txt", transcript);
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
