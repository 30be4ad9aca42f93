#include "transfer/FileTypeManager.h"

#include <new>
#include <string_view>

#include "VProfileKey.h"
#include "VProfileKeyIterator.h"
#include "VProfileStore.h"
#include "VReportMessageParams.h"
#include "VReportMessageRouter.h"
#include "platform/filetypes/FileTypeRegistry.h"
#include "platform/registry/NameFolding.h"
#include "resources/LibraryMessageModule.h"
#include "resources/MessageCodes.h"
#include "transfer/FileTypeStoredForm.h"
#include "transfer/SystemFileType.h"

namespace {

constexpr int kReportKind = 100;

std::string_view Trimmed(char const* text) {
  std::string_view view = text ? text : "";
  size_t const first = view.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  return view.substr(first, view.find_last_not_of(" \t\r\n") - first + 1);
}

// An extension as it is kept: no blanks around it, no leading dot.
std::string_view Bare(char const* extension) {
  std::string_view view = Trimmed(extension);
  if (view.starts_with('.')) view.remove_prefix(1);
  return view;
}

void ReportNoMemory() {
  VReportMessageParams report(message::kPlainText, &LibraryMessageModule::Get());
  report.AddString("Failed to allocate memory for adding file type definition.");
  ReportMessage(kReportKind, report);
}

}  // namespace

FileTypeManager::FileTypeManager() {
  VProfileStore work;  // the check, the seeding and its write form one unit of work
  if (work.Root()->KeyExists(kKeyName)) {
    LoadDefinitions();
  } else {
    SeedFromSystem();
    StoreDefinitions();
  }
}

FileTypeManager::~FileTypeManager() = default;

void FileTypeManager::DiscardDefinitions() {
  m_extensions.clear();
  m_definitions.clear();
  m_exeIndex = -1;
  m_icoIndex = -1;
}

void FileTypeManager::ReloadDefinitions() { LoadDefinitions(); }

void FileTypeManager::LoadDefinitions() {
  DiscardDefinitions();
  {
    VProfileStore store(true, nullptr);
    VProfileKey key(store.Root(), kKeyName);
    VProfileKeyIterator names(&key, true);
    for (VString name; names.Next(name);) {
      VStringArray list;
      key.GetMultiSz(name, list);  // an unreadable value loads as a type with defaults
      FileTypeDefinition definition;
      FileTypeStoredForm::Read(name, list, definition);
      AddType(&definition);
    }
  }
  AddSpecialTypes();
  AddSystemType("dll");
}

void FileTypeManager::SeedFromSystem() {
  DiscardDefinitions();
  AddSpecialTypes();
  AddSystemType("txt");
  for (std::string const& extension : GetFileTypeRegistry().Extensions())
    if (!extension.empty()) AddSystemType(extension.c_str());
}

void FileTypeManager::AddSpecialTypes() {
  FileTypeDefinition definition;
  if (SystemFileType::Read("exe", definition)) {
    definition.openCommand = "%1";  // executables open themselves
    definition.transferType = FileTypeDefinition::kTransferBinary;
    definition.openAction = 1;
    m_exeIndex = AddType(&definition);
  }
  if (SystemFileType::Read("ico", definition)) {
    definition.transferType = FileTypeDefinition::kTransferBinary;
    definition.openAction = FileTypeDefinition::kOpenActionOpen;
    m_icoIndex = AddType(&definition);
  }
}

int FileTypeManager::AddSystemType(char const* extension) {
  FileTypeDefinition definition;
  return SystemFileType::Read(extension, definition) ? AddType(&definition) : -1;
}

bool FileTypeManager::StoreDefinitions() {
  VProfileStore store;
  VProfileKey key(store.Root(), kKeyName);
  std::vector<VString> stored;
  {
    VProfileKeyIterator names(&key, true);
    for (VString name; names.Next(name);) stored.push_back(name);
  }
  // Deleted after the walk so that the walk's positions stay valid.
  bool written = key.IsWritable();
  for (VString const& name : stored) written = key.DeleteValue(name) && written;
  for (auto const& definition : m_definitions)
    written = key.SetMultiSz(definition->typeName, FileTypeStoredForm::Write(*definition)) && written;
  return written;
}

int FileTypeManager::AddType(FileTypeDefinition const* definition) {
  if (!definition) return -1;
  std::string const name(Trimmed(definition->typeName));
  if (name.empty()) return -1;
  int const existing = FindFileTypeIndex(name.c_str(), false);
  if (existing < 0) return AppendCopy(*definition, name);
  MergeInto(*m_definitions[static_cast<size_t>(existing)], *definition);
  return existing;
}

int FileTypeManager::AppendCopy(FileTypeDefinition const& definition, std::string const& name) {
  auto* created = new (std::nothrow) FileTypeDefinition;
  if (!created) {
    ReportNoMemory();
    return -1;
  }
  m_definitions.emplace_back(created);
  created->SetTypeName(name.c_str());
  created->iconFile = definition.iconFile;
  created->iconIndex = definition.iconIndex;
  created->openCommand = definition.openCommand;
  created->transferType = definition.transferType;
  created->openAction = definition.openAction;
  created->itemData = definition.itemData;
  created->valid = 1;
  for (VString const& extension : definition.extensions) MapExtension(*created, extension);
  return GetDefinitionCount() - 1;
}

