// The file type editor's page: one file type's name, extensions (separated by commas, dots
// optional), transfer type, what opening a remote file does, the open command and the icon.
// Leaving it checks the name (not blank, no other type's) and the extensions (none empty or
// holding "|", none another type owns) against the manager, then writes into the definition.
#pragma once

#include <vector>

#include "VPropertyTreePage.h"
#include "transfer/FileTypeDefinition.h"

class FileTypeManager;

class FileTypeEditorPage : public VPropertyTreePage {
 public:
  enum ControlId {
    kName = 1951,
    kExtensions,
    kTransferType,
    kOpenAction,
    kOpenCommand,
    kIconFile,
    kIconIndex,
  };

  // Edits `definition`, the copy of type `index` of `types` (-1: a new type); both outlive it.
  FileTypeEditorPage(FileTypeDefinition& definition, FileTypeManager const& types, int index);

  bool OnSetActive() override;
  bool OnKillActive() override;

  // The extensions as typed: split at commas, blanks and leading dots dropped.
  static std::vector<std::string> SplitExtensions(std::string const& text);
  // Runs the editor on `definition`; true, with it changed, when the user confirmed.
  static bool Edit(FileTypeDefinition& definition, FileTypeManager const& types, int index);

 private:
  // What keeps the values from being taken, with the control to correct; "" for nothing.
  std::string Problem(std::vector<std::string> const& extensions, int& control) const;

  FileTypeDefinition& m_definition;
  FileTypeManager const& m_types;
  int m_index;
};
