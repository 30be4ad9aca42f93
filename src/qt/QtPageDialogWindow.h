// The window of a one-page dialog (VPageDialog): its page drawn from the control declarations,
// OK and Cancel below. OK ends the window only when the model took the page; a refusal puts the
// focus on the faulty control.
#pragma once

#include "qt/QtPanelWindow.h"

class VPageDialog;

class QtPageDialogWindow : public QtPanelWindow {
  Q_OBJECT

 public:
  QtPageDialogWindow(VPageDialog& model, QWidget* parent = nullptr);

 protected:
  int RefusedControl() const override;

 private:
  VPageDialog& m_model;
};
