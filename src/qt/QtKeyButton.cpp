#include "qt/QtKeyButton.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "dialogs/KeyModifiers.h"
#include "dialogs/OnScreenKeyboard.h"
#include "terminal/VirtualKeyNames.h"

QFont QtKeyButton::FaceFont(QFont font, unsigned int fontStyle, bool mapped) {
  double const scale = fontStyle == 1 ? 0.8 : 1.1;
  if (font.pointSizeF() > 0) font.setPointSizeF(font.pointSizeF() * scale);
  else font.setPixelSize(static_cast<int>(font.pixelSize() * scale));
  font.setBold(mapped);
  return font;
}

QtKeyButton::QtKeyButton(OnScreenKeyboard& keyboard, size_t key, QWidget* parent)
    : QPushButton(parent), m_keyboard(keyboard), m_key(key) {
  setAutoDefault(false);
  setCheckable(true);
  setFocusPolicy(Qt::ClickFocus);
  Refresh();
}

void QtKeyButton::Refresh() {
  OnScreenKeyboard::Face const face = m_keyboard.FaceOf(m_key);
  KeyboardButton const& button = *m_keyboard.Keys()[m_key].button;
  m_face = QString::fromStdString(face.text);
  m_dimmed = face.dimmed;
  m_mapped = m_keyboard.IsMapped(m_key);
  setChecked(button.state() == 1);
  QString const spoken = m_face.trimmed().isEmpty() ? QString::fromStdString(button.Caption()) : m_face;
  setAccessibleName(spoken);
  setAccessibleDescription(m_mapped ? "Mapped" : "");
  int const index = m_keyboard.KeyIndex(m_key);
  setToolTip(QString::fromStdString(mapModifiersToString(static_cast<unsigned int>(index) & 0xF00).Str() +
                                    VirtualKeyToName(index & 0xFF).Str()) +
             (m_mapped ? " (mapped)" : ""));
  update();
}

void QtKeyButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  option.text.clear();
  painter.drawControl(QStyle::CE_PushButton, option);
  QRect const inside = rect().adjusted(2, 2, -2, -2);
  if (m_mapped) {
    QPainterPath corner;
    int const size = qMax(6, height() / 4);
    corner.moveTo(inside.topRight() + QPoint(1, 0));
    corner.lineTo(inside.topRight() + QPoint(1 - size, 0));
    corner.lineTo(inside.topRight() + QPoint(1, size));
    corner.closeSubpath();
    painter.fillPath(corner, palette().color(QPalette::Highlight));
  }
  painter.setFont(FaceFont(font(), m_keyboard.Keys()[m_key].button->FontStyle(), m_mapped));
  QPalette::ColorGroup const group = m_dimmed || !isEnabled() ? QPalette::Disabled : QPalette::Active;
  painter.setPen(palette().color(group, QPalette::ButtonText));
  painter.drawText(inside, Qt::AlignCenter | Qt::TextSingleLine, m_face);
}

void QtKeyButton::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: click(); return;
    case Qt::Key_Left: emit MoveFocus(-1, 0); return;
    case Qt::Key_Right: emit MoveFocus(1, 0); return;
    case Qt::Key_Up: emit MoveFocus(0, -1); return;
    case Qt::Key_Down: emit MoveFocus(0, 1); return;
    default: QPushButton::keyPressEvent(event);
  }
}
