// The Connect dialog window's sizes in pixels: dialog units turned into pixels by the window's
// font (a quarter of the average character width across, an eighth of the line height down),
// the default and minimum sizes, and the size remembered in "Connect Dialog Size".
#pragma once

#include <QFontMetrics>
#include <QRect>
#include <QSize>
#include <optional>

#include "platform/types/WindowPlacement.h"

class ConnectDialogSize {
 public:
  explicit ConnectDialogSize(QFontMetrics const& metrics);

  QSize Units(int across, int down) const;
  // 250 by 215 dialog units.
  QSize Default() const { return Units(250, 215); }
  // 125 units high; as wide as the wider of 225 units and the bottom controls with a margin of 16.
  QSize Minimum(int bottomControlsWidth) const;

  // The width and height of the stored normal rectangle; none when either is zero or less
  // or larger than any screen.
  static std::optional<QSize> Stored(WINDOWPLACEMENT const& placement);
  // The record that remembers a window shown normally at `normal`.
  static WINDOWPLACEMENT Placement(QRect const& normal);

 private:
  int m_charWidth;
  int m_lineHeight;
};
