#include "transfer/IconManager.h"

#include <charconv>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

#include "platform/filetypes/FileTypeRegistry.h"
#include "platform/registry/Registry.h"
#include "platform/ui/UserInterface.h"
#include "transfer/FileTypeManager.h"
#include "transfer/IconLocation.h"

namespace {

constexpr int kLarge = 32;
constexpr int kSmall = 16;
constexpr int kGrowBy = 16;
// Open folders follow closed ones, the reverse of their slot order; slot 10 is not a list image.
constexpr int kLoadOrder[] = {0, 1, 2, 4, 3, 5, 6, 8, 7, 9, 11, 12, 13, 14};
constexpr int kShellClosedFolder = 3;
constexpr int kShellOpenFolder = 4;

// The desktop's icon depth setting, a number stored as text or as a number; 0 when it is not
// one, nothing when it is not set.
std::optional<int> ShellIconBits() {
  HKEY key = nullptr;
  if (RegOpenKeyEx(HKEY_CURRENT_USER, "Control Panel\\Desktop\\WindowMetrics", 0, KEY_QUERY_VALUE, &key) !=
      ERROR_SUCCESS)
    return std::nullopt;
  char data[32] = {};
  unsigned long size = sizeof data - 1;
  unsigned long type = REG_NONE;
  LSTATUS const status =
      RegQueryValueEx(key, "Shell Icon BPP", nullptr, &type, reinterpret_cast<unsigned char*>(data), &size);
  RegCloseKey(key);
  if (status == ERROR_FILE_NOT_FOUND) return std::nullopt;
  if (status != ERROR_SUCCESS) return 0;
  if (type == REG_DWORD && size == sizeof(uint32_t)) {
    uint32_t bits = 0;
    std::memcpy(&bits, data, sizeof bits);
    return bits <= 32 ? static_cast<int>(bits) : 0;
  }
  std::string_view text(data, size);
  while (!text.empty() && text.back() == '\0') text.remove_suffix(1);
  int bits = 0;
  auto const [end, error] = std::from_chars(text.data(), text.data() + text.size(), bits);
  return error == std::errc() && end == text.data() + text.size() ? bits : 0;
}

}  // namespace

IconManager::IconManager(FileTypeManager* types, CImageList* small, CImageList* large)
    : m_types(types), m_small(small), m_large(large), m_depth(ChooseColorDepth()) {}

int IconManager::ChooseColorDepth() {
  int const display = GetUserInterface().DisplayBitsPerPixel();
  // Without a desktop setting the display's own depth stands for it.
  int const bits = ShellIconBits().value_or(display);
  bool const rich = bits >= 16 && bits <= 32 && display >= 16;
  return rich ? 16 : 4;
}

bool IconManager::SetResourceNumber(IMGINDX slot, unsigned int resource) {
  if (slot < IMGINDX_FIRST || slot > IMGINDX_LAST) return false;
  m_resources[static_cast<size_t>(slot)] = resource;
  return true;
}

bool IconManager::PrepareImageLists() {
  if (!m_small || !m_large) return false;
  unsigned int const flags = ILC_MASK | (m_depth == 16 ? ILC_COLOR16 : ILC_COLOR4);
  int const room = (m_types ? m_types->GetDefinitionCount() : 0) + 14;
  m_slotImages.clear();
  if (!m_large->Create(kLarge, kLarge, flags, room, kGrowBy) || !m_small->Create(kSmall, kSmall, flags, room, kGrowBy))
    return false;
  for (int const slot : kLoadOrder) {
    HICON large = nullptr;
    HICON small = nullptr;
    if (!LoadSlotIcons(slot, &large, &small)) continue;
    if (int const index = AddPair(large, small); index >= 0) m_slotImages[slot] = index;
  }
  return true;
}

bool IconManager::LoadSlotIcons(int slot, HICON* large, HICON* small) {
  bool const folder = slot == IMGINDX_FOLDER_CLOSED || slot == IMGINDX_FOLDER_OPEN;
  if (folder && LoadFolderIcons(slot, large, small)) return true;
  return LoadResourceIcons(m_resources[static_cast<size_t>(slot)], large, small);
}

bool IconManager::LoadFolderIcons(int slot, HICON* large, HICON* small) {
  UserInterface& ui = GetUserInterface();
  bool const open = slot == IMGINDX_FOLDER_OPEN;
  FileTypeRegistry& registry = GetFileTypeRegistry();
  std::string const directory = registry.DirectoryClass();
  if (directory.empty()) return ui.ExtractShellIcons(open ? kShellOpenFolder : kShellClosedFolder, large, small);
  IconLocation location;
  return IconLocation::Parse(open ? registry.OpenDirectoryIcon() : registry.DefaultIcon(directory), location) &&
         ui.ExtractIcons(location.file, location.index, m_depth, large, small);
}

bool IconManager::LoadResourceIcons(unsigned int resource, HICON* large, HICON* small) {
  UserInterface& ui = GetUserInterface();
  HICON const big = ui.LoadResourceIcon(resource, kLarge);
  HICON const little = ui.LoadResourceIcon(resource, kSmall);
  if (big && little) {
    *large = big;
    *small = little;
    return true;
  }
  ui.DestroyIcon(big);
  ui.DestroyIcon(little);
  return false;
}

int IconManager::AddPair(HICON large, HICON small) {
  int const index = m_large->Add(large);
  int const smallIndex = m_small->Add(small);
  GetUserInterface().DestroyIcon(large);
  GetUserInterface().DestroyIcon(small);
  return index >= 0 && index == smallIndex ? index : -1;
}

bool IconManager::GetIcons(int typeIndex, HICON* large, HICON* small, int depth) {
  if (!m_types || !large || !small) return false;
  FileTypeDefinition const* definition = m_types->Definition(typeIndex);
  if (!definition) return false;
  if (m_types->IsExeIndex(typeIndex))
    return LoadResourceIcons(m_resources[IMGINDX_EXECUTABLE], large, small);
  return GetUserInterface().ExtractIcons(definition->iconFile.Str(), definition->iconIndex, depth, large, small);
}

int IconManager::ImageIndex(int slot) const {
  auto const found = m_slotImages.find(slot);
  return found == m_slotImages.end() ? -1 : found->second;
}

int IconManager::ImageIndex(char const* extension) {
  FileTypeDefinition const* definition = m_types ? m_types->FindExtension(extension) : nullptr;
  if (!definition) return ImageIndex(IMGINDX_UNKNOWN_FILE);
  if (definition->itemData >= 0) return definition->itemData;
  int const typeIndex = m_types->FindIndex(definition);
  HICON large = nullptr;
  HICON small = nullptr;
  if (!m_large || !m_small || !GetIcons(typeIndex, &large, &small, m_depth)) return ImageIndex(IMGINDX_UNKNOWN_FILE);
  int const index = AddPair(large, small);
  if (index < 0) return ImageIndex(IMGINDX_UNKNOWN_FILE);
  m_types->SetItemData(typeIndex, index);
  return index;
}
