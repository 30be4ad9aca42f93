// The window of a one-page dialog (VPageDialog): its page drawn from the control declarations,
// OK and Cancel below. OK ends the window only when the model took the page; a refusal puts the
// focus on the faulty control.
#pragma once

#include <QDialog>

class QtControlPanel;
class VPageDialog;

class QtPageDialogWindow : public QDialog {
  Q_OBJECT

 public:
  QtPageDialogWindow(VPageDialog& model, QWidget* parent = nullptr);

  void accept() override;
  void reject() override;

  QtControlPanel* Panel() const { return m_panel; }

 private:
  void FinishIfEnded();

  VPageDialog& m_model;
  QtControlPanel* m_panel;
};
