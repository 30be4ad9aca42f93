// The File Types page of the Global Options dialog: the file types of the transfer client
// (list 1960) with "&Add..." (1961), "&Edit..." (1962) and "&Remove" (1963, after a question;
// the executable and icon types are kept). A confirmed change goes through the file type
// manager, which stores the whole list at once as its own record.
#pragma once

#include <string>

#include "VPropertyTreePage.h"

class FileTypeManager;

class GlobalFileTypesPage : public VPropertyTreePage {
 public:
  enum ControlId { kList = 1960, kAdd, kEdit, kRemove };

  // `types` outlives the page.
  explicit GlobalFileTypesPage(FileTypeManager& types);

  bool OnSetActive() override;

 private:
  void FillList(std::string const& selected);
  int Selected() const;
  void Add();
  void EditSelected();
  void RemoveSelected();
  // Carries the edited definition into type `index`; false, with a message, when the manager refuses.
  bool Apply(int index, class FileTypeDefinition const& edited);
  void Store(std::string const& selected);

  FileTypeManager& m_types;
};
