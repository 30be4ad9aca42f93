#include "qt/QtPanelWindow.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "platform/ui/DialogModel.h"

QtPanelWindow::QtPanelWindow(DialogModel& model, QtControlPanel::Controls controls, std::vector<int> order,
                             QWidget* parent)
    : QDialog(parent), m_model(model), m_panel(new QtControlPanel(model, std::move(controls), std::move(order), this)) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_panel, 1);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QtPanelWindow::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QtPanelWindow::reject);
  connect(m_panel, &QtControlPanel::Acted, this, &QtPanelWindow::FinishIfEnded);
}

void QtPanelWindow::FinishIfEnded() {
  if (m_model.IsEnded()) QDialog::done(m_model.EndCode());
}

void QtPanelWindow::accept() {
  m_model.OnOK();
  if (m_model.IsEnded()) return FinishIfEnded();
  m_panel->Refresh();
  if (int const refused = RefusedControl()) m_panel->FocusControl(refused);
}

void QtPanelWindow::reject() {
  m_model.OnCancel();
  FinishIfEnded();
}
