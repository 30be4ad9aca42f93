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
#include "platform/registry/Registry.h"
#include "platform/ui/HeadlessImageList.h"
#include "platform/ui/HeadlessUserInterface.h"
#include "support/CaseFile.h"
#include "support/CaseWords.h"
#include "support/InstalledMemoryStore.h"
#include "support/InstalledStore.h"
#include "support/Joined.h"
#include "support/KeyDump.h"
#include "support/ScopedEnv.h"
#include "support/ScopedRoot.h"
#include "transfer/IconManager.h"
#include "transfer/FileTypeStoredForm.h"
#include "transfer/IconLocation.h"

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

std::string Extensions(FileTypeDefinition const* type) {
  std::string extensions;
  for (VString const& e : type->extensions) extensions += (extensions.empty() ? "" : ",") + e.Str();
  return extensions;
}

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

TEST(FileTypeStoredFormTest, ReadsEachPositionAndRoundTrips) {
  // Then the name, item data, extensions, icon index, open action and transfer type read.
  std::pair<VStringArray, char const*> const cases[] = {
      {{"open %1", "3", "icon", "txt|log", "2", "1"}, "Name|-1|txt,log|3|2|1"},
      {{"", " 12abc", "", " \t|txt||tar.gz|", "+4", "x"}, "Name|-1|txt,tar.gz|12|4|0"},
      {{"", "", "", "", "", ""}, "Name|-1||0|0|0"},
      // A list of fewer than six strings keeps every default.
      {{"open %1", "3", "icon", "txt", "2"}, "Name|-1||0|1|0"}, {{}, "Name|-1||0|1|0"},
  };
  for (auto const& [stored, expected] : cases) {
    FileTypeDefinition type;
    type.itemData = 9;
    FileTypeStoredForm::Read("Name", stored, type);
    EXPECT_EQ(Joined(type.typeName, type.itemData, Extensions(&type), type.iconIndex, type.openAction,
                     type.transferType), expected);
    FileTypeDefinition again;
    FileTypeStoredForm::Read("Name", FileTypeStoredForm::Write(type), again);
    EXPECT_EQ(FileTypeStoredForm::Write(again), FileTypeStoredForm::Write(type));
  }
}

TEST(IconLocationTest, ParsesRegisteredIconValues) {
  ScopedEnv icons("BV_TEST_ICONS", "/opt/icons");
  ScopedEnv unset("BV_TEST_UNSET", nullptr);
  ExpectCaseFile("connectdialog/icon_locations.txt", [](std::string const& value) {
    IconLocation location{"kept", 7};
    bool const parsed = IconLocation::Parse(value, location);
    return (parsed ? "" : "refused, ") + Joined(location.file, location.index);
  });
}

class IconManagerTest : public FileTypeManagerTest {
 protected:
  IconManagerTest() { SetUserInterface(&m_ui); }
  ~IconManagerTest() override { SetUserInterface(nullptr); }
  // Every slot gets resource 100 + slot.
  IconManager& Prepared(FileTypeManager& types) {
    m_icons = std::make_unique<IconManager>(&types, &m_small, &m_large);
    for (int slot = 0; slot < IconManager::kSlots; ++slot)
      m_icons->SetResourceNumber(static_cast<IconManager::IMGINDX>(slot), 100u + static_cast<unsigned>(slot));
    EXPECT_TRUE(m_icons->PrepareImageLists());
    return *m_icons;
  }
  std::vector<std::string> Sources(HeadlessImageList const& list) const {
    std::vector<std::string> sources;
    for (HICON icon : list.Images()) sources.push_back(m_ui.IconSource(icon));
    return sources;
  }
  static void SetShellIconBits(unsigned long type, void const* data, unsigned long size) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, "Control Panel\\Desktop\\WindowMetrics", 0, nullptr, 0, KEY_ALL_ACCESS,
                             nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueEx(key, "Shell Icon BPP", 0, type, static_cast<unsigned char const*>(data), size);
    RegCloseKey(key);
  }
  ScopedRoot m_root;
  HeadlessUserInterface m_ui;
  HeadlessImageList m_small;
  HeadlessImageList m_large;
  std::unique_ptr<IconManager> m_icons;
};

TEST_F(IconManagerTest, PreparesBuiltInImagesInTheirOrder) {
  FileTypeManager types;
  IconManager& icons = Prepared(types);
  // Folders come from the directory class's icon and the theme's open folder, at the display's
  // depth (no desktop setting).
  EXPECT_EQ(Sources(m_large),
            (std::vector<std::string>{"resource 100 32px", "resource 101 32px", "resource 102 32px", "resource 104 32px",
                                      "resource 103 32px", "resource 105 32px", "resource 106 32px",
                                      "icon folder-open 32px 16bpp", "icon folder 32px 16bpp", "resource 109 32px",
                                      "resource 111 32px", "resource 112 32px", "resource 113 32px",
                                      "resource 114 32px"}));
  EXPECT_EQ(Joined(Sources(m_small)[7], Sources(m_small)[8], m_small.GetImageCount()),
            "icon folder-open 16px 16bpp|icon folder 16px 16bpp|14");
  int const room = types.GetDefinitionCount() + 14;
  EXPECT_EQ(Joined(m_large.Created().cx, m_large.Created().flags, m_large.Created().initial, m_small.Created().cy,
                   m_small.Created().initial), Joined(32, ILC_MASK | ILC_COLOR16, room, 16, room));
  std::pair<int, int> const slots[] = {{0, 0}, {3, 4}, {4, 3}, {7, 8}, {8, 7}, {9, 9}, {10, -1}, {11, 10}, {14, 13},
                                       {15, -1}, {-1, -1}};
  for (auto const& [slot, index] : slots) EXPECT_EQ(icons.ImageIndex(slot), index) << slot;
  EXPECT_EQ(m_ui.DestroyedIcons(), m_ui.MadeIcons());
}

