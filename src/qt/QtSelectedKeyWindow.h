// The "Map Selected Key" window: the key and its modifiers on top, the "&Function" category
// list, then the one control of the chosen category (string, function list, or script path
// with its browse button), "&Default", and OK and Cancel. Drawn from the model's declarations.
#pragma once

#include <QDialog>

class QtControlPanel;
class SelectedKeyDialog;

class QtSelectedKeyWindow : public QDialog {
  Q_OBJECT

 public:
  QtSelectedKeyWindow(SelectedKeyDialog& model, QWidget* parent = nullptr);

  void accept() override;
  void reject() override;

  QtControlPanel* Panel() const { return m_panel; }

 private:
  void FinishIfEnded();

  SelectedKeyDialog& m_model;
  QtControlPanel* m_panel;
};
