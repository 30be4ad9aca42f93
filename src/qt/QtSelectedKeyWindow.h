// The "Map Selected Key" window: the key and its modifiers on top, the "&Function" category
// list, then the one control of the chosen category (string, function list, or script path
// with its browse button), "&Default", and OK and Cancel. Drawn from the model's declarations.
#pragma once

#include "qt/QtPanelWindow.h"

class SelectedKeyDialog;

class QtSelectedKeyWindow : public QtPanelWindow {
  Q_OBJECT

 public:
  QtSelectedKeyWindow(SelectedKeyDialog& model, QWidget* parent = nullptr);
};
