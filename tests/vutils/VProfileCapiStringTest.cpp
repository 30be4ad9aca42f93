#include "VProfileCapiString.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "MemoryKey.h"
#include "VProfileCapiUpgrade.h"
#include "VProfileEncodedString.h"
#include "VTraceFile.h"
#include "support/Hex.h"
#include "support/ScopedEnv.h"
#include "support/TempFolder.h"

namespace {

// A private world: the key below a temporary root, the trace file in a temporary TMPDIR.
class VProfileCapiStringTest : public testing::Test, protected MemoryKey {
 protected:
  VProfileCapiStringTest() { m_value.SetName("Password"); }
  std::string KeyPath() const { return m_folder / "user/protect/user.key"; }
  TempFolder m_folder;
  ScopedEnv m_root{"BRIMVALE_ROOT", m_folder.Path().c_str()}, m_tmp{"TMPDIR", m_folder.Path().c_str()};
  VProfileCapiString m_value;
};

TEST_F(VProfileCapiStringTest, StoredFormIsPrefixAndUppercaseHexOfTheSealedBlock) {
  std::string stored = m_value.Protect("secret").Str();
  std::string header = "CAPI:" + Hex("BVP\x01\x12", true) + "00" + Hex("VProfileCapiString", true);
  ASSERT_EQ(stored.substr(0, header.size()), header);
  size_t const sealedBytes = 6 + 18 + 24 + 7 + 16;  // header, description, nonce, text and zero, tag
  EXPECT_EQ(stored.size(), 5 + 2 * sealedBytes);
  EXPECT_EQ(stored.find_first_not_of("0123456789ABCDEF", 5), std::string::npos);
  EXPECT_EQ(m_value.GetError().GetCode(), 0u);
  EXPECT_TRUE(m_value.Unprotect(stored) == "secret" && m_value.Unprotect(stored).IsSensitive());
  EXPECT_EQ(m_value.Unprotect(stored.substr(5)), "secret") << "the prefix is optional";
  EXPECT_TRUE(m_value.Protect("") == "" && m_value.Unprotect("") == "");
  EXPECT_EQ(m_value.GetError().GetCode(), 0u);
  EXPECT_TRUE(VProfileCapiString::IsProtectedForm("CAPI:00"));
  EXPECT_FALSE(VProfileCapiString::IsProtectedForm("capi:00") || VProfileCapiString::IsProtectedForm(nullptr));
}

TEST_F(VProfileCapiStringTest, BadStoredFormsGiveEmptyTextAReportAndATraceLine) {
  std::string good = m_value.Protect("secret").Str();
  std::string flipped = good;
  flipped.back() = flipped.back() == '0' ? '1' : '0';
  std::string const malformed = "The value Password does not hold a whole number of hexadecimal digit pairs.";
  struct Case { std::string stored; unsigned long code; std::string textStart; };
  Case const cases[] = {
      {"CAPI:ABC", 0xE104004E, malformed}, {"A", 0xE104004E, malformed}, {"CAPI:ZZ", 0xE104004E, malformed},
      {"CAPI:12 4", 0xE104004E, malformed}, {"capi:" + good.substr(5), 0xE104004E, malformed},
      {flipped, 0xE104004D, "Could not unprotect the value Password: the protected block was sealed with another"},
      {"CAPI:00", 0xE104004D, "Could not unprotect the value Password: the data is not a protected block"},
      {good.substr(0, 81), 0xE104004D, "Could not unprotect the value Password: the protected block is truncated"},
  };
  for (Case const& c : cases) {
    SCOPED_TRACE(c.stored);
    std::string traceBefore = ReadFileBytes(VTraceFile::Path());
    EXPECT_EQ(m_value.Unprotect(c.stored), "");
    VReportMessageParams& error = m_value.GetError();
    EXPECT_EQ(error.GetCode(), c.code);
    EXPECT_EQ(error.GetInsertCount(), c.code == 0xE104004E ? 1 : 2);
    std::string text = error.GetText();
    EXPECT_TRUE(text.starts_with(c.textStart)) << text;
    EXPECT_EQ(ReadFileBytes(VTraceFile::Path()), traceBefore + text + "\n");
  }
  m_value.Unprotect(good);
  EXPECT_TRUE(m_value.GetError().GetCode() == 0u && m_value.GetError().GetInsertCount() == 0)
      << "a success clears the report";
}

TEST_F(VProfileCapiStringTest, KeyFileOthersCanReadIsRefusedAndLoadKeepsOrRefusesTheStoredForm) {
  m_value = "first";
  m_value.Save(key, true);
  std::string const stored = StoredSz("Password");
  ASSERT_EQ(chmod(KeyPath().c_str(), 0644), 0);
  EXPECT_TRUE(m_value.Protect("x") == "" && m_value.GetError().GetCode() == 0xE104004Cu);
  std::string text = m_value.GetError().GetText();
  EXPECT_TRUE(text.starts_with("Could not protect the value Password: refusing the protection key file ")) << text;
  m_value = "second";
  m_value.Save(key, false);
  EXPECT_EQ(StoredSz("Password"), stored) << "a failed protection must not replace the stored secret";
  EXPECT_TRUE(m_value.IsModified());
  ASSERT_EQ(chmod(KeyPath().c_str(), 0600), 0);
  m_value.Save(key, false);
  VProfileCapiString reloaded;
  reloaded.Load(key, "Password", "unused");
  EXPECT_EQ(reloaded, "second");
  // Load keeps the sealed block and refuses what it cannot open; the load, dirty, save protocol
  // itself runs with every other kind of value.
  std::string const sealed = m_value.Protect("kept").Str();
  ASSERT_TRUE(key->SetSz("Password", sealed.c_str()) && key->SetSz("Odd", "CAPI:ABC") && key->SetDword("Number", 5));
  VProfileCapiString loaded, odd, number;
  loaded.Load(key, "Password", "unused");
  EXPECT_EQ(loaded, "kept");
  loaded.Save(key, false);
  EXPECT_EQ(StoredSz("Password"), sealed) << "an unchanged value is not sealed afresh";
  odd.Load(key, "Odd", "unused");
  EXPECT_TRUE(odd == "" && !odd.IsDirty() && odd.GetError().GetCode() == 0xE104004Eu);
  number.Load(key, "Number", "fallback");
  EXPECT_TRUE(number == "fallback" && number.IsDirty());
}

// Only the exact prefix marks the protected form; an unreadable one stays stored for whoever can read it.
TEST_F(VProfileCapiStringTest, UpgradeRewritesAReadableProtectedFormEncodedOnce) {
  std::string const sealed = m_value.Protect("pw").Str();
  struct Case { std::string stored; bool upgraded, rewritten; char const* text; };  // text: null when not checked
  Case const cases[] = {{sealed, true, true, "pw"}, {"capi:" + sealed.substr(5), false, false, nullptr},
                        {"CAPI:00", true, false, ""}, {"CAPI:0", true, false, ""}};
  for (Case const& c : cases) {
    SCOPED_TRACE(c.stored);
    ASSERT_TRUE(key->SetSz("Password", c.stored.c_str()));
    VProfileEncodedString value;
    value.Load(key, "Password", "");
    EXPECT_EQ(VProfileCapiUpgrade::Upgrade(value, key), c.upgraded);
    std::string const after = StoredSz("Password");
    EXPECT_TRUE(!c.text || value == c.text);
    EXPECT_EQ(after == c.stored, !c.rewritten);
    if (c.rewritten) {
      EXPECT_EQ(VProfileEncodedString::Decode(after), "pw");
    }
    value.Save(key, false);
    EXPECT_EQ(StoredSz("Password"), after) << "an upgraded value leaves nothing to write";
  }
}

TEST_F(VProfileCapiStringTest, FirstTraceLineOfAProcessStartsTheFileAfresh) {
  std::string path = VTraceFile::Path();
  WriteFileBytes(path, "from an earlier run\n");
  pid_t child = fork();
  if (child == 0) {
    VProfileCapiString value;
    value.SetName("Pw");
    value.Unprotect("A");
    value.Unprotect("ZZ");
    _exit(0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  std::string line = "The value Pw does not hold a whole number of hexadecimal digit pairs.\n";
  EXPECT_EQ(ReadFileBytes(path), line + line);
  EXPECT_EQ(std::filesystem::path(path).filename(), "test_vutils.trace.log");
}

}  // namespace
