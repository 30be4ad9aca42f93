#include "VPageDialog.h"

void VPageDialog::Open() {
  DialogModel::Open();
  if (!m_page.IsCreated()) m_page.Create();
  m_page.Show(true);
  if (!m_page.OnSetActive()) EndDialog(IDCANCEL);
}

void VPageDialog::OnOK() {
  if (m_page.OnKillActive()) EndDialog(IDOK);
}

bool VPageDialog::Command(int id, std::string& error) {
  if (StandardButton(id)) return true;
  return m_page.Command(id, error);
}

bool VPageDialog::SetControl(int id, std::string const& value, std::string& error) {
  return m_page.SetControl(id, value, error);
}
