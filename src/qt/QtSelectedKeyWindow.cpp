#include "qt/QtSelectedKeyWindow.h"

#include "dialogs/SelectedKeyDialog.h"
#include "qt/QtControlPanel.h"

namespace {

using Key = SelectedKeyDialog;

// Top to bottom: what is mapped, how, the category's own control, the way back to the default.
std::vector<int> const kOrder{Key::kKeyCaption,   Key::kCategoryList,  Key::kCategoryLabel, Key::kSendStringEdit,
                              Key::kMenuList,     Key::kScrollbarList, Key::kTelnetList,    Key::kVtList,
                              Key::kSshList,      Key::kScriptPathEdit, Key::kBrowseButton, Key::kDefaultButton};

}  // namespace

QtSelectedKeyWindow::QtSelectedKeyWindow(SelectedKeyDialog& model, QWidget* parent)
    : QtPanelWindow(model, [&model]() -> std::vector<VPageControl> const& { return model.Controls(); }, kOrder,
                    parent) {
  setWindowTitle(SelectedKeyDialog::kTitle);
  Panel()->FocusControl(Key::kCategoryList);
  setMinimumWidth(400);
}
