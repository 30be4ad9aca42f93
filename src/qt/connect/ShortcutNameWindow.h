// The "Shortcut Name" window: the session a desktop shortcut will open and the shortcut's label,
// proposed by the model; OK and Cancel end the model, which keeps the typed label.
#pragma once

#include <QDialog>

class QLineEdit;
class ShortcutNameDialog;

class ShortcutNameWindow : public QDialog {
  Q_OBJECT

 public:
  ShortcutNameWindow(ShortcutNameDialog& model, QWidget* parent = nullptr);

  void accept() override;
  void reject() override;

 private:
  ShortcutNameDialog& m_model;
  QLineEdit* m_label;
};
