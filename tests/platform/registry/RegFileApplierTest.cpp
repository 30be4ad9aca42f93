#include "platform/registry/RegFileApplier.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/registry/RegFileParser.h"
#include "platform/registry/RegHiveName.h"
#include "platform/registry/RegKeyReader.h"
#include "platform/registry/Registry.h"
#include "support/KeyChainPath.h"
#include "support/ScopedRoot.h"

namespace {

class RegFileApplierTest : public ::testing::Test {
 protected:
  bool Import(std::string const& file) {
    RegFileParser parser;
    EXPECT_TRUE(parser.Parse(file)) << parser.ErrorText();
    RegFileApplier applier([](std::string_view hive, HKEY& root, std::string& prefix) {
      root = RegHiveName::Resolve(hive);
      prefix.clear();
      return root != nullptr;
    });
    bool const ok = applier.Apply(parser.Operations());
    m_error = applier.Error();
    return ok;
  }

  static std::string Get(HKEY root, char const* path, std::string const& name) {
    HKEY key = nullptr;
    if (RegOpenKeyEx(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return "<no key>";
    unsigned long type = 0;
    std::string data;
    LSTATUS const status = RegKeyReader::QueryValue(key, name, type, data);
    RegCloseKey(key);
    return status == ERROR_SUCCESS ? std::to_string(type) + ":" + data : "<no value>";
  }

  ScopedRoot m_root;
  std::string m_error;
};

TEST_F(RegFileApplierTest, AppliesEveryKindOfStepAcrossHives) {
  ASSERT_TRUE(Import("REGEDIT4\n[HKCU\\A\\Gone\\Deep]\n\"x\"=dword:1\n[HKCU\\A]\n\"old\"=\"o\"\n")) << m_error;
  ASSERT_TRUE(Import("REGEDIT4\n"
                     "[HKEY_CURRENT_USER\\A]\n@=\"top\"\n\"n\"=dword:2a\n\"old\"=-\n\"never\"=-\n"
                     "[-HKEY_CURRENT_USER\\A\\Gone]\n[-HKEY_CURRENT_USER\\Missing\\Too]\n"
                     "[HKLM\\M\\Empty]\n"
                     "[HKLM\\M]\n\"b\"=hex:01,02\n"))
      << m_error;
  EXPECT_EQ(std::string("1:top\0", 6), Get(HKEY_CURRENT_USER, "A", ""));
  EXPECT_EQ(std::string("4:*\0\0\0", 6), Get(HKEY_CURRENT_USER, "A", "n"));
  EXPECT_EQ("<no value>", Get(HKEY_CURRENT_USER, "A", "old"));
  EXPECT_EQ("<no key>", Get(HKEY_CURRENT_USER, "A\\Gone", "x"));
  EXPECT_EQ("3:\1\2", Get(HKEY_LOCAL_MACHINE, "M", "b"));
  EXPECT_EQ("<no value>", Get(HKEY_LOCAL_MACHINE, "M\\Empty", "b"));
}

TEST_F(RegFileApplierTest, AFailingStepLeavesEveryHiveAsItWas) {
  ASSERT_TRUE(Import("REGEDIT4\n[HKCU\\Keep]\n\"v\"=\"before\"\n")) << m_error;
  std::string const tooLong(16384, 'n');
  EXPECT_FALSE(Import("REGEDIT4\n[HKCU\\Keep]\n\"v\"=\"after\"\n[HKLM\\New]\n\"w\"=dword:1\n[-HKCU\\Keep]\n"
                      "[HKCR\\C]\n\"" + tooLong + "\"=dword:1\n"));
  EXPECT_TRUE(m_error.starts_with("line 8: could not set value \"nnnnnnnnnn...\" in HKCR\\C: invalid name")) << m_error;
  EXPECT_EQ(std::string("1:before\0", 9), Get(HKEY_CURRENT_USER, "Keep", "v"));
  EXPECT_EQ("<no key>", Get(HKEY_LOCAL_MACHINE, "New", "w"));
  EXPECT_EQ("<no key>", Get(HKEY_CLASSES_ROOT, "C", ""));
}

TEST_F(RegFileApplierTest, ImportsUnderAnotherKeyOfAHiveFile) {
  RegFileParser parser;
  ASSERT_TRUE(parser.Parse("REGEDIT4\n[HKCU]\n\"r\"=dword:1\n[HKLM\\S]\n\"s\"=\"t\"\n"));
  HKEY file = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegOpenHiveFile(m_root.File("other.db").c_str(), &file));
  RegFileApplier applier([file](std::string_view, HKEY& root, std::string& prefix) {
    root = file;
    prefix = "Imported\\Here";
    return true;
  });
  ASSERT_TRUE(applier.Apply(parser.Operations())) << applier.Error();
  EXPECT_EQ(std::string("4:\1\0\0\0", 6), Get(file, "Imported\\Here", "r"));
  EXPECT_EQ(std::string("1:t\0", 4), Get(file, "Imported\\Here\\S", "s"));
  EXPECT_EQ("<no key>", Get(HKEY_LOCAL_MACHINE, "S", "s"));
  RegCloseKey(file);
}

// Steps that reach the applier without the parser: a NUL would end the name at the registry call.
TEST_F(RegFileApplierTest, NamesWithANulByteAreRefusedBeforeAnyChange) {
  using namespace std::string_literals;
  ASSERT_TRUE(Import("REGEDIT4\n[HKCU\\T\\Victim]\n\"na\"=\"keep\"\n@=\"default\"\n")) << m_error;
  using Kind = RegFileOperation::Kind;
  std::vector<RegFileOperation> const cases[] = {
      {{Kind::DeleteKey, "HKCU\\T\\Victim\0NotThisOne"s, "", 0, "", 2}},
      {{Kind::SetValue, "HKCU\\T\\Victim", "na\0me"s, REG_SZ, "x\0"s, 2}},
      {{Kind::SetValue, "HKCU\\T\\Victim", "\0"s, REG_SZ, "x\0"s, 2}},
      {{Kind::SetValue, "HKCU\\New", "v", REG_SZ, "x\0"s, 2}, {Kind::DeleteValue, "HKCU\\T\\Victim", "na\0"s, 0, "", 3}},
  };
  for (auto const& steps : cases) {
    RegFileApplier applier([](std::string_view, HKEY& root, std::string& prefix) {
      root = HKEY_CURRENT_USER;
      prefix.clear();
      return true;
    });
    EXPECT_FALSE(applier.Apply(steps));
    EXPECT_NE(std::string::npos, applier.Error().find("NUL")) << applier.Error();
  }
  EXPECT_EQ(std::string("1:keep\0", 7), Get(HKEY_CURRENT_USER, "T\\Victim", "na"));
  EXPECT_EQ(std::string("1:default\0", 10), Get(HKEY_CURRENT_USER, "T\\Victim", ""));
  EXPECT_EQ("<no key>", Get(HKEY_CURRENT_USER, "New", "v"));
}

// The file's own paths are within the limit, but the key it is imported under adds a level.
TEST_F(RegFileApplierTest, KeysPastTheDepthLimitAreRefusedWhole) {
  RegFileParser parser;
  ASSERT_TRUE(parser.Parse("REGEDIT4\n[HKCU\\A]\n\"v\"=dword:1\n[HKCU\\" + KeyChainPath(kRegMaxKeyDepth) + "]\n"))
      << parser.ErrorText();
  for (std::string const prefix : {"", "Under"}) {
    RegFileApplier applier([&](std::string_view, HKEY& root, std::string& into) {
      root = HKEY_CURRENT_USER;
      into = prefix;
      return true;
    });
    EXPECT_EQ(prefix.empty(), applier.Apply(parser.Operations())) << applier.Error();
    if (!prefix.empty()) {
      EXPECT_TRUE(applier.Error().starts_with("line 4: could not create key HKCU\\k\\k")) << applier.Error();
      EXPECT_NE(std::string::npos, applier.Error().find("at most 512 levels")) << applier.Error();
    }
  }
  EXPECT_EQ("<no key>", Get(HKEY_CURRENT_USER, "Under\\A", "v"));
  EXPECT_EQ(std::string("4:\1\0\0\0", 6), Get(HKEY_CURRENT_USER, "A", "v"));
}

TEST_F(RegFileApplierTest, AHiveWithoutATargetIsRefusedBeforeAnyChange) {
  RegFileParser parser;
  ASSERT_TRUE(parser.Parse("REGEDIT4\n[HKCU\\A]\n\"v\"=dword:1\n[HKLM\\B]\n"));
  RegFileApplier applier([](std::string_view hive, HKEY& root, std::string& prefix) {
    root = hive == "HKCU" ? HKEY_CURRENT_USER : nullptr;
    prefix.clear();
    return root != nullptr;
  });
  EXPECT_FALSE(applier.Apply(parser.Operations()));
  EXPECT_EQ("line 4: there is no hive \"HKLM\" to import into", applier.Error());
  EXPECT_EQ("<no key>", Get(HKEY_CURRENT_USER, "A", "v"));
}

}  // namespace
