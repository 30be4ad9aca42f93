// The file types of the file-transfer host, kept in the profile store under "FileTypes" (one
// six-string text list per type, see FileTypeStoredForm) and seeded once from the system's
// registered types. A type's index in the list is its identity in every call; an extension
// belongs to at most one type; names and extensions compare without regard to case. Each store
// access opens the installed store for that piece of work. One thread; nothing throws.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "transfer/FileTypeDefinition.h"

class FileTypeManager {
 public:
  static constexpr char const* kKeyName = "FileTypes";

  // Loads the stored types; a store without "FileTypes" is seeded from the system and written.
  FileTypeManager();
  ~FileTypeManager();
  FileTypeManager(FileTypeManager const&) = delete;
  FileTypeManager& operator=(FileTypeManager const&) = delete;

  // Discards every definition, unsaved edits included, and loads the stored ones again.
  void ReloadDefinitions();
  // Replaces the stored types with the list, in index order; false when a write failed.
  bool StoreDefinitions();

  // Merges into the type of the same name or appends a copy; the type's index, or -1 for a
  // blank name (or no memory, which is reported). An extension another type owns is skipped.
  int AddType(FileTypeDefinition const* definition);
  // Later indices shift down by one; false for an index out of range.
  bool RemoveType(int index);

  FileTypeDefinition const* Definition(int index) const;
  int GetDefinitionCount() const { return static_cast<int>(m_definitions.size()); }
  int FindFileTypeIndex(char const* name, bool caseSensitive) const;
  int FindIndex(FileTypeDefinition const* definition) const;
  // The type owning the extension (with or without its dot); null when none does.
  FileTypeDefinition const* FindExtension(char const* extension) const;
  bool IsExeIndex(int index) const { return InRange(index) && index == m_exeIndex; }
  // Whether the index is the icon-file type; it and the executable type come back at every load.
  bool IsIconIndex(int index) const { return InRange(index) && index == m_icoIndex; }

  // Setters and edits of the type at an index; false when the index is out of range.
  bool SetItemData(int index, int itemData);
  bool SetTransferType(int index, int transferType);
  bool SetRemoteFileOpenAction(int index, int openAction);
  // Refused for an empty extension, one holding "|" (the stored separator), or one any type owns.
  bool AddExtension(int index, char const* extension);
  // Takes the extension from its type; false when no type owns it.
  bool RemoveExtension(char const* extension);
  // Refused for a blank name or one another type has; the same name succeeds.
  bool RenameType(int index, char const* name);
  // Forgets the type's image, so that the new icon is the one shown.
  bool SetIcon(int index, char const* iconFile, int iconIndex);
  bool SetOpenCommand(int index, char const* command);

 private:
  void DiscardDefinitions();
  void LoadDefinitions();
  void SeedFromSystem();
  // Reads the executable and icon types from the system and adds them, recording their indices.
  void AddSpecialTypes();
  // Reads `extension` from the system and adds it when known; its index, or -1.
  int AddSystemType(char const* extension);
  int AppendCopy(FileTypeDefinition const& definition, std::string const& name);
  void MergeInto(FileTypeDefinition& existing, FileTypeDefinition const& added);
  // Maps the extension to `owner` and lists it there unless it is unusable or some type owns it.
  bool MapExtension(FileTypeDefinition& owner, char const* extension);
  FileTypeDefinition* Mutable(int index);
  bool InRange(int index) const { return index >= 0 && index < GetDefinitionCount(); }
  static std::string ExtensionKey(char const* extension);

  std::vector<std::unique_ptr<FileTypeDefinition>> m_definitions;
  std::map<std::string, FileTypeDefinition*> m_extensions;  // keyed by ExtensionKey
  int m_exeIndex = -1;
  int m_icoIndex = -1;
};
