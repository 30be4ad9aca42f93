// The "Map Key" window: its two lines of text and Cancel. While it is up, every key the user
// presses goes to the model (Escape and Enter included, since they can be mapped too); it closes
// as soon as the model has captured a key.
#pragma once

#include <QDialog>

class NextKeyDialog;

class QtNextKeyWindow : public QDialog {
  Q_OBJECT

 public:
  QtNextKeyWindow(NextKeyDialog& model, QWidget* parent = nullptr);

  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  NextKeyDialog& m_model;
};
