#include "transfer/FileTypeManager.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "VProfileKey.h"
#include "VProfilePrivateKey.h"
#include "VProfilePrivateKeyIterator.h"
#include "VProfilePrivateStore.h"
#include "VProfileStore.h"
#include "platform/filetypes/FreedesktopFileTypes.h"
#include "support/Golden.h"
#include "support/InstalledMemoryStore.h"
#include "support/InstalledStore.h"
#include "support/Joined.h"
#include "support/KeyDump.h"

namespace {

// A read-only profile store with one key below its root whose text-list values keep names that
// differ only in case apart, as a host's own store may.
class ExactNameStore : public VProfileStoreFactory {
 public:
  using Values = std::vector<std::pair<std::string, VStringArray>>;

  ExactNameStore(std::string keyName, Values values) : m_keyName(std::move(keyName)), m_values(std::move(values)) {}

  VProfilePrivateStore* CreateStore() override { return new Store(*this); }

 private:
  class Names : public VProfilePrivateKeyIterator {
   public:
    explicit Names(Values const* values) : m_values(values) {}
    bool Next(VString& name) override {
      if (!m_values || m_next >= m_values->size()) return false;
      name = (*m_values)[m_next++].first.c_str();
      return true;
    }

   private:
    Values const* m_values;
    size_t m_next = 0;
  };

  // The root (values null, one subkey) or the key holding the values.
  class Key : public VProfilePrivateKey {
   public:
    Key(ExactNameStore const& store, Values const* values) : m_store(store), m_values(values) {}
    bool GetMultiSz(char const* name, VStringArray& out) override {
      out.RemoveAll();
      for (auto const& [valueName, list] : m_values ? *m_values : Values())
        if (valueName == name) {
          out = list;
          return true;
        }
      return false;
    }
    bool GetBinary(char const*, void*, unsigned long&) override { return false; }
    bool GetSz(char const*, VString&) override { return false; }
    bool GetDword(char const*, unsigned long&) override { return false; }
    bool SetMultiSz(char const*, VStringArray const&) override { return false; }
    bool SetBinary(char const*, void const*, unsigned long) override { return false; }
    bool SetSz(char const*, char const*) override { return false; }
    bool SetDword(char const*, unsigned long) override { return false; }
    bool DeleteValue(char const*) override { return false; }
    bool DeleteKey(char const*) override { return false; }
    bool KeyExists(char const* name) override { return !m_values && m_store.m_keyName == name; }
    bool IsWritable() override { return false; }
    VProfilePrivateKey* OpenKey(char const* name) override {
      static Values const none;
      return new Key(m_store, KeyExists(name) ? &m_store.m_values : &none);
    }
    VProfilePrivateKeyIterator* CreateIterator(bool values) override { return new Names(values ? m_values : nullptr); }

   private:
    ExactNameStore const& m_store;
    Values const* m_values;
  };

  class Store : public VProfilePrivateStore {
   public:
    explicit Store(ExactNameStore const& store) : m_store(store) {}
    VProfilePrivateKey* OpenRoot(bool) override { return new Key(m_store, nullptr); }

   private:
    ExactNameStore const& m_store;
  };

