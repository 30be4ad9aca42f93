// A window of one panel of controls above OK and Cancel. Both go to the model; the window ends
// when the model has ended, so a refused OK keeps it open with the panel redrawn.
#pragma once

#include <QDialog>
#include <vector>

#include "qt/QtControlPanel.h"

class DialogModel;

class QtPanelWindow : public QDialog {
  Q_OBJECT

 public:
  QtPanelWindow(DialogModel& model, QtControlPanel::Controls controls, std::vector<int> order, QWidget* parent);

  void accept() override;
  void reject() override;

  QtControlPanel* Panel() const { return m_panel; }

 protected:
  // The control to focus after the model refused OK; 0 keeps the focus where it is.
  virtual int RefusedControl() const { return 0; }

 private:
  void FinishIfEnded();

  DialogModel& m_model;
  QtControlPanel* m_panel;
};
