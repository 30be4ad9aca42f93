// One folder's order record ("__FolderData__" under the folder's key): the names of its child
// folders and sessions in the order the user arranged, each followed by a colon. Reading it
// merges the stored lists with the folder's real children (dead names dropped, unknown ones
// appended in store order) and writes the repaired record back at once. Lives for one
// operation of the session database, inside that operation's store.
#pragma once

#include <vector>

#include "VProfile2.h"
#include "VProfileRecord.h"
#include "VProfileTable.h"
#include "platform/types/CString.h"

class VProfileKey;
class VProfileSubtree;

class ProfileFolderData : public VProfileRecord {
 public:
  enum class List { Folders, Sessions };

  static constexpr char const* kRecordName = "__FolderData__";
  static constexpr char const* kTemporaryName = "_@@TMP@@_";

  // Reads the record of the folder at `folderKeyPath` ("Sessions" for the root) below `root`;
  // a repaired record is written back when `root` is writable.
  ProfileFolderData(VProfileKey& root, CString const& folderKeyPath, bool sortAlphabetically);

  // The same from a subtree already read with Wanted(): `folder` is the folder's node in it.
  ProfileFolderData(VProfileKey& root, CString const& folderKeyPath, bool sortAlphabetically,
                    VProfileSubtree const& tree, size_t folder);
  // What a subtree read must hold of each key for the constructor above.
  static VProfileSubtree Wanted();

  // Whether the stored record disagreed with the folder's children (or was missing).
  bool Repaired() const { return m_repaired; }

  VProfileOptionTable const& ProfileTable() const override { return _profileOffsets; }

  // Store order when sorting alphabetically, the user's order otherwise.
  std::vector<CString> const& Names(List list) const;
  bool IsListed(List list, CString const& name) const;
  // Nothing when listed; else after or before `position` when not sorting and `position` is
  // listed, at the end otherwise. Saves the record.
  void Insert(List list, CString const& name, CString const& position, bool after);
  // Saves the record when the name was listed.
  void Remove(List list, CString const& name);
  // Takes the name out and puts it next to `target` when that is listed; a name whose target
  // is not listed comes back last at the next read. Saves the record.
  void Reorder(List list, CString const& name, CString const& target, bool after);
  using VProfileRecord::Save;
  // Writes both lists, rebuilt from the user's order.
  void Save();

  VProfile2<VString, VProfileSz> folderList;
  VProfile2<VString, VProfileSz> sessionList;

 private:
  using NameList = std::vector<CString>;

  void Enumerate(VProfileKey& root);
  void Enumerate(VProfileSubtree const& tree, size_t folder);
  void SetRecordPath(CString const& folderKeyPath);
  // Merges the loaded record with the children and writes it back when it was repaired.
  void Settle(bool recordMissing);
  // Returns whether the stored text disagreed with the children. `inStep`: the text lists the
  // children exactly, in their order; `arranged` is then left empty.
  static bool Merge(VString const& stored, NameList const& children, NameList& arranged, bool& inStep);
  static VString Join(NameList const& names);
  NameList const& Children(List list) const { return list == List::Folders ? m_folders : m_sessions; }
  // A list in step with the children is theirs until it changes.
  NameList& Arranged(List list);
  NameList const& Arranged(List list) const;

  static VProfileTable<ProfileFolderData> const _profileOffsets;

  NameList m_folders;
  NameList m_sessions;
  NameList m_arrangedFolders;
  NameList m_arrangedSessions;
  bool m_inStep[2] = {false, false};  // by List
  CString m_recordKeyPath;
  bool m_sortAlphabetically;
  bool m_repaired = false;
  VProfileKey* m_root;
};
