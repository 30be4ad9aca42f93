#include "dialogs/ShortcutNameDialog.h"

bool ShortcutNameDialog::SetControl(int id, std::string const& value, std::string& error) {
  if (id != kLabelField) return DialogModel::SetControl(id, value, error);
  m_label = value;
  return true;
}
