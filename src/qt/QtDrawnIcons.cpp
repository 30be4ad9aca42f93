#include "qt/QtDrawnIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace {

using Painter = std::function<void(QPainter&)>;

// `paint` draws on a 32 by 32 canvas; the 16 pixel image is the same drawing scaled.
QIcon Draw(Painter const& paint) {
  QIcon icon;
  for (int size : {16, 32}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);
    paint(painter);
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

void PaintFolder(QPainter& painter, bool open) {
  QColor const edge(0x9c, 0x6d, 0x12);
  painter.setPen(QPen(edge, 1.5));
  painter.setBrush(QColor(0xe8, 0xb8, 0x4a));
  QPainterPath back;
  back.moveTo(2, 7);
  back.lineTo(12, 7);
  back.lineTo(15, 10);
  back.lineTo(30, 10);
  back.lineTo(30, 27);
  back.lineTo(2, 27);
  back.closeSubpath();
  painter.drawPath(back);
  painter.setBrush(QColor(0xf6, 0xd3, 0x6e));
  if (open) {
    painter.drawPolygon(QPolygonF({QPointF(6, 14), QPointF(31, 14), QPointF(27, 27), QPointF(2, 27)}));
  } else {
    painter.drawRect(QRectF(2, 13, 28, 14));
  }
}

void PaintSession(QPainter& painter) {
  painter.setPen(QPen(QColor(0x40, 0x40, 0x48), 1.5));
  painter.setBrush(QColor(0xd8, 0xd8, 0xdc));
  painter.drawRoundedRect(QRectF(2, 4, 28, 21), 2, 2);
  painter.setBrush(QColor(0x1e, 0x22, 0x28));
  painter.drawRect(QRectF(5, 7, 22, 15));
  painter.setPen(QPen(QColor(0x6f, 0xe0, 0x6f), 2));
  painter.drawLine(QPointF(8, 11), QPointF(12, 14));
  painter.drawLine(QPointF(12, 14), QPointF(8, 17));
  painter.drawLine(QPointF(14, 18), QPointF(20, 18));
  painter.setPen(QPen(QColor(0x40, 0x40, 0x48), 1.5));
  painter.setBrush(QColor(0xb0, 0xb0, 0xb8));
  painter.drawRect(QRectF(10, 25, 12, 4));
}

}  // namespace

QIcon QtDrawnIcons::Folder(bool open) {
  return Draw([open](QPainter& painter) { PaintFolder(painter, open); });
}

QIcon QtDrawnIcons::Session() { return Draw(PaintSession); }
