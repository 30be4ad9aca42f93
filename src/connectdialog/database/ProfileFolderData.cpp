#include "database/ProfileFolderData.h"

#include <algorithm>
#include <string_view>

#include "VProfileKey.h"
#include "VProfileKeyIterator.h"
#include "database/SessionDatabase.h"
#include "platform/registry/NameFolding.h"

VProfileTable<ProfileFolderData> const ProfileFolderData::_profileOffsets{
    {"Folder List", &ProfileFolderData::folderList, ""},
    {"Session List", &ProfileFolderData::sessionList, ""},
};

ProfileFolderData::ProfileFolderData(VProfileKey& root, CString const& folderKeyPath, bool sortAlphabetically)
    : m_sortAlphabetically(sortAlphabetically), m_root(&root) {
  m_recordKeyPath = folderKeyPath;
  m_recordKeyPath += "\\";
  m_recordKeyPath += kRecordName;
  if (root.KeyExists(folderKeyPath)) {
    VProfileKey folder(&root, folderKeyPath);
    Enumerate(folder);
  }
  // Missing, it is loaded from no key (which names the values) and written at once.
  bool repaired = !root.KeyExists(m_recordKeyPath);
  if (repaired) {
    Load(nullptr);
  } else {
    VProfileKey record(&root, m_recordKeyPath);
    Load(&record);
  }
  repaired |= Merge(folderList, m_folders, m_arrangedFolders);
  repaired |= Merge(sessionList, m_sessions, m_arrangedSessions);
  m_repaired = repaired;
  if (repaired && root.IsWritable()) Save();
}

void ProfileFolderData::Enumerate(VProfileKey& folder) {
  static std::string const recordFolded = FoldName(kRecordName);
  VProfileKeyIterator children(&folder, false);
  for (VString name; children.Next(name);) {
    if (FoldName(name.c_str()) == recordFolded || name == kTemporaryName) continue;
    VProfileKey child(&folder, name);
    (SessionDatabase::IsFolder(child) ? m_folders : m_sessions).emplace_back(name.c_str());
  }
}

bool ProfileFolderData::Merge(VString const& stored, NameList const& children, NameList& arranged) {
  NameList unlisted = children;
  bool repaired = false;
  std::string_view text(stored.c_str(), stored.Length());
  // A last name without its colon is not part of the record.
  for (size_t colon; (colon = text.find(':')) != std::string_view::npos; text.remove_prefix(colon + 1)) {
    CString const name(std::string(text.substr(0, colon)));
    auto const found = std::find(unlisted.begin(), unlisted.end(), name);
    if (found == unlisted.end()) {
      repaired = true;
      continue;
    }
    arranged.push_back(name);
    unlisted.erase(found);
  }
  repaired |= !unlisted.empty();
  arranged.insert(arranged.end(), unlisted.begin(), unlisted.end());
  return repaired;
}

std::vector<CString> const& ProfileFolderData::Names(List list) const {
  if (m_sortAlphabetically) return list == List::Folders ? m_folders : m_sessions;
  return Arranged(list);
}

bool ProfileFolderData::IsListed(List list, CString const& name) const {
  NameList const& names = Arranged(list);
  return std::find(names.begin(), names.end(), name) != names.end();
}

void ProfileFolderData::Insert(List list, CString const& name, CString const& position, bool after) {
  if (name == kTemporaryName || IsListed(list, name)) return;
  NameList& names = Arranged(list);
  auto at = names.end();
  if (!m_sortAlphabetically && !position.IsEmpty()) {
    auto const found = std::find(names.begin(), names.end(), position);
    if (found != names.end()) at = after ? found + 1 : found;
  }
  names.insert(at, name);
  Save();
}

void ProfileFolderData::Remove(List list, CString const& name) {
  NameList& names = Arranged(list);
  auto const found = std::find(names.begin(), names.end(), name);
  if (found == names.end()) return;
  names.erase(found);
  Save();
}

void ProfileFolderData::Reorder(List list, CString const& name, CString const& target, bool after) {
  NameList& names = Arranged(list);
  auto const found = std::find(names.begin(), names.end(), name);
  if (found != names.end()) names.erase(found);
  auto const at = std::find(names.begin(), names.end(), target);
  if (at != names.end()) names.insert(after ? at + 1 : at, name);
  Save();
}

VString ProfileFolderData::Join(NameList const& names) {
  std::string text;
  for (CString const& name : names) (text += name.Str()) += ':';
  return VString(text);
}

void ProfileFolderData::Save() {
  folderList = Join(m_arrangedFolders);
  sessionList = Join(m_arrangedSessions);
  VProfileKey record(m_root, m_recordKeyPath);
  VProfileRecord::Save(&record, true);
}
