#include "qt/QtNextKeyWindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/NextKeyDialog.h"
#include "qt/QtKeyTranslator.h"

QtNextKeyWindow::QtNextKeyWindow(NextKeyDialog& model, QWidget* parent) : QDialog(parent), m_model(model) {
  setWindowTitle(NextKeyDialog::kTitle);
  auto* prompt = new QLabel(NextKeyDialog::kPrompt, this);
  prompt->setWordWrap(true);
  auto* waiting = new QLabel(NextKeyDialog::kWaiting, this);
  QFont bold = waiting->font();
  bold.setWeight(QFont::Bold);
  waiting->setFont(bold);
  waiting->setAlignment(Qt::AlignCenter);
  auto* cancel = new QPushButton("Cancel", this);
  cancel->setAutoDefault(false);
  cancel->setFocusPolicy(Qt::NoFocus);  // Space and Enter are keys to capture, not a click
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(prompt);
  layout->addWidget(waiting);
  layout->addWidget(cancel, 0, Qt::AlignRight);
  connect(cancel, &QPushButton::clicked, this, &QtNextKeyWindow::reject);
  qApp->installEventFilter(this);
  setMinimumWidth(360);
}

void QtNextKeyWindow::reject() {
  m_model.OnCancel();
  if (m_model.IsEnded()) QDialog::done(m_model.EndCode());
}

bool QtNextKeyWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
  if (!watched->isWidgetType() || static_cast<QWidget*>(watched)->window() != this) return false;
  KeyMessage message;
  if (!QtKeyTranslator::Translate(static_cast<QKeyEvent const&>(*event), message)) return false;
  bool const taken = m_model.PreTranslateMessage(message);
  if (m_model.IsEnded()) QDialog::done(m_model.EndCode());
  return taken;
}
