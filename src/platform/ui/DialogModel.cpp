#include "platform/ui/DialogModel.h"

#include "platform/ui/DialogPresenter.h"

int DialogModel::DoModal() { return GetDialogPresenter().RunModal(*this); }

bool DialogModel::Command(int id, std::string& error) {
  error = "the dialog has no button " + std::to_string(id);
  return false;
}

bool DialogModel::SetControl(int id, std::string const&, std::string& error) {
  error = "the dialog has no control " + std::to_string(id);
  return false;
}
