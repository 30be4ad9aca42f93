// The session tree of the installed profile store: folders and sessions below "Sessions", a
// session path being the backslash-joined names below it (the empty path is the root folder).
// A key holding a number named "Is Session" is a session, any other key a folder. Each folder
// keeps its children's user-arranged order in its "__FolderData__" record, which every
// operation here keeps in step.
//
// An object holds only its sort-alphabetically flag: every operation opens the store as one
// unit of work and closes it before returning, so an operation is stored whole or not at all.
// Names are checked here only for length (the dialogs refuse \ / : * ? " < > |). A move or a
// rename removes its source only once the copy is stored, in the same unit of work. Sessions
// handed out are owned by the caller, who releases them. User-interface thread only.
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include "VProfileSubtree.h"
#include "VString.h"
#include "database/GlobalChangeTally.h"
#include "platform/types/CString.h"
#include "platform/types/CStringList.h"

class FirewallConfig;
class ISessionConfig;
class ProfileFolderData;
class VProfileKey;
class VProfileStore;
struct IBuffer;

class SessionDatabase {
 public:
  using Visitor = void (*)(VProfileKey& sessionKey, char const* path, char const* name, void* context);

  static constexpr char const* kDefaultName = "Default";
  // The longest name a folder or a session can have, in bytes: a key name's limit.
  static constexpr size_t kMaxNameBytes = 255;

  explicit SessionDatabase(int sortAlphabetically) : m_sortAlphabetically(sortAlphabetically != 0) {}

  // Whether `name` can name a folder or a session: 1 to kMaxNameBytes bytes.
  static bool NameFits(CString const& name);
  // Whether the existing key of `path` holds no "Is Session" number.
  bool IsFolder(CString const& path);
  static bool IsFolder(VProfileKey& key);
  static bool Exists(CString const& path);
  static bool Exists(CString const& folder, CString const& name);
  // Whether the key exists and has a child other than "Default" and the order record.
  bool HasChildren(CString const& path);
  // The root holds exactly one session (in a tree in use, the default session) and no folder.
  bool IsEmpty();
  // Append the children's names: store order when sorting alphabetically, else the user's.
  void GetFolderList(CString const& folder, CStringList& out);
  void GetSessionList(CString const& folder, CStringList& out);
  // One folder's path and its two lists, as GetFolderList and GetSessionList give them.
  struct FolderLists {
    CString path;
    CStringList folders;
    CStringList sessions;
    // With a caller's reading: each session's node in it, kNoParent for one not found there.
    std::vector<size_t> sessionNodes;
  };
  // Every folder's lists from one read of the whole tree: the root first, then each folder
  // before its children, depth first in the order its parent lists them.
  void GetFolderTree(std::vector<FolderLists>& out);
  // The values GetFolderTree reads of every key come first; a caller's own follow them, from
  // slot kFolderTreeSlots on (at most RegSubtreeKey::kMostValues slots in all read in one pass).
  static constexpr size_t kFolderTreeSlots = 3;
  static VProfileSubtree FolderTreeReading(std::vector<VProfileSubtree::Wanted> const& more);
  // The same lists from one read into `tree` (made by FolderTreeReading), which keeps every key
  // read with the caller's values too; the lists also get their sessions' nodes.
  void GetFolderTree(std::vector<FolderLists>& out, VProfileSubtree& tree);