  std::string m_keyName;
  Values m_values;
};

std::string const kRoot = TEST_DATA_DIR "/filetypes";

class FileTypeManagerTest : public ::testing::Test {
 protected:
  FileTypeManagerTest() { SetFileTypeRegistry(&m_system); }
  ~FileTypeManagerTest() override { SetFileTypeRegistry(nullptr); }
  // Switches to a system with no registered types, so that a manager starts with what a test adds.
  void EmptySystem() { SetFileTypeRegistry(&m_empty); }
  static void Store(char const* name, VStringArray const& list) {
    VProfileStore store;
    VProfileKey key(store.Root(), FileTypeManager::kKeyName);
    ASSERT_TRUE(key.SetMultiSz(name, list));
  }
  static std::string StoredTypes() {
    VProfileStore store(true, nullptr);
    VProfileKey key(store.Root(), FileTypeManager::kKeyName);
    return DumpKey(&key);
  }
  static std::string Extensions(FileTypeDefinition const* type) {
    std::string extensions;
    for (VString const& e : type->extensions) extensions += (extensions.empty() ? "" : ",") + e.Str();
    return extensions;
  }
  // A type as "name|extensions|open command|icon file|icon index|open action|transfer type".
  static std::string Describe(FileTypeDefinition const* type) {
    return Joined(type->typeName, Extensions(type), type->openCommand, type->iconFile, type->iconIndex,
                  type->openAction, type->transferType);
  }
  static FileTypeDefinition Type(char const* name, std::vector<char const*> extensions, int transfer = 0) {
    FileTypeDefinition type;
    type.SetTypeName(name);
    for (char const* e : extensions) type.extensions.Add(e);
    type.transferType = transfer;
    return type;
  }
  InstalledMemoryStore m_store;
  FreedesktopFileTypes m_system{XdgLocations::UnderRoot(kRoot)};
  FreedesktopFileTypes m_empty{XdgLocations::UnderRoot(kRoot + "/missing")};
};

TEST_F(FileTypeManagerTest, SeedsAStoreWithoutFileTypesFromTheSystem) {
  FileTypeManager const types;
  // The executable and icon types first, then text, then the rest in the system's order; a type
  // whose only extension another type took ("C" after "c") is kept without extensions.
  ExpectGolden("seeded_file_types.txt", StoredTypes());
  EXPECT_TRUE(types.IsExeIndex(0));
  EXPECT_TRUE(types.IsIconIndex(1));
  EXPECT_FALSE(types.IsExeIndex(1));
  EXPECT_EQ(types.FindExtension(".ASC"), types.Definition(2));
}

TEST_F(FileTypeManagerTest, LoadsStoredTypesInTheStoresOrder) {
  Store("Notes", {"notepad %1", "0", "note-icon", " txt||md", "2", "1"});
  Store("Short", {"cmd", "1"});
  Store("Bare", {});
  FileTypeManager const types;
  ASSERT_EQ(types.FindFileTypeIndex("notes", false), 0);
  EXPECT_EQ(Describe(types.Definition(0)),
            "Notes|txt,md|notepad %1|note-icon|0|2|" + std::to_string(FileTypeDefinition::kTransferAscii));
  // Fewer than six strings: defaults. The executable, icon and library types come from the system at every load.
  EXPECT_EQ(Joined(types.Definition(1)->openCommand, types.Definition(2)->typeName, types.GetDefinitionCount(),
                   types.IsExeIndex(3), types.IsIconIndex(4), types.Definition(5)->typeName,
                   types.FindFileTypeIndex("notes", true), types.FindFileTypeIndex("Notes", true)),
            "|Bare|6|1|1|application/x-sharedlib|-1|0");
}

// A host's own store may keep names that differ only in case apart.
TEST_F(FileTypeManagerTest, StoredNamesThatDifferOnlyInCaseMergeIntoOneType) {
  ExactNameStore::Values values{{"Notes", {"notepad %1", "0", "note-icon", "txt|md", "2", "1"}},
                                {"NOTES", {"other", "3", "other-icon", "note|TXT", "4", "2"}}};
  InstalledStore<ExactNameStore> store(FileTypeManager::kKeyName, values);
  FileTypeManager const types;
  ASSERT_EQ(types.GetDefinitionCount(), 4);  // with the executable, icon and library types
  // Only extensions and the transfer type (binary) merge.
  EXPECT_EQ(Describe(types.Definition(0)), "Notes|txt,md,note|notepad %1|note-icon|0|2|" +
                                               std::to_string(FileTypeDefinition::kTransferBinary));
}

TEST_F(FileTypeManagerTest, MergingKeepsBinaryAndLetsAsciiReplaceAPrompt) {
  EmptySystem();
  struct Case { int existing; int added; int merged; };
  Case const cases[] = {{2, 1, 2}, {0, 1, 1}, {3, 1, 1}, {1, 2, 2}, {0, 2, 2}, {1, 0, 1}, {2, 0, 2}, {1, 5, 1}};
  for (Case const& c : cases) {
    FileTypeManager types;
    FileTypeDefinition const existing = Type("Text", {"txt"}, c.existing);
    FileTypeDefinition const added = Type(" TEXT ", {"text"}, c.added);
    ASSERT_EQ(types.AddType(&existing), 0);
    ASSERT_EQ(types.AddType(&added), 0);
    EXPECT_EQ(types.Definition(0)->transferType, c.merged) << c.existing << " + " << c.added;
    EXPECT_EQ(types.GetDefinitionCount(), 1);
  }
}

TEST_F(FileTypeManagerTest, AddingKeepsAnExtensionWithItsFirstType) {
  EmptySystem();
  FileTypeManager types;
  FileTypeDefinition const logs = Type("  Logs\t", {"log", ".txt"});
  FileTypeDefinition const text = Type("Text", {"TXT", "text", "a|b", ""});
  EXPECT_EQ(types.AddType(&logs), 0);
  EXPECT_EQ(types.AddType(&text), 1);
  EXPECT_EQ(Joined(types.Definition(0)->typeName, Extensions(types.Definition(0)), Extensions(types.Definition(1))),
            "Logs|log,txt|text");
  EXPECT_EQ(types.FindExtension("Txt"), types.Definition(0));
  FileTypeDefinition const blank = Type(" \t", {"blank"});
  EXPECT_EQ(types.AddType(&blank), -1);
  EXPECT_EQ(types.AddType(nullptr), -1);
  EXPECT_EQ(types.FindExtension("blank"), nullptr);
  EXPECT_EQ(Joined(types.FindIndex(nullptr), types.FindIndex(&text)), "-1|1");
}

TEST_F(FileTypeManagerTest, RemoveTypeAtTheEdgesAndTheSpecialIndices) {
  FileTypeManager types;
  int const count = types.GetDefinitionCount();
  EXPECT_FALSE(types.RemoveType(count));
  EXPECT_FALSE(types.RemoveType(-1));
  EXPECT_TRUE(types.RemoveType(count - 1));  // "Tar & gzip archive"
  EXPECT_EQ(types.GetDefinitionCount(), count - 1);
  EXPECT_EQ(types.FindExtension("tar.gz"), nullptr);
  EXPECT_EQ(types.Definition(count - 1), nullptr);
  // Removing the executable type moves the icon type's index down with the rest.
  EXPECT_TRUE(types.RemoveType(0));
  EXPECT_TRUE(types.IsIconIndex(0));
  for (int i = 0; i < types.GetDefinitionCount(); ++i) EXPECT_FALSE(types.IsExeIndex(i));
}

TEST_F(FileTypeManagerTest, EditingOperationsRefuseWhatWouldBreakTheList) {
  EmptySystem();
  FileTypeManager types;
  FileTypeDefinition const text = Type("Text", {"txt"});
  FileTypeDefinition const logs = Type("Logs", {"log"});
  types.AddType(&text);
  types.AddType(&logs);
  EXPECT_FALSE(types.AddExtension(2, "md"));
  for (char const* refused : {"TXT", ".log", "a|b", "", ".", "  "})
    EXPECT_FALSE(types.AddExtension(0, refused)) << refused;
  EXPECT_TRUE(types.AddExtension(0, " .md "));
  EXPECT_EQ(Extensions(types.Definition(0)), "txt,md");
  EXPECT_TRUE(types.RemoveExtension("TXT"));
  EXPECT_FALSE(types.RemoveExtension("txt"));
  EXPECT_EQ(Extensions(types.Definition(0)), "md");
  EXPECT_TRUE(types.AddExtension(1, "txt"));  // free again
  for (auto const& [index, name] : {std::pair{0, "LOGS"}, {0, " "}, {5, "Other"}})
    EXPECT_FALSE(types.RenameType(index, name)) << name;
  EXPECT_TRUE(types.RenameType(1, "logs"));
  EXPECT_TRUE(types.RenameType(0, " Markdown "));
  EXPECT_EQ(types.Definition(0)->typeName, "Markdown");
  types.SetItemData(0, 4);
  EXPECT_TRUE(types.SetIcon(0, "text-markdown", 0));
  EXPECT_EQ(types.Definition(0)->itemData, -1);
  EXPECT_EQ(Joined(types.SetOpenCommand(0, "mdview %1"), types.SetOpenCommand(2, "x"), types.SetIcon(-1, "x", 0)),
            "1|0|0");
}

TEST_F(FileTypeManagerTest, StoreWritesTheListInIndexOrderAndReloadDropsEdits) {
  EmptySystem();
  Store("Old", {"", "0", "", "old", "1", "0"});
  FileTypeManager types;
  ASSERT_TRUE(types.RemoveType(0));
  FileTypeDefinition text = Type("Text", {"txt", "text", "TEXT"}, FileTypeDefinition::kTransferAscii);
  text.openCommand = "view %1";
  text.iconFile = "/icons/text file.png";
  text.iconIndex = -2;
  text.openAction = FileTypeDefinition::kOpenActionSave;
  types.AddType(&text);
  FileTypeDefinition const logs = Type("Logs", {"log"});
  types.AddType(&logs);
  ASSERT_TRUE(types.StoreDefinitions());
  EXPECT_EQ(StoredTypes(),
            "Text = multi_sz \"view %1\" \"-2\" \"/icons/text file.png\" \"txt|text\" \"4\" \"1\"\n"
            "Logs = multi_sz \"\" \"0\" \"\" \"log\" \"1\" \"0\"\n");
  types.RemoveType(0);
  types.SetTransferType(0, 2);
  types.ReloadDefinitions();
  ASSERT_EQ(types.GetDefinitionCount(), 2);
  EXPECT_EQ(Joined(types.Definition(0)->typeName, types.Definition(1)->transferType, types.Definition(0)->valid),
            "Text|0|1");
}

}  // namespace
