#include "dialogs/GlobalFileTypesPage.h"

#include "VPageControls.h"
#include "dialogs/FileTypeEditorPage.h"
#include "platform/ui/UserInterface.h"
#include "transfer/FileTypeManager.h"

GlobalFileTypesPage::GlobalFileTypesPage(FileTypeManager& types)
    : VPropertyTreePage(11428, "File Types",
                        {VPageControls::List(kList, "", "", {}),
                         VPageControls::Action(kAdd, "&Add...", [this](VPropertyTreePage&) { Add(); }),
                         VPageControls::Action(kEdit, "&Edit...", [this](VPropertyTreePage&) { EditSelected(); }),
                         VPageControls::Action(kRemove, "&Remove", [this](VPropertyTreePage&) { RemoveSelected(); })}),
      m_types(types) {}

bool GlobalFileTypesPage::OnSetActive() {
  VPropertyTreePage::OnSetActive();
  FillList(Control(kList)->value);
  return true;
}

void GlobalFileTypesPage::FillList(std::string const& selected) {
  VPageControl* list = Control(kList);
  list->choices.clear();
  for (int i = 0; i < m_types.GetDefinitionCount(); ++i) list->choices.push_back(m_types.Definition(i)->typeName.Str());
  int const at = m_types.FindFileTypeIndex(selected.c_str(), true);
  list->value = list->shown = at >= 0 ? list->choices[at] : list->choices.empty() ? "" : list->choices.front();
}

int GlobalFileTypesPage::Selected() const { return m_types.FindFileTypeIndex(Control(kList)->value.c_str(), true); }

void GlobalFileTypesPage::Add() {
  FileTypeDefinition definition;
  definition.valid = 1;
  if (!FileTypeEditorPage::Edit(definition, m_types, -1)) return;
  if (m_types.AddType(&definition) < 0) return;
  Store(definition.typeName.Str());
}

bool GlobalFileTypesPage::Apply(int index, FileTypeDefinition const& edited) {
  FileTypeDefinition const before = *m_types.Definition(index);
  bool done = m_types.RenameType(index, edited.typeName.c_str()) && m_types.SetTransferType(index, edited.transferType) &&
              m_types.SetRemoteFileOpenAction(index, edited.openAction) &&
              m_types.SetOpenCommand(index, edited.openCommand.c_str());
  if (done && (!(edited.iconFile == before.iconFile) || edited.iconIndex != before.iconIndex))
    done = m_types.SetIcon(index, edited.iconFile.c_str(), edited.iconIndex);
  for (int i = 0; done && i < before.extensions.GetSize(); ++i) done = m_types.RemoveExtension(before.extensions[i].c_str());
  for (int i = 0; done && i < edited.extensions.GetSize(); ++i) done = m_types.AddExtension(index, edited.extensions[i].c_str());
  return done;
}

void GlobalFileTypesPage::EditSelected() {
  int const index = Selected();
  if (index < 0) return;
  FileTypeDefinition edited = *m_types.Definition(index);
  if (!FileTypeEditorPage::Edit(edited, m_types, index)) return;
  if (!Apply(index, edited)) {
    m_types.ReloadDefinitions();  // nothing half-applied stays
    GetUserInterface().MessageBox("The file type \"" + edited.typeName.Str() + "\" could not be changed.", "",
                                  MB_OK | MB_ICONWARNING);
    FillList(Control(kList)->value);
    return;
  }
  Store(edited.typeName.Str());
}

void GlobalFileTypesPage::RemoveSelected() {
  int const index = Selected();
  if (index < 0) return;
  std::string const name = Control(kList)->value;
  if (m_types.IsExeIndex(index) || m_types.IsIconIndex(index)) {
    GetUserInterface().MessageBox("The file type \"" + name + "\" cannot be removed.", "", MB_OK | MB_ICONWARNING);
    return;
  }
  if (GetUserInterface().MessageBox("Remove the file type \"" + name + "\"?", "", MB_YESNO | MB_ICONQUESTION) != IDYES) return;
  m_types.RemoveType(index);
  Store(index < m_types.GetDefinitionCount() ? m_types.Definition(index)->typeName.Str() : "");
}

void GlobalFileTypesPage::Store(std::string const& selected) {
  if (!m_types.StoreDefinitions())
    GetUserInterface().MessageBox("The file types could not be stored.", "", MB_OK | MB_ICONWARNING);
  FillList(selected);
}
