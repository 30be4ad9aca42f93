// Dragging in the Connect dialog: the effect over each item, the folder that opens under a
// resting pointer, and the drop, which follows the paste rules with a position from the zone.
#include "database/SessionDatabase.h"
#include "dialogs/ConnectDialog.h"
#include "platform/registry/NameFolding.h"

namespace {

using Zone = ConnectTreeDrag::Zone;
using Effect = ConnectTreeDrag::Effect;

bool Within(std::string const& path, std::string const& folder) {
  std::string const inside = FoldName(path);
  std::string const outer = FoldName(folder);
  return inside == outer || inside.starts_with(outer + "\\");
}

}  // namespace

bool ConnectDialog::BeginDrag(std::string const& path, std::string& error) {
  ConnectTreeItem* item = Shown(path, error);
  if (!item) return false;
  if (item->IsRoot() || !item->stored || m_editing) {
    error = item->IsRoot() ? "the root cannot be dragged" : "a label is being edited";
    return false;
  }
  FolderTreeRecord record{item->Handle(), item->Path(), item->Parent()->Path(), false};
  if (!record.Fits()) {
    error = "\"" + path + "\" is too long a path to drag";
    return false;
  }
  m_drag.Start(std::move(record), item->IsFolder());
  return true;
}

bool ConnectDialog::DragEnter(std::vector<unsigned char> const& bytes, std::string& error) {
  FolderTreeRecord record;
  if (!m_tree || !FolderTreeRecord::Unpack(bytes, record)) {
    error = m_tree ? "the dragged data is not a FolderTree record" : "the dialog is not open";
    return false;
  }
  bool const folder = SessionDatabase(m_sortAlphabetically).IsFolder(record.path.c_str());
  m_drag.Start(std::move(record), folder);
  return true;
}

Zone ConnectDialog::EffectiveZone(ConnectTreeItem const& item, Zone zone) const {
  // Alphabetical order has no places between items, and the root no siblings.
  return m_sortAlphabetically || item.IsRoot() ? Zone::On : zone;
}

ConnectTreeItem* ConnectDialog::DropFolder(ConnectTreeItem& item, Zone zone) {
  return EffectiveZone(item, zone) == Zone::On ? item.Folder() : item.Parent();
}

Effect ConnectDialog::DropEffect(ConnectTreeItem* item, Zone zone, Effect keys) {
  if (!item || !item->stored || !m_drag.IsActive() || keys == Effect::None) return Effect::None;
  // A folder is never offered a place inside itself.
  if (m_drag.SourceIsFolder() && Within(DropFolder(*item, zone)->Path(), m_drag.Record().path)) return Effect::None;
  return keys;
}

bool ConnectDialog::DragOver(std::string const& path, Zone zone, std::string const& keys, Effect& effect,
                             std::string& error) {
  Effect wanted = Effect::None;
  if (!ConnectTreeDrag::EffectOfKeys(keys, wanted)) {
    error = "no modifier keys \"" + keys + "\"";
    return false;
  }
  std::string ignored;
  ConnectTreeItem* item = m_tree ? Shown(path, ignored) : nullptr;
  effect = DropEffect(item, zone, wanted);
  if (!m_drag.IsActive()) return true;
  m_drag.Show(item ? path : "", item ? EffectiveZone(*item, zone) : Zone::On, effect != Effect::None);
  m_drag.Hover(path, m_sortAlphabetically ? ConnectTreeDrag::kAlphabeticalWait : ConnectTreeDrag::kUserArrangedWait);
  DragTick();
  return true;
}

void ConnectDialog::DragTick() {
  if (!m_drag.IsActive() || !m_drag.TakeHoverDue()) return;
  std::string ignored;
  ConnectTreeItem* item = Shown(m_drag.HoverPath(), ignored);
  if (item && item->IsFolder()) Tree().Expand(*item);
}

void ConnectDialog::SetDropPosition(bool sourceIsFolder, ConnectTreeItem& item, Zone zone) {
  zone = EffectiveZone(item, zone);
  if (zone == Zone::On) return SetPastePosition(sourceIsFolder, item);
  if (item.IsFolder() == sourceIsFolder) {
    m_insertPosition = item.Label();
    m_insertAfter = zone == Zone::After;
    return;
  }
  // Folders come before sessions: a folder lands after the last folder, a session before the
  // first session.
  if (sourceIsFolder) return SetPastePosition(true, item);
  CStringList sessions;
  SessionDatabase(m_sortAlphabetically).GetSessionList(item.Parent()->Path().c_str(), sessions);
  POSITION first = sessions.GetHeadPosition();
  m_insertPosition = first ? sessions.GetNext(first).Str() : std::string();
  m_insertAfter = sessions.IsEmpty();
}

bool ConnectDialog::Drop(std::string const& path, Zone zone, std::string const& keys, std::string& error) {
  if (!m_drag.IsActive()) {
    error = "nothing is being dragged";
    return false;
  }
  Effect effect = Effect::None;
  ConnectTreeItem* item = Shown(path, error);
  bool const known = item && DragOver(path, zone, keys, effect, error);
  FolderTreeRecord const record = m_drag.Record();
  m_drag.End();
  if (!known) return false;
  if (effect == Effect::None) return true;
  if (!SourceAvailable(record)) return true;
  Place(record, effect == Effect::Move, *DropFolder(*item, zone),
        [&](bool sourceIsFolder) { SetDropPosition(sourceIsFolder, *item, zone); });
  return true;
}
