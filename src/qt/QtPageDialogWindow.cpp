#include "qt/QtPageDialogWindow.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "VPageDialog.h"
#include "qt/QtControlPanel.h"

QtPageDialogWindow::QtPageDialogWindow(VPageDialog& model, QWidget* parent)
    : QDialog(parent),
      m_model(model),
      m_panel(new QtControlPanel(
          model, [&page = model.Page()]() -> std::vector<VPageControl> const& { return page.Controls(); }, {}, this)) {
  setWindowTitle(QString::fromStdString(model.Title()));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_panel, 1);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QtPageDialogWindow::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QtPageDialogWindow::reject);
  connect(m_panel, &QtControlPanel::Acted, this, &QtPageDialogWindow::FinishIfEnded);
  resize(sizeHint().expandedTo(QSize(380, 0)));
}

void QtPageDialogWindow::FinishIfEnded() {
  if (m_model.IsEnded()) QDialog::done(m_model.EndCode());
}

void QtPageDialogWindow::accept() {
  m_model.OnOK();
  if (m_model.IsEnded()) return FinishIfEnded();
  m_panel->Refresh();
  m_panel->FocusControl(m_model.Page().FocusControl());
}

void QtPageDialogWindow::reject() {
  m_model.OnCancel();
  FinishIfEnded();
}
