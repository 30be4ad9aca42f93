// Creating, editing, renaming and deleting in the Connect dialog.
#include "database/GlobalConfig.h"
#include "database/SessionDatabase.h"
#include "database/SessionName.h"
#include "dialogs/ConnectDialog.h"
#include "dialogs/ConnectDialogTexts.h"
#include "dialogs/NewSessionWizard.h"
#include "library/LibraryState.h"
#include "platform/registry/NameFolding.h"
#include "platform/ui/UserInterface.h"
#include "session/ISessionConfig.h"

namespace {

std::string Substitute(std::string format, std::string const& token, std::string const& value) {
  size_t const at = format.find(token);
  return at == std::string::npos ? format : format.replace(at, token.size(), value);
}

// `base`, or "base (n)" for the first n from 1 that `folder` does not hold.
std::string FreeName(std::string const& folder, std::string const& base) {
  if (!SessionDatabase::Exists(folder.c_str(), base.c_str())) return base;
  for (int n = 1;; ++n) {
    std::string const name =
        Substitute(Substitute(ConnectDialogTexts::kNumberedName, "%s", base), "%d", std::to_string(n));
    if (!SessionDatabase::Exists(folder.c_str(), name.c_str())) return name;
  }
}

std::string Trimmed(std::string const& text) {
  constexpr char kBlanks[] = " \t\r\n\v\f";
  size_t const first = text.find_first_not_of(kBlanks);
  return first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

void Tell(std::string const& text, unsigned int icon = 0) { GetUserInterface().MessageBox(text, "", MB_OK | icon); }

std::string Join(std::string const& folder, std::string const& name) { return folder.empty() ? name : folder + "\\" + name; }

}  // namespace

std::string ConnectDialog::NameProblem(std::string const& name) {
  if (name.empty()) return ConnectDialogTexts::kNameEmpty;
  for (char const c : std::string_view(SessionName::kForbidden))
    if (name.find(c) != std::string::npos) return Substitute(ConnectDialogTexts::kNameForbidden, "%c", std::string(1, c));
  return {};
}

void ConnectDialog::NewSession() {
  SessionDatabase database(m_sortAlphabetically);
  ConnectTreeItem* folder = m_selected ? m_selected->Folder() : &Tree().Root();
  std::string const path = folder->Path();
  ISessionConfig* session = database.Lookup(SessionDatabase::kDefaultName);
  if (!session) return;
  session->SetSessionPath(path.c_str());
  session->SetSessionName(FreeName(path, ConnectDialogTexts::kNewSession).c_str());
  VString const remembered = m_config->sessionOptionsTreeSelected;
  m_config->sessionOptionsTreeSelected = ConnectDialogTexts::kConnectionPage;
  bool const accepted = NewSessionWizard::EditNewSession(session, *m_config) == 1;
  m_config->sessionOptionsTreeSelected = remembered;
  // The wizard lets the user choose the name.
  std::string const name = session->GetSessionName().Str();
  bool const stored =
      accepted && database.InsertSession(path.c_str(), name.c_str(), session, m_insertPosition.c_str(), m_insertAfter);
  session->Release();
  if (accepted && !stored) Tell(ConnectDialogTexts::kNotStored, MB_ICONEXCLAMATION);
  if (!stored) return;
  bool const shown = folder->expanded;
  Changed({folder}, shown ? Join(path, name) : path);
}

void ConnectDialog::Properties() {
  ConnectTreeItem* item = m_selected;
  ISessionConfig* session = item && !item->IsFolder() ? item->Session(m_sortAlphabetically) : nullptr;
  if (!session) return;
  std::string const oldName = item->Label();
  m_config->sessionOptionsTreeSelected = ConnectDialogTexts::kConnectionPage;
  if (CallEditSession(session, 0) != 1) return;
  std::string const newName = session->GetSessionName().Str();
  // The values are stored under the old name first; the name change is a rename of that.
  session->SetSessionName(oldName.c_str());
  session->SetSessionPath(item->Path().c_str());
  SessionDatabase(m_sortAlphabetically).Save(session, false);
  if (newName == oldName) Changed({item->Parent()}, item->Path());
  else Rename(*item, newName);
}

void ConnectDialog::NewFolder() {
  ConnectTreeItem* parent = m_selected ? m_selected->Folder() : &Tree().Root();
  Tree().Expand(*parent);
  std::string const name = FreeName(parent->Path(), ConnectDialogTexts::kNewFolder);
  ConnectTreeItem* item = Tree().Add(*parent, ConnectTreeItem::Kind::Folder, name, parent->FolderCount());
  item->stored = false;
  item->sessionsLoaded = true;
  SelectItem(item);
  m_editing = item;
  m_newFolder = true;
}

void ConnectDialog::BeginLabelEdit() {
  if (!m_selected || m_selected->IsRoot()) return;
  m_editing = m_selected;
  m_newFolder = false;
}

bool ConnectDialog::EndLabelEdit(std::string const& text, std::string& error) {
  if (!m_editing) {
    error = "no label is being edited";
    return false;
  }
  Edit const outcome = m_newFolder ? FinishNewFolder(text) : Rename(*m_editing, text);
  if (outcome == Edit::Done) m_editing = nullptr;
  return true;
}

bool ConnectDialog::CancelLabelEdit(std::string& error) {
  if (!m_editing) {
    error = "no label is being edited";
    return false;
  }
  // A new folder is stored even so, under the name it was given.
  if (m_newFolder) FinishNewFolder(m_editing->Label());
  m_editing = nullptr;
  return true;
}

ConnectDialog::Edit ConnectDialog::FinishNewFolder(std::string const& text) {
  ConnectTreeItem& item = *m_editing;
  ConnectTreeItem& parent = *item.Parent();
  std::string const name = Trimmed(text);
  if (std::string const problem = NameProblem(name); !problem.empty()) {
    Tell(problem);
    return Edit::Reopen;
  }
  if (name != item.Label() && SessionDatabase::Exists(parent.Path().c_str(), name.c_str())) {
    Tell(Substitute(ConnectDialogTexts::kNameExists, "%s", name));
    return Edit::Reopen;
  }
  SessionDatabase database(m_sortAlphabetically);
  bool const stored = database.InsertFolder(parent.Path().c_str(), name.c_str(), m_insertPosition.c_str(), true);
  m_editing = nullptr;
  parent.Remove(&item);
  if (!stored) Tell(ConnectDialogTexts::kNameNotStored, MB_ICONEXCLAMATION);
  Changed({&parent}, stored ? Join(parent.Path(), name) : parent.Path());
  return Edit::Done;
}

ConnectDialog::Edit ConnectDialog::Rename(ConnectTreeItem& item, std::string const& text) {
  if (item.IsRoot()) return Edit::Done;
  std::string const name = Trimmed(text);
  std::string const oldName = item.Label();
  if (std::string const problem = NameProblem(name); !problem.empty()) {
    Tell(problem);
    return Edit::Reopen;
  }
  if (name == oldName) return Edit::Done;
  ConnectTreeItem& parent = *item.Parent();
  std::string const folder = parent.Path();
  bool const caseOnly = FoldName(name) == FoldName(oldName);
  if (!caseOnly && SessionDatabase::Exists(folder.c_str(), name.c_str())) {
    Tell(Substitute(ConnectDialogTexts::kNameExists, "%s", name));
    return Edit::Reopen;
  }
  if (!m_sortAlphabetically) {
    ConnectTreeItem const* previous = item.PreviousOfKind();
    m_insertPosition = previous ? previous->Label() : oldName;
    m_insertAfter = true;
  }
  SessionDatabase database(m_sortAlphabetically);
  bool renamed = false;
  if (caseOnly) {
    // The store's names ignore letter case: the entry steps aside under a temporary name first.
    std::string const temporary = "__" + oldName + "__";
    renamed = database.Rename(item.Path().c_str(), temporary.c_str(), m_insertPosition.c_str()) &&
              database.Rename(Join(folder, temporary).c_str(), name.c_str(), temporary.c_str());
  } else {
    renamed = database.Rename(item.Path().c_str(), name.c_str(), m_insertPosition.c_str());
  }
  if (!renamed) Tell(ConnectDialogTexts::kNameNotStored, MB_ICONEXCLAMATION);
  if (m_editing == &item) m_editing = nullptr;
  Changed({&parent}, renamed ? Join(folder, name) : Join(folder, oldName));
  return Edit::Done;
}

void ConnectDialog::Delete() {
  ConnectTreeItem* item = m_selected;
  if (!item || item->IsRoot()) return;
  if (!item->stored) return RemoveItem(*item);
  char const* question = item->IsFolder() ? ConnectDialogTexts::kDeleteFolder : ConnectDialogTexts::kDeleteSession;
  if (GetUserInterface().MessageBox(question, "", MB_YESNO | MB_ICONEXCLAMATION) != IDYES) return;
  if (!SessionDatabase(m_sortAlphabetically).Remove(item->Path().c_str()))
    return Tell(ConnectDialogTexts::kDeleteFailed, MB_ICONEXCLAMATION);
  if (IsCut(*item)) m_cutPath.clear();
  RemoveItem(*item);
}

void ConnectDialog::RemoveItem(ConnectTreeItem& item) {
  ConnectTreeItem& parent = *item.Parent();
  size_t const index = parent.IndexOf(&item);
  auto& siblings = parent.Children();
  ConnectTreeItem* next = index + 1 < siblings.size() ? siblings[index + 1].get()
                          : index > 0                 ? siblings[index - 1].get()
                                                      : &parent;
  std::string const path = next->Path();
  if (m_editing == &item) m_editing = nullptr;
  bool const stored = item.stored;
  parent.Remove(&item);
  SelectItem(next);
  if (stored) Changed({&parent}, path);
}