  // The session at `path`; null for a folder or a missing path, except that a missing
  // "Default" (exactly so spelt) gives the built-in default session.
  ISessionConfig* Lookup(CString const& path);
  // The key at `path` loaded as a session called `name`, without any test.
  ISessionConfig* GetSessionConfig(CString const& path, CString const& name);
  // Writes the session's changes into its own path, inserting it first when new. The default
  // session is written only when forced.
  void Save(ISessionConfig* session, bool force);
  // Stores a copy of `session` as folder\name (both get that path) and lists it next to
  // `position`. An existing key of that name is overwritten. False, with nothing stored and
  // `session` untouched, when the name does not fit or the store refused the writes.
  bool InsertSession(CString const& folder, CString const& name, ISessionConfig* session, CString const& position,
                     bool after);
  // Creates folder\name with an empty order record and lists it next to `position`; false,
  // creating nothing, when the name does not fit or the store refused the writes.
  bool InsertFolder(CString const& folder, CString const& name, CString const& position, bool after);
  // The name a copy of `name` takes in `folder`: with `makeUnique` an existing name becomes
  // "name (1)", "name (2)" ...
  static CString CopyName(CString const& folder, CString const& name, bool makeUnique);
  // Copies a session or a whole folder into `targetFolder` under CopyName. Returns the new
  // path; empty, with nothing copied, when some part of the copy could not be stored.
  CString Copy(CString const& path, CString const& targetFolder, bool makeUnique, CString const& position,
               bool after);
  // Copies the entry into `targetFolder` and removes it from its folder, as one unit of work.
  // False, changing nothing, when the path is missing, the target holds that name already or
  // lies inside the entry, or the copy could not be stored.
  bool Move(CString const& path, CString const& targetFolder, CString const& position, bool after);
  // Copies the entry under `newName` into the same folder, next after `position`, then removes
  // the old one, as one unit of work; a change of letter case alone goes through a temporary
  // name. False, changing nothing, when the path is missing, `newName` does not fit or names
  // another entry, or the copy could not be stored.
  bool Rename(CString const& path, CString const& newName, CString const& position);
  // Moves the entry next to its sibling `target` in the user's order; returns `path`.
  CString Reorder(CString const& path, CString const& target, bool after);
  // Deletes a session or a folder with everything in it; false, changing nothing, when the
  // path does not exist or cannot be deleted.
  bool Remove(CString const& path);
  // `path` when free, else the first free of "path (2)", "path (3)" ...
  CString GetUniqueSessionName(CString path);

  // Calls `visitor` for every session (the default session too), depth first in store order.
  static void EnumAllSessions(Visitor visitor, void* context);
  // Applies what `delta` (a session record) changed since its checkpoint to every session that
  // can be written, as one unit of work: killed midway, the store keeps every session as it
  // was. A delta of another kind changes nothing and visits nothing.
  GlobalChangeTally EnumAndApplyDelta(ISessionConfig* delta);
  // The same, calling `progress` with the running tally after each session (for long walks).
  GlobalChangeTally EnumAndApplyDelta(ISessionConfig* delta, std::function<void(GlobalChangeTally const&)> const& progress);
  // Writes the number `valueName` (1 or 0) into every session.
  void EnumAndSetAllBoolValues(CString const& valueName, bool value);
  // Whether the session's stored protocol ("Protocol Name" for product 3, else "Transfer
  // Protocol Name") is one of the host's kind other than "None".
  bool HasMatchingProtocol(unsigned int productId, CString const& path);

  // Firewalls live beside the sessions; see FirewallStore.
  static FirewallConfig* LookupFirewall(CString const& name);
  static bool SaveFirewall(FirewallConfig* firewall, bool force);
  static bool DeleteFirewall(CString const& name);
  static bool FirewallExists(CString const& name);
  static CString GetFirewallDBPath(CString const& name);
  static void GetSerializedFirewallNames(IBuffer* buffer);

 private:
  static CString GetDBPath(CString const& path);
  static CString GetName(CString const& path);
  static CString GetParent(CString const& path);
  static CString Join(CString const& folder, CString const& name);
  // The first free "name (n)" in `folder`, counting from `first`.
  static CString NumberedName(CString const& folder, CString const& name, int first);

  struct Children {
    CStringList folders;
    CStringList sessions;
  };

  // Whether a session (a key with its mark) is stored at `path`.
  static bool IsStoredSession(VProfileStore& store, CString const& path);
  // Whether `folder` is `path` or lies below it, comparing names as the store does.
  static bool IsWithin(CString const& folder, CString const& path);

  void AppendList(CString const& folder, bool folders, CStringList& out);
  // GetFolderTree into `tree`; the sessions' nodes only when `withNodes`.
  void ReadFolderTree(std::vector<FolderLists>& out, VProfileSubtree& tree, bool withNodes);
  Children ListChildren(CString const& folder);
  bool CopyChildren(CString const& from, Children& children, CString const& to, bool makeUnique);
  // One step of Rename: copies the entry beside itself as `newName`, then removes it.
  bool Relocate(CString const& path, CString const& newName, CString const& position);
  CString CopyFolder(CString const& path, CString const& targetFolder, bool makeUnique, CString const& position,
                     bool after);
  CString CopySession(CString const& path, CString const& targetFolder, bool makeUnique, CString const& position,
                      bool after);

  bool m_sortAlphabetically;
};
