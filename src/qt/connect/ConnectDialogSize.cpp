#include "qt/connect/ConnectDialogSize.h"

#include <QString>
#include <algorithm>

namespace {

constexpr int kShowNormal = 1;

}  // namespace

ConnectDialogSize::ConnectDialogSize(QFontMetrics const& metrics) {
  static QString const kAlphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  m_charWidth = std::max(1, (metrics.horizontalAdvance(kAlphabet) / 26 + 1) / 2);
  m_lineHeight = std::max(1, metrics.height());
}

QSize ConnectDialogSize::Pixels(ConnectDialog::Size units) const {
  return {units.width * m_charWidth / 4, units.height * m_lineHeight / 8};
}

int ConnectDialogSize::UnitsAcross(int pixels) const { return (std::max(0, pixels) * 4 + m_charWidth - 1) / m_charWidth; }

WINDOWPLACEMENT ConnectDialogSize::Placement(QRect const& normal) {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(WINDOWPLACEMENT);
  placement.showCmd = kShowNormal;
  placement.rcNormalPosition = {normal.left(), normal.top(), normal.left() + normal.width(), normal.top() + normal.height()};
  return placement;
}