TEST_F(IconManagerTest, FolderImagesFallBackToShellIconsThenResources) {
  EmptySystem();
  FileTypeManager types;
  Prepared(types);
  EXPECT_EQ(Joined(Sources(m_large)[7], Sources(m_small)[8]), "shell 4 32px|shell 3 16px");
  SetFileTypeRegistry(&m_system);
  m_ui.MarkIconMissing("folder-open");
  ASSERT_TRUE(m_icons->PrepareImageLists());
  EXPECT_EQ(Sources(m_large)[7], "resource 108 32px");
  EmptySystem();
  m_ui.RefuseShellIcons();
  m_icons->SetResourceNumber(IconManager::IMGINDX_FOLDER_OPEN, 0);  // no resource: no image
  ASSERT_TRUE(m_icons->PrepareImageLists());
  EXPECT_EQ(Joined(m_large.GetImageCount(), m_icons->ImageIndex(IconManager::IMGINDX_FOLDER_OPEN), Sources(m_large)[7]),
            "13|-1|resource 107 32px");
}

TEST_F(IconManagerTest, ExtensionImagesAreAddedOnceAndFallBackToTheUnknownImage) {
  FileTypeManager types;
  IconManager& icons = Prepared(types);
  int const unknown = icons.ImageIndex(IconManager::IMGINDX_UNKNOWN_FILE);
  EXPECT_EQ(icons.ImageIndex("nope"), unknown);
  EXPECT_EQ(icons.ImageIndex(static_cast<char const*>(nullptr)), unknown);
  EXPECT_EQ(icons.ImageIndex(".TXT"), 14);
  EXPECT_EQ(Joined(icons.ImageIndex("asc"), m_large.GetImageCount(), types.FindExtension("txt")->itemData,
                   Sources(m_large)[14]), "14|15|14|icon accessories-text-editor 32px 16bpp");
  // The executable type shows slot 10's resource, which the lists do not otherwise hold.
  EXPECT_EQ(icons.ImageIndex("exe"), 15);
  EXPECT_EQ(Sources(m_small)[15], "resource 110 16px");
  m_ui.MarkIconMissing("image-png");
  EXPECT_EQ(icons.ImageIndex("png"), unknown);
  EXPECT_EQ(Joined(types.FindExtension("png")->itemData, m_large.GetImageCount()), "-1|16");
}

TEST_F(IconManagerTest, GetIconsAndResourceNumbersRefuseBadIndices) {
  FileTypeManager types;
  IconManager icons(&types, &m_small, &m_large);
  EXPECT_FALSE(icons.SetResourceNumber(static_cast<IconManager::IMGINDX>(15), 1));
  EXPECT_FALSE(icons.SetResourceNumber(static_cast<IconManager::IMGINDX>(-1), 1));
  HICON large = nullptr, small = nullptr;
  EXPECT_FALSE(icons.GetIcons(types.GetDefinitionCount(), &large, &small, 16));
  EXPECT_FALSE(icons.GetIcons(0, &large, &small, 16));  // the executable type, slot 10 has no resource
  EXPECT_EQ(large, nullptr);
  ASSERT_TRUE(icons.GetIcons(types.FindIndex(types.FindExtension("log")), &large, &small, 16));
  EXPECT_EQ(Joined(m_ui.IconSource(large), m_ui.IconSource(small)),
            "icon text-x-log 32px 16bpp|icon text-x-log 16px 16bpp");
  // Before the lists exist an extension has no image to give.
  EXPECT_EQ(icons.ImageIndex("txt"), -1);
  m_large.RefuseCreation();
  EXPECT_FALSE(icons.PrepareImageLists());
}

TEST_F(IconManagerTest, ColorDepthFollowsTheDesktopSettingAndTheDisplay) {
  FileTypeManager types;
  ExpectCaseFile("connectdialog/icon_color_depths.txt", [&](std::string const& line) {
    std::vector<CaseWord> const words = CaseWords(line);
    if (words[0].quoted)
      SetShellIconBits(REG_SZ, words[0].text.c_str(), static_cast<unsigned long>(words[0].text.size() + 1));
    m_ui.SetDisplayBitsPerPixel(std::stoi(words[1].text));
    return std::to_string(IconManager(&types, &m_small, &m_large).ColorDepth());
  });
  uint32_t const bits = 24;
  SetShellIconBits(REG_DWORD, &bits, sizeof bits);
  IconManager icons(&types, &m_small, &m_large);
  EXPECT_EQ(icons.ColorDepth(), 16);
  ASSERT_TRUE(icons.PrepareImageLists());
  EXPECT_EQ(m_small.Created().flags, ILC_MASK | ILC_COLOR16);
}

}  // namespace
