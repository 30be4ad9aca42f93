// The Quick Connect window: protocol, host, port and user in a form, and "Save session". What
// is typed goes to the model as it is typed; OK asks the model, which may refuse and keep the
// window open with the focus on the control it names.
#pragma once

#include <QDialog>
#include <map>
#include <memory>

class QFormLayout;
class QLineEdit;
class QuickConnectDialog;

class QuickConnectWindow : public QDialog {
  Q_OBJECT

 public:
  QuickConnectWindow(QuickConnectDialog& model, QWidget* parent);
  static std::unique_ptr<QDialog> Make(QuickConnectDialog& model, QWidget* parent);

  void accept() override;
  void reject() override;

 private:
  QLineEdit* AddLine(QFormLayout& form, int control);
  void Forward(int control, QString const& value);
  void EndIfEnded();

  QuickConnectDialog& m_model;
  // Each control by its id in the model, for the focus after a refusal.
  std::map<int, QWidget*> m_controls;
  QLineEdit* m_port = nullptr;
};
