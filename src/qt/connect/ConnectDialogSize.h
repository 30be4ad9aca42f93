// The Connect dialog window's sizes between the model's dialog units and pixels: a quarter of
// the window font's average character width across, an eighth of its line height down; and
// the placement record of a window shown normally at a rectangle.
#pragma once

#include <QFontMetrics>
#include <QRect>
#include <QSize>

#include "dialogs/ConnectDialog.h"
#include "platform/types/WindowPlacement.h"

class ConnectDialogSize {
 public:
  explicit ConnectDialogSize(QFontMetrics const& metrics);

  QSize Pixels(ConnectDialog::Size units) const;
  // The dialog units that cover `pixels` across, rounded up.
  int UnitsAcross(int pixels) const;

  static WINDOWPLACEMENT Placement(QRect const& normal);

 private:
  int m_charWidth;
  int m_lineHeight;
};
