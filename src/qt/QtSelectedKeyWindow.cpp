#include "qt/QtSelectedKeyWindow.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

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
    : QDialog(parent),
      m_model(model),
      m_panel(new QtControlPanel(model, [&model]() -> std::vector<VPageControl> const& { return model.Controls(); },
                                 kOrder, this)) {
  setWindowTitle(SelectedKeyDialog::kTitle);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_panel, 1);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QtSelectedKeyWindow::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QtSelectedKeyWindow::reject);
  connect(m_panel, &QtControlPanel::Acted, this, &QtSelectedKeyWindow::FinishIfEnded);
  m_panel->FocusControl(Key::kCategoryList);
  setMinimumWidth(400);
}

void QtSelectedKeyWindow::FinishIfEnded() {
  if (m_model.IsEnded()) QDialog::done(m_model.EndCode());
}

void QtSelectedKeyWindow::accept() {
  m_model.OnOK();
  FinishIfEnded();
}

void QtSelectedKeyWindow::reject() {
  m_model.OnCancel();
  FinishIfEnded();
}
