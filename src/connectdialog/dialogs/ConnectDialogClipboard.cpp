// Cut, Copy and Paste in the Connect dialog, through the "FolderTree" clipboard record, and
// placing a pasted or dropped entry in the store.
#include "database/SessionDatabase.h"
#include "dialogs/ConnectDialog.h"
#include "dialogs/ConnectDialogTexts.h"
#include "dialogs/FolderTreeRecord.h"
#include "platform/clipboard/Clipboard.h"
#include "platform/registry/NameFolding.h"
#include "platform/ui/UserInterface.h"

namespace {

std::string Substitute(std::string format, std::string const& value) {
  size_t const at = format.find("%s");
  return at == std::string::npos ? format : format.replace(at, 2, value);
}

void Warn(std::string const& text) { GetUserInterface().MessageBox(text, "", MB_OK | MB_ICONEXCLAMATION); }

std::string NameOf(std::string const& path) {
  size_t const slash = path.rfind('\\');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ParentOf(std::string const& path) {
  size_t const slash = path.rfind('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

bool Same(std::string const& a, std::string const& b) { return FoldName(a) == FoldName(b); }

bool Within(std::string const& path, std::string const& folder) {
  std::string const inside = FoldName(path);
  std::string const outer = FoldName(folder);
  return inside == outer || inside.starts_with(outer + "\\");
}

// The last name of a list; empty for an empty list.
std::string Last(CStringList& list) {
  std::string last;
  for (POSITION at = list.GetHeadPosition(); at;) last = list.GetNext(at).Str();
  return last;
}

}  // namespace

void ConnectDialog::PutOnClipboard(bool cut) {
  ConnectTreeItem* item = m_selected;
  if (!item || item->IsRoot() || !item->stored) return;
  FolderTreeRecord record{item->Handle(), item->Path(), item->Parent()->Path(), cut};
  std::vector<unsigned char> const bytes = record.Pack();
  if (bytes.empty() || !GetClipboard().SetData(FolderTreeRecord::kFormat, bytes))
    return Warn(ConnectDialogTexts::kClipboardFailed);
  m_cutPath = cut ? record.path : std::string();
  m_pasteEnabled = true;
}

void ConnectDialog::ClipboardChanged() {
  std::vector<unsigned char> bytes;
  FolderTreeRecord record;
  m_pasteEnabled = GetClipboard().GetData(FolderTreeRecord::kFormat, bytes) && FolderTreeRecord::Unpack(bytes, record);
}

void ConnectDialog::ForgetCut() {
  m_cutPath.clear();
  m_pasteEnabled = false;
}

void ConnectDialog::SetPastePosition(bool sourceIsFolder, ConnectTreeItem& onto) {
  m_insertAfter = true;
  if (m_sortAlphabetically) {
    m_insertPosition.clear();
    return;
  }
  if (!sourceIsFolder && !onto.IsFolder()) {
    m_insertPosition = onto.Label();
    return;
  }
  SessionDatabase database(m_sortAlphabetically);
  CStringList names;
  std::string const folder = onto.Folder()->Path();
  sourceIsFolder ? database.GetFolderList(folder.c_str(), names) : database.GetSessionList(folder.c_str(), names);
  m_insertPosition = Last(names);
}

bool ConnectDialog::PasteAllowed(std::string const& source, bool move, bool sourceIsFolder, std::string const& target) {
  std::string const name = NameOf(source);
  bool const otherFolder = !Same(target, ParentOf(source));
  std::string refusal;
  if (sourceIsFolder && Same(target, source)) refusal = ConnectDialogTexts::kCopyIntoItself;
  else if (sourceIsFolder && Within(target, source)) refusal = ConnectDialogTexts::kParentIntoChild;
  // A folder, or a moved session, never lands on an entry of its name in another folder.
  else if ((sourceIsFolder || move) && otherFolder && SessionDatabase::Exists(target.c_str(), name.c_str()))
    refusal = Substitute(ConnectDialogTexts::kExistsInTarget, name);
  if (!refusal.empty()) Warn(refusal);
  return refusal.empty();
}

bool ConnectDialog::SourceAvailable(FolderTreeRecord const& record) {
  if (!record.path.empty() && SessionDatabase::Exists(record.path.c_str())) return true;
  GetUserInterface().MessageBox(Substitute(ConnectDialogTexts::kNoLongerAvailable, NameOf(record.path)), "", MB_OK);
  return false;
}

void ConnectDialog::Paste() {
  std::vector<unsigned char> bytes;
  FolderTreeRecord record;
  ConnectTreeItem* onto = m_selected;
  if (!onto || !GetClipboard().GetData(FolderTreeRecord::kFormat, bytes) || !FolderTreeRecord::Unpack(bytes, record)) {
    m_pasteEnabled = false;
    return;
  }
  if (!SourceAvailable(record)) {
    if (record.cut) ForgetCut();
    return;
  }
  if (record.cut && Same(onto->Path(), record.path)) return ForgetCut();
  bool const placed = Place(record, record.cut, *onto->Folder(),
                            [&](bool sourceIsFolder) { SetPastePosition(sourceIsFolder, *onto); });
  if (placed && record.cut) ForgetCut();
}

bool ConnectDialog::Place(FolderTreeRecord const& record, bool move, ConnectTreeItem& targetItem,
                          std::function<void(bool sourceIsFolder)> const& position) {
  SessionDatabase database(m_sortAlphabetically);
  bool const sourceIsFolder = database.IsFolder(record.path.c_str());
  std::string const target = targetItem.Path();
  if (!PasteAllowed(record.path, move, sourceIsFolder, target)) return false;
  position(sourceIsFolder);
  std::string placed;
  bool const sameFolder = Same(target, ParentOf(record.path));
  if (!move) {
    placed = database.Copy(record.path.c_str(), target.c_str(), true, m_insertPosition.c_str(), m_insertAfter).Str();
  } else if (sameFolder) {
    // An entry put next to itself stays where it is.
    if (!m_sortAlphabetically && !Same(m_insertPosition, NameOf(record.path)))
      database.Reorder(record.path.c_str(), m_insertPosition.c_str(), m_insertAfter);
    placed = record.path;
  } else if (database.Move(record.path.c_str(), target.c_str(), m_insertPosition.c_str(), m_insertAfter)) {
    placed = target.empty() ? NameOf(record.path) : target + "\\" + NameOf(record.path);
  }
  if (placed.empty()) {
    Warn(ConnectDialogTexts::kNotStored);
    return true;
  }
  std::vector<ConnectTreeItem*> folders{&targetItem};
  if (move && !sameFolder)
    if (ConnectTreeItem* source = m_tree->Find(ParentOf(record.path)); source && !m_filtered) folders.push_back(source);
  Changed(folders, target);
  ConnectTreeItem* shown = Tree().Reveal(placed);
  bool const found = shown && Same(shown->Path(), placed);
  if (found) SelectItem(shown);
  else if (!m_filtered) Warn(ConnectDialogTexts::kNotAddedToTree);
  return true;
}
