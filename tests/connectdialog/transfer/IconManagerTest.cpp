#include "transfer/IconManager.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/filetypes/FreedesktopFileTypes.h"
#include "platform/registry/Registry.h"
#include "platform/ui/HeadlessImageList.h"
#include "platform/ui/HeadlessUserInterface.h"
#include "support/InstalledMemoryStore.h"
#include "support/Joined.h"
#include "support/ScopedRoot.h"
#include "transfer/FileTypeManager.h"

namespace {

std::string const kRoot = TEST_DATA_DIR "/filetypes";

class IconManagerTest : public ::testing::Test {
 protected:
  IconManagerTest() {
    SetFileTypeRegistry(&m_system);
    SetUserInterface(&m_ui);
  }
  ~IconManagerTest() override {
    SetUserInterface(nullptr);
    SetFileTypeRegistry(nullptr);
  }
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
  InstalledMemoryStore m_store;
  FreedesktopFileTypes m_system{XdgLocations::UnderRoot(kRoot)};
  FreedesktopFileTypes m_empty{XdgLocations::UnderRoot(kRoot + "/missing")};
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
  SetFileTypeRegistry(&m_empty);
  FileTypeManager types;
  Prepared(types);
  EXPECT_EQ(Joined(Sources(m_large)[7], Sources(m_small)[8]), "shell 4 32px|shell 3 16px");
  SetFileTypeRegistry(&m_system);
  m_ui.MarkIconMissing("folder-open");
  ASSERT_TRUE(m_icons->PrepareImageLists());
  EXPECT_EQ(Sources(m_large)[7], "resource 108 32px");
  SetFileTypeRegistry(&m_empty);
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
  // Without the setting the display decides.
  for (auto const& [display, depth] : {std::pair{24, 16}, {16, 16}, {15, 4}, {8, 4}}) {
    m_ui.SetDisplayBitsPerPixel(display);
    EXPECT_EQ(IconManager(&types, &m_small, &m_large).ColorDepth(), depth) << "unset on " << display;
  }
  struct Case { char const* text; int display; int depth; };
  Case const cases[] = {{"16", 24, 16}, {"32", 16, 16}, {"24", 15, 4}, {"8", 32, 4},  {"33", 32, 4},
                        {"15", 32, 4},  {"abc", 32, 4}, {"16 ", 32, 4}, {"", 32, 4}};
  for (Case const& c : cases) {
    SetShellIconBits(REG_SZ, c.text, static_cast<unsigned long>(std::strlen(c.text) + 1));
    m_ui.SetDisplayBitsPerPixel(c.display);
    EXPECT_EQ(IconManager(&types, &m_small, &m_large).ColorDepth(), c.depth) << c.text << " on " << c.display;
  }
  uint32_t const bits = 24;
  SetShellIconBits(REG_DWORD, &bits, sizeof bits);
  IconManager icons(&types, &m_small, &m_large);
  EXPECT_EQ(icons.ColorDepth(), 16);
  ASSERT_TRUE(icons.PrepareImageLists());
  EXPECT_EQ(m_small.Created().flags, ILC_MASK | ILC_COLOR16);
}

}  // namespace
