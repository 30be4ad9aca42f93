#include "database/ProfileFolderData.h"

#include <algorithm>
#include <cctype>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "VProfileKey.h"
#include "VProfileKeyIterator.h"
#include "VProfileSubtree.h"
#include "database/SessionDatabase.h"
#include "platform/registry/NameFolding.h"

VProfileTable<ProfileFolderData> const ProfileFolderData::_profileOffsets{
    {"Folder List", &ProfileFolderData::folderList, ""},
    {"Session List", &ProfileFolderData::sessionList, ""},
};

namespace {

constexpr char const* kSessionMark = "Is Session";
enum Slot { kMark, kFolderList, kSessionList };

std::string const& RecordFolded() {
  static std::string const folded = FoldName(ProfileFolderData::kRecordName);
  return folded;
}

// Whether `name` is the record's, matched as the store matches names; an ASCII name (nearly
// every one) is folded here without the full folding of a folder of thousands.
bool IsRecordName(std::string_view name) {
  std::string_view const record = RecordFolded();
  // An ASCII character folds to itself in lower case alone, so most names differ at once.
  if (name.empty() || (static_cast<unsigned char>(name[0]) < 0x80 &&
                       std::tolower(static_cast<unsigned char>(name[0])) != record[0]))
    return false;
  bool ascii = true;
  for (char c : name) ascii &= static_cast<unsigned char>(c) < 0x80;
  if (!ascii) return FoldName(name) == record;
  if (name.size() != record.size()) return false;
  for (size_t i = 0; i < name.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(name[i])) != record[i]) return false;
  return true;
}

}  // namespace

ProfileFolderData::ProfileFolderData(VProfileKey& root, CString const& folderKeyPath, bool sortAlphabetically)
    : m_sortAlphabetically(sortAlphabetically), m_root(&root) {
  SetRecordPath(folderKeyPath);
  if (root.KeyExists(folderKeyPath)) {
    VProfileKey folder(&root, folderKeyPath);
    Enumerate(folder);
  }
  // Missing, it is loaded from no key (which names the values) and written at once.
  bool const missing = !root.KeyExists(m_recordKeyPath);
  if (missing) {
    Load(nullptr);
  } else {
    VProfileKey record(&root, m_recordKeyPath);
    Load(&record);
  }
  Settle(missing);
}

ProfileFolderData::ProfileFolderData(VProfileKey& root, CString const& folderKeyPath, bool sortAlphabetically,
                                     VProfileSubtree const& tree, size_t folder)
    : m_sortAlphabetically(sortAlphabetically), m_root(&root) {
  SetRecordPath(folderKeyPath);
  Enumerate(tree, folder);
  Load(nullptr);
  bool missing = true;
  for (size_t child : tree.Children(folder)) {
    VProfileSubtree::Node const& node = tree.At(child);
    if (!IsRecordName(node.name.View())) continue;
    missing = false;
    folderList = node.values[kFolderList].found ? node.values[kFolderList].text : VString();
    sessionList = node.values[kSessionList].found ? node.values[kSessionList].text : VString();
  }
  Settle(missing);
}

VProfileSubtree ProfileFolderData::Wanted() {
  return VProfileSubtree({{kSessionMark, VProfileSubtree::Kind::Dword},
                          {"Folder List", VProfileSubtree::Kind::Sz, kRecordName},
                          {"Session List", VProfileSubtree::Kind::Sz, kRecordName}});
}

void ProfileFolderData::SetRecordPath(CString const& folderKeyPath) {
  m_recordKeyPath = folderKeyPath;
  m_recordKeyPath += "\\";
  m_recordKeyPath += kRecordName;
}

void ProfileFolderData::Settle(bool recordMissing) {
  bool repaired = recordMissing;
  repaired |= Merge(folderList, m_folders, m_arrangedFolders, m_inStep[static_cast<int>(List::Folders)]);
  repaired |= Merge(sessionList, m_sessions, m_arrangedSessions, m_inStep[static_cast<int>(List::Sessions)]);
  m_repaired = repaired;
  if (repaired && m_root->IsWritable()) Save();
}

void ProfileFolderData::Enumerate(VProfileKey& folder) {
  VProfileKeyIterator children(&folder, false);
  for (VString name; children.Next(name);) {
    if (IsRecordName(name.View()) || name == kTemporaryName) continue;
    VProfileKey child(&folder, name);
    (SessionDatabase::IsFolder(child) ? m_folders : m_sessions).emplace_back(name.c_str());
  }
}

void ProfileFolderData::Enumerate(VProfileSubtree const& tree, size_t folder) {
  for (size_t child : tree.Children(folder)) {
    VProfileSubtree::Node const& node = tree.At(child);
    if (IsRecordName(node.name.View()) || node.name == kTemporaryName) continue;
    (node.values[kMark].found ? m_sessions : m_folders).emplace_back(node.name.c_str());
  }
}

// One pass over the record and one over the children, whatever their number. A record in
// step lists the children in their own order; names are looked up only from where it is not.
bool ProfileFolderData::Merge(VString const& stored, NameList const& children, NameList& arranged, bool& inStep) {
  std::string_view text(stored.c_str(), stored.Length());
  size_t listed = 0;
  // A last name without its colon is not part of the record.
  for (size_t colon; listed < children.size() && (colon = text.find(':')) != std::string_view::npos &&
                     text.substr(0, colon) == children[listed].Str();
       text.remove_prefix(colon + 1))
    ++listed;
  inStep = listed == children.size() && text.find(':') == std::string_view::npos;
  if (inStep) return false;
  arranged.reserve(children.size());
  arranged.assign(children.begin(), children.begin() + static_cast<std::ptrdiff_t>(listed));
  std::unordered_map<std::string_view, size_t> childAt;
  childAt.reserve(children.size() - listed);
  for (size_t i = listed; i < children.size(); ++i) childAt.emplace(children[i].Str(), i);
  std::vector<bool> taken(children.size());
  std::fill(taken.begin(), taken.begin() + static_cast<std::ptrdiff_t>(listed), true);
  bool repaired = false;
  for (size_t colon; (colon = text.find(':')) != std::string_view::npos; text.remove_prefix(colon + 1)) {
    auto const found = childAt.find(text.substr(0, colon));
    if (found == childAt.end() || taken[found->second]) {
      repaired = true;
      continue;
    }
    taken[found->second] = true;
    arranged.push_back(children[found->second]);
  }
  for (size_t i = listed; i < children.size(); ++i) {
    if (taken[i]) continue;
    repaired = true;
    arranged.push_back(children[i]);
  }
  return repaired;
}

ProfileFolderData::NameList& ProfileFolderData::Arranged(List list) {
  NameList& arranged = list == List::Folders ? m_arrangedFolders : m_arrangedSessions;
  if (bool& inStep = m_inStep[static_cast<int>(list)]; inStep) {
    arranged = Children(list);
    inStep = false;
  }
  return arranged;
}

ProfileFolderData::NameList const& ProfileFolderData::Arranged(List list) const {
  if (m_inStep[static_cast<int>(list)]) return Children(list);
  return list == List::Folders ? m_arrangedFolders : m_arrangedSessions;
}

std::vector<CString> const& ProfileFolderData::Names(List list) const {
  return m_sortAlphabetically ? Children(list) : Arranged(list);
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
  folderList = Join(std::as_const(*this).Arranged(List::Folders));
  sessionList = Join(std::as_const(*this).Arranged(List::Sessions));
  VProfileKey record(m_root, m_recordKeyPath);
  VProfileRecord::Save(&record, true);
}
