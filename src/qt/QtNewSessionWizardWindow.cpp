#include "qt/QtNewSessionWizardWindow.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "dialogs/NewSessionWizard.h"
#include "qt/QtControlPanel.h"

namespace {

QLabel* MakeCaption(QWidget* parent) {
  auto* caption = new QLabel(parent);
  QFont bold = caption->font();
  bold.setWeight(QFont::Bold);
  caption->setFont(bold);
  caption->setAccessibleName("Page caption");
  return caption;
}

QFrame* MakeRule(QWidget* parent) {
  auto* rule = new QFrame(parent);
  rule->setFrameShape(QFrame::HLine);
  rule->setFrameShadow(QFrame::Sunken);
  return rule;
}

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
    : QDialog(parent), m_model(model), m_caption(MakeCaption(this)), m_pages(new QStackedWidget(this)) {
  setWindowTitle(QString::fromStdString(model.Caption()));
  m_pages->addWidget(new QWidget(m_pages));  // shown while no page is current
  // Every page is drawn before the buttons are made, so the tab order runs page, then buttons.
  for (VPropertyTreePage* page : m_model.Pages()) {
    auto* panel = new QtControlPanel(
        m_model, [page]() -> std::vector<VPageControl> const& { return page->Controls(); }, {}, m_pages);
    m_pages->addWidget(panel);
    m_panels[page] = panel;
    connect(panel, &QtControlPanel::Acted, this, &QtNewSessionWizardWindow::DrawButtons);
  }
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  m_back = AddButton("< &Back", "Back", NewSessionWizard::kBack);
  m_next = AddButton("&Next >", "Next", NewSessionWizard::kNext);
  m_finish = AddButton("&Finish", "Finish", NewSessionWizard::kFinish);
  m_cancel = new QPushButton("Cancel", this);
  m_cancel->setAutoDefault(false);
  connect(m_cancel, &QPushButton::clicked, this, &QtNewSessionWizardWindow::reject);
  for (QPushButton* button : {m_back, m_next, m_finish, m_cancel}) buttons->addWidget(button);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_caption);
  layout->addWidget(m_pages, 1);
  layout->addWidget(MakeRule(this));
  layout->addLayout(buttons);
  resize(560, 380);
  Sync();
}

QPushButton* QtNewSessionWizardWindow::AddButton(char const* text, char const* spoken, int command) {
  auto* button = new QPushButton(text, this);
  button->setAccessibleName(spoken);  // without the arrows
  button->setAutoDefault(false);
  connect(button, &QPushButton::clicked, this, [this, command] { Press(command); });
  return button;
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

void QtNewSessionWizardWindow::accept() {
  m_model.OnOK();
  Sync();
}

void QtNewSessionWizardWindow::reject() {
  m_model.OnCancel();
  Sync();
}

void QtNewSessionWizardWindow::Sync() {
  if (m_model.IsEnded()) return Close();
  VPropertyTreePage* page = m_model.CurrentPage();
  QtControlPanel* panel = Panel(page);
  if (panel) panel->Refresh();
  m_pages->setCurrentWidget(panel ? static_cast<QWidget*>(panel) : m_pages->widget(0));
  m_caption->setText(page ? QString::fromStdString(page->CaptionPart()) : QString());
  DrawButtons();
  if (!panel) return;
  // A new page starts at its first field; a page kept after a refusal focuses its faulty control.
  if (page != m_shown) FocusFirstField(*panel);
  else if (page->FocusControl()) panel->FocusControl(page->FocusControl());
  m_shown = page;
}

// A wizard that ended while its window was being made (it had no page) closes once shown.
void QtNewSessionWizardWindow::Close() {
  if (isVisible()) return done(m_model.EndCode());
  QMetaObject::invokeMethod(this, [this] { done(m_model.EndCode()); }, Qt::QueuedConnection);
}

void QtNewSessionWizardWindow::DrawButtons() {
  struct Drawn {
    QPushButton* button;
    NewSessionWizard::ButtonBit bit;
  };
  for (Drawn const& each : {Drawn{m_back, NewSessionWizard::kBackBit}, Drawn{m_next, NewSessionWizard::kNextBit},
                            Drawn{m_finish, NewSessionWizard::kFinishBit}}) {
    each.button->setVisible(m_model.IsButtonShown(each.bit));
    each.button->setEnabled(m_model.IsButtonEnabled(each.bit));
  }
  bool const finishing = m_model.IsButtonShown(NewSessionWizard::kFinishBit);
  m_next->setDefault(!finishing);
  m_finish->setDefault(finishing);
}
