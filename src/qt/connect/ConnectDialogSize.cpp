#include "qt/connect/ConnectDialogSize.h"

#include <QString>
#include <algorithm>
#include <cstdint>

namespace {

constexpr int kShowNormal = 1;
// Larger than any screen: a record this size was damaged, not remembered.
constexpr int64_t kLargest = 32767;

}  // namespace

ConnectDialogSize::ConnectDialogSize(QFontMetrics const& metrics) {
  static QString const kAlphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  m_charWidth = std::max(1, (metrics.horizontalAdvance(kAlphabet) / 26 + 1) / 2);
  m_lineHeight = std::max(1, metrics.height());
}

QSize ConnectDialogSize::Units(int across, int down) const {
  return {across * m_charWidth / 4, down * m_lineHeight / 8};
}

QSize ConnectDialogSize::Minimum(int bottomControlsWidth) const {
  int const margin = Units(16, 0).width();
  return {std::max(Units(225, 0).width(), bottomControlsWidth + margin), Units(0, 125).height()};
}

std::optional<QSize> ConnectDialogSize::Stored(WINDOWPLACEMENT const& placement) {
  RECT const& normal = placement.rcNormalPosition;
  int64_t const width = int64_t{normal.right} - normal.left;
  int64_t const height = int64_t{normal.bottom} - normal.top;
  if (width <= 0 || height <= 0 || width > kLargest || height > kLargest) return std::nullopt;
  return QSize(static_cast<int>(width), static_cast<int>(height));
}

WINDOWPLACEMENT ConnectDialogSize::Placement(QRect const& normal) {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(WINDOWPLACEMENT);
  placement.showCmd = kShowNormal;
  placement.rcNormalPosition = {normal.left(), normal.top(), normal.left() + normal.width(), normal.top() + normal.height()};
  return placement;
}
