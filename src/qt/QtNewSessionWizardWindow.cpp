#include "qt/QtNewSessionWizardWindow.h"

#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <QWizardPage>

#include "dialogs/NewSessionWizard.h"
#include "qt/QtControlPanel.h"

namespace {

constexpr int kSheetId = 0;

void FocusFirstField(QWidget& panel) {
  for (QWidget* child : panel.findChildren<QWidget*>()) {
    if ((child->focusPolicy() & Qt::TabFocus) && child->isEnabledTo(&panel) && child->isVisibleTo(&panel)) {
      child->setFocus(Qt::TabFocusReason);
      return;
    }
  }
}

}  // namespace

QtNewSessionWizardWindow::QtNewSessionWizardWindow(NewSessionWizard& model, QWidget* parent)
    : QWizard(parent), m_model(model), m_sheet(new QWizardPage), m_pages(new QStackedWidget(m_sheet)) {
  setWindowTitle(QString::fromStdString(model.Caption()));
  setWizardStyle(QWizard::ClassicStyle);
  setOptions(QWizard::HaveNextButtonOnLastPage | QWizard::HaveFinishButtonOnEarlyPages);
  setButtonLayout({QWizard::Stretch, QWizard::BackButton, QWizard::NextButton, QWizard::FinishButton,
                   QWizard::CancelButton});
  m_pages->addWidget(new QWidget(m_pages));  // shown while no page is current
  for (VPropertyTreePage* page : m_model.Pages()) {
    auto* panel = new QtControlPanel(
        m_model, [page]() -> std::vector<VPageControl> const& { return page->Controls(); }, {}, m_pages);
    m_pages->addWidget(panel);
    m_panels[page] = panel;
    connect(panel, &QtControlPanel::Acted, this, &QtNewSessionWizardWindow::DrawButtons);
  }
  auto* layout = new QVBoxLayout(m_sheet);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(m_pages);
  setPage(kSheetId, m_sheet);
  TakeButton(QWizard::BackButton, "< &Back", "Back", NewSessionWizard::kBack);
  TakeButton(QWizard::NextButton, "&Next >", "Next", NewSessionWizard::kNext);
  setButtonText(QWizard::FinishButton, "&Finish");
  setButtonText(QWizard::CancelButton, "Cancel");
  FinishButton()->setAccessibleName("Finish");
  resize(560, 400);
  Sync();
}

QPushButton* QtNewSessionWizardWindow::Button(WizardButton which) const {
  return qobject_cast<QPushButton*>(button(which));
}

// Back and Next go to the model, not to QWizard's history; Finish and Cancel reach accept and reject.
void QtNewSessionWizardWindow::TakeButton(WizardButton which, char const* text, char const* spoken, int command) {
  setButtonText(which, text);
  QAbstractButton* taken = button(which);
  taken->setAccessibleName(spoken);  // without the arrows
  disconnect(taken, nullptr, this, nullptr);
  connect(taken, &QAbstractButton::clicked, this, [this, command] { Press(command); });
}

QtControlPanel* QtNewSessionWizardWindow::Panel(VPropertyTreePage const* page) const {
  auto const found = m_panels.find(page);
  return found == m_panels.end() ? nullptr : found->second;
}

void QtNewSessionWizardWindow::Press(int command) {
  std::string ignored;  // a hidden or disabled button cannot be pressed; a refusal speaks for itself
  m_model.Command(command, ignored);
  Sync();
}

void QtNewSessionWizardWindow::accept() { Press(NewSessionWizard::kFinish); }

void QtNewSessionWizardWindow::reject() {
  m_model.OnCancel();
  Sync();
}

// QWizard draws its buttons by its own rules when it is shown; the model's are drawn over them.
void QtNewSessionWizardWindow::setVisible(bool visible) {
  QWizard::setVisible(visible);
  if (visible && !m_model.IsEnded()) DrawButtons();
}

void QtNewSessionWizardWindow::Sync() {
  if (m_model.IsEnded()) return Close();
  VPropertyTreePage* page = m_model.CurrentPage();
  QtControlPanel* panel = Panel(page);
  if (panel) panel->Refresh();
  m_pages->setCurrentWidget(panel ? static_cast<QWidget*>(panel) : m_pages->widget(0));
  m_sheet->setTitle(page ? QString::fromStdString(page->CaptionPart()) : QString());
  DrawButtons();
  if (!panel) return;
  // A new page starts at its first field; a page kept after a refusal focuses its faulty control.
  if (page != m_shown) FocusFirstField(*panel);
  else if (page->FocusControl()) panel->FocusControl(page->FocusControl());
  m_shown = page;
}

// A wizard that ended while its window was being made (it had no page) closes once shown.
void QtNewSessionWizardWindow::Close() {
  if (isVisible()) return QDialog::done(m_model.EndCode());
  QMetaObject::invokeMethod(this, [this] { QDialog::done(m_model.EndCode()); }, Qt::QueuedConnection);
}

void QtNewSessionWizardWindow::DrawButtons() {
  struct Drawn {
    QPushButton* button;
    NewSessionWizard::ButtonBit bit;
  };
  for (Drawn const& each : {Drawn{BackButton(), NewSessionWizard::kBackBit}, Drawn{NextButton(), NewSessionWizard::kNextBit},
                            Drawn{FinishButton(), NewSessionWizard::kFinishBit}}) {
    each.button->setVisible(m_model.IsButtonShown(each.bit));
    each.button->setEnabled(m_model.IsButtonEnabled(each.bit));
  }
  bool const finishing = m_model.IsButtonShown(NewSessionWizard::kFinishBit);
  NextButton()->setDefault(!finishing);
  FinishButton()->setDefault(finishing);
}
