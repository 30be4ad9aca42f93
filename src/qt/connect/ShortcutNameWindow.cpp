#include "qt/connect/ShortcutNameWindow.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "dialogs/ShortcutNameDialog.h"

ShortcutNameWindow::ShortcutNameWindow(ShortcutNameDialog& model, QWidget* parent)
    : QDialog(parent), m_model(model), m_label(new QLineEdit(QString::fromStdString(model.Label()), this)) {
  setWindowTitle(ShortcutNameDialog::kCaption);
  auto* explanation = new QLabel(ShortcutNameDialog::kExplanation, this);
  auto* path = new QLabel(QString::fromStdString(model.SessionPath()), this);
  path->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* prompt = new QLabel(ShortcutNameDialog::kPrompt, this);
  prompt->setBuddy(m_label);
  m_label->setAccessibleName(prompt->text());
  m_label->selectAll();
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(explanation);
  layout->addWidget(path);
  layout->addWidget(prompt);
  layout->addWidget(m_label);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &ShortcutNameWindow::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &ShortcutNameWindow::reject);
  m_label->setFocus();
}

void ShortcutNameWindow::accept() {
  std::string error;
  m_model.SetControl(ShortcutNameDialog::kLabelField, m_label->text().toStdString(), error);
  m_model.OnOK();
  if (m_model.IsEnded()) QDialog::done(m_model.EndCode());
}

void ShortcutNameWindow::reject() {
  m_model.OnCancel();
  if (m_model.IsEnded()) QDialog::done(m_model.EndCode());
}
