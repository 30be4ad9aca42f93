#include "qt/QtOnScreenKeyboard.h"

#include <QFontMetrics>
#include <algorithm>
#include <cstdlib>
#include <limits>

#include "dialogs/OnScreenKeyboard.h"
#include "qt/QtKeyButton.h"

namespace {

// Space between the function row and the rows below it, in rows.
constexpr double kFunctionRowGap = 0.4;
// Room left and right of a key's face, in pixels, for the button's frame.
constexpr int kKeyPadding = 6;

}  // namespace

QtOnScreenKeyboard::QtOnScreenKeyboard(OnScreenKeyboard& keyboard, QWidget* parent)
    : QWidget(parent), m_keyboard(keyboard) {
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  for (size_t key = 0; key < keyboard.Keys().size(); ++key) {
    auto* button = new QtKeyButton(keyboard, key, this);
    connect(button, &QtKeyButton::clicked, this, [this, key] { Clicked(key); });
    connect(button, &QtKeyButton::MoveFocus, this,
            [this, button](int across, int down) { MoveFocus(button, across, down); });
    m_buttons.push_back(button);
  }
  setFocusPolicy(Qt::NoFocus);
  if (!m_buttons.empty()) SetTabStop(m_buttons.front());
  Place();
}

int QtOnScreenKeyboard::Unit() const {
  // A plain key is four units: wide enough for the longest caption a plain key carries, in bold
  // for when it is mapped.
  int widest = 0;
  for (OnScreenKeyboard::Key const& key : m_keyboard.Keys()) {
    if (key.width != 4) continue;
    QFontMetrics const metrics(QtKeyButton::FaceFont(font(), key.button->FontStyle(), true));
    widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(key.button->Caption())));
  }
  return (widest + kKeyPadding + 3) / 4;
}

int QtOnScreenKeyboard::RowHeight() const { return QFontMetrics(font()).height() + 14; }

QSize QtOnScreenKeyboard::sizeHint() const {
  return {OnScreenKeyboard::kColumns * Unit(),
          static_cast<int>((OnScreenKeyboard::kRows + kFunctionRowGap) * RowHeight())};
}

void QtOnScreenKeyboard::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Place();
}

void QtOnScreenKeyboard::Place() {
  int const unit = Unit();
  int const rowHeight = RowHeight();
  int const gap = static_cast<int>(kFunctionRowGap * rowHeight);
  for (QtKeyButton* button : m_buttons) {
    OnScreenKeyboard::Key const& key = m_keyboard.Keys()[button->Key()];
    int const top = key.row * rowHeight + (key.row > 0 ? gap : 0);
    button->setGeometry(key.column * unit, top, key.width * unit - 1, key.height * rowHeight - 1);
  }
}

void QtOnScreenKeyboard::Refresh() {
  for (QtKeyButton* button : m_buttons) {
    button->Refresh();
    if (button->isChecked()) SetTabStop(button);
  }
}

QtKeyButton* QtOnScreenKeyboard::Button(unsigned int scanCode, bool extended) const {
  size_t const key = m_keyboard.Find(scanCode, extended);
  return key < m_buttons.size() ? m_buttons[key] : nullptr;
}

void QtOnScreenKeyboard::Clicked(size_t key) {
  m_keyboard.Click(key);
  Refresh();
}

void QtOnScreenKeyboard::SetTabStop(QtKeyButton* stop) {
  for (QtKeyButton* button : m_buttons) button->setFocusPolicy(button == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

void QtOnScreenKeyboard::MoveFocus(QtKeyButton* from, int across, int down) {
  OnScreenKeyboard::Key const& start = m_keyboard.Keys()[from->Key()];
  // Across: the nearest key of the same row in that direction. Down: the key of the next row
  // whose span holds the middle of this one.
  int const row = across ? start.row : (down > 0 ? start.row + start.height : start.row - 1);
  int const middle = 2 * start.column + start.width;
  QtKeyButton* best = nullptr;
  int bestDistance = std::numeric_limits<int>::max();
  for (QtKeyButton* button : m_buttons) {
    OnScreenKeyboard::Key const& key = m_keyboard.Keys()[button->Key()];
    if (button == from || row < key.row || row >= key.row + key.height) continue;
    int const distance = across ? across * (key.column - start.column) : std::abs(2 * key.column + key.width - middle);
    if (across && distance <= 0) continue;
    if (distance < bestDistance) {
      best = button;
      bestDistance = distance;
    }
  }
  if (!best) return;
  SetTabStop(best);
  best->setFocus(Qt::TabFocusReason);
}
