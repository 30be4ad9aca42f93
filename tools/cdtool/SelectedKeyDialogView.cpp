#include "SelectedKeyDialogView.h"

#include "dialogs/SelectedKeyDialog.h"

void SelectedKeyDialogView::Describe(SelectedKeyDialog const& dialog, nlohmann::ordered_json& output) {
  output["current"] = dialog.Controls().empty() ? "" : SelectedKeyDialog::CategoryName(dialog.CurrentCategory());
  output["controls"] = nlohmann::ordered_json::array();
  for (VPageControl const& control : dialog.Controls()) {
    output["controls"].push_back({{"id", control.id},
                                  {"label", control.label},
                                  {"value", control.value},
                                  {"enabled", control.enabled},
                                  {"visible", control.visible}});
  }
}