void FileTypeManager::MergeInto(FileTypeDefinition& existing, FileTypeDefinition const& added) {
  for (VString const& extension : added.extensions) MapExtension(existing, extension);
  // Binary is the safe choice and is never given up; ASCII replaces only "ask the user".
  if (added.transferType == FileTypeDefinition::kTransferAscii) {
    if (existing.transferType != FileTypeDefinition::kTransferBinary)
      existing.transferType = FileTypeDefinition::kTransferAscii;
  } else if (added.transferType == FileTypeDefinition::kTransferBinary) {
    existing.transferType = FileTypeDefinition::kTransferBinary;
  }
}

bool FileTypeManager::MapExtension(FileTypeDefinition& owner, char const* extension) {
  std::string_view const bare = Bare(extension);
  if (bare.empty() || bare.find('|') != std::string_view::npos) return false;
  if (!m_extensions.try_emplace(FoldName(bare), &owner).second) return false;
  owner.extensions.Add(VString(bare));
  return true;
}

std::string FileTypeManager::ExtensionKey(char const* extension) { return FoldName(Bare(extension)); }

bool FileTypeManager::RemoveType(int index) {
  if (!InRange(index)) return false;
  FileTypeDefinition const& removed = *m_definitions[static_cast<size_t>(index)];
  for (VString const& extension : removed.extensions) m_extensions.erase(ExtensionKey(extension));
  m_definitions.erase(m_definitions.begin() + index);
  for (int* special : {&m_exeIndex, &m_icoIndex}) {
    if (*special == index) *special = -1;
    else if (*special > index) --*special;
  }
  return true;
}

FileTypeDefinition const* FileTypeManager::Definition(int index) const {
  return InRange(index) ? m_definitions[static_cast<size_t>(index)].get() : nullptr;
}

FileTypeDefinition* FileTypeManager::Mutable(int index) {
  return InRange(index) ? m_definitions[static_cast<size_t>(index)].get() : nullptr;
}

int FileTypeManager::FindFileTypeIndex(char const* name, bool caseSensitive) const {
  if (!name) return -1;
  std::string const wanted = caseSensitive ? std::string(name) : FoldName(name);
  for (int i = 0; i < GetDefinitionCount(); ++i) {
    std::string_view const typeName = m_definitions[static_cast<size_t>(i)]->typeName.View();
    if (caseSensitive ? typeName == wanted : FoldName(typeName) == wanted) return i;
  }
  return -1;
}

int FileTypeManager::FindIndex(FileTypeDefinition const* definition) const {
  return definition ? FindFileTypeIndex(definition->typeName, false) : -1;
}

FileTypeDefinition const* FileTypeManager::FindExtension(char const* extension) const {
  auto const found = m_extensions.find(ExtensionKey(extension));
  return found == m_extensions.end() ? nullptr : found->second;
}

bool FileTypeManager::SetItemData(int index, int itemData) {
  FileTypeDefinition* definition = Mutable(index);
  if (definition) definition->itemData = itemData;
  return definition != nullptr;
}

bool FileTypeManager::SetTransferType(int index, int transferType) {
  FileTypeDefinition* definition = Mutable(index);
  if (definition) definition->transferType = transferType;
  return definition != nullptr;
}

bool FileTypeManager::SetRemoteFileOpenAction(int index, int openAction) {
  FileTypeDefinition* definition = Mutable(index);
  if (definition) definition->openAction = openAction;
  return definition != nullptr;
}

bool FileTypeManager::AddExtension(int index, char const* extension) {
  FileTypeDefinition* definition = Mutable(index);
  return definition && MapExtension(*definition, extension);
}

bool FileTypeManager::RemoveExtension(char const* extension) {
  auto const found = m_extensions.find(ExtensionKey(extension));
  if (found == m_extensions.end()) return false;
  VStringArray& extensions = found->second->extensions;
  for (int i = 0; i < extensions.GetSize(); ++i)
    if (ExtensionKey(extensions[i]) == found->first) {
      extensions.RemoveAt(i);
      break;
    }
  m_extensions.erase(found);
  return true;
}

bool FileTypeManager::RenameType(int index, char const* name) {
  FileTypeDefinition* definition = Mutable(index);
  std::string const trimmed(Trimmed(name));
  if (!definition || trimmed.empty()) return false;
  int const holder = FindFileTypeIndex(trimmed.c_str(), false);
  if (holder >= 0 && holder != index) return false;
  definition->SetTypeName(trimmed.c_str());
  return true;
}

bool FileTypeManager::SetIcon(int index, char const* iconFile, int iconIndex) {
  FileTypeDefinition* definition = Mutable(index);
  if (!definition) return false;
  definition->iconFile = iconFile ? iconFile : "";
  definition->iconIndex = iconIndex;
  definition->itemData = -1;
  return true;
}

bool FileTypeManager::SetOpenCommand(int index, char const* command) {
  FileTypeDefinition* definition = Mutable(index);
  if (definition) definition->openCommand = command ? command : "";
  return definition != nullptr;
}
