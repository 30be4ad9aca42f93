#include "qt/connect/ConnectDialogIcons.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QStyle>

#include "dialogs/ConnectDialog.h"

namespace {

QIcon Standard(QStyle::StandardPixmap pixmap) { return QApplication::style()->standardIcon(pixmap); }

}  // namespace

QIcon ConnectDialogIcons::Themed(char const* name, QIcon const& fallback) { return QIcon::fromTheme(name, fallback); }

QIcon ConnectDialogIcons::Command(int id) {
  switch (id) {
    case ConnectDialog::kConnect: return Themed("network-connect", Standard(QStyle::SP_MediaPlay));
    case ConnectDialog::kQuickConnect: return Themed("go-jump", Standard(QStyle::SP_ArrowForward));
    case ConnectDialog::kNewSession: return Themed("document-new", Standard(QStyle::SP_FileIcon));
    case ConnectDialog::kCut: return Themed("edit-cut", Draw(Drawn::Cut));
    case ConnectDialog::kCopy: return Themed("edit-copy", Draw(Drawn::Copy));
    case ConnectDialog::kPaste: return Themed("edit-paste", Draw(Drawn::Paste));
    case ConnectDialog::kDelete: return Themed("edit-delete", Standard(QStyle::SP_TrashIcon));
    case ConnectDialog::kProperties: return Themed("document-properties", Standard(QStyle::SP_FileDialogDetailedView));
    case ConnectDialog::kNewFolder: return Themed("folder-new", Standard(QStyle::SP_FileDialogNewFolder));
    case ConnectDialog::kCreateShortcut: return Themed("emblem-symbolic-link", Standard(QStyle::SP_FileLinkIcon));
    case ConnectDialog::kHelp: return Themed("help-contents", Draw(Drawn::Help));
    default: return {};
  }
}

QIcon ConnectDialogIcons::Draw(Drawn kind) {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QApplication::palette().color(QPalette::WindowText), 1.2));
  switch (kind) {
    case Drawn::Cut:  // scissors: two blades over two rings
      painter.drawLine(QPointF(4, 1), QPointF(10.5, 10));
      painter.drawLine(QPointF(12, 1), QPointF(5.5, 10));
      painter.drawEllipse(QPointF(4.5, 12.5), 2.5, 2.5);
      painter.drawEllipse(QPointF(11.5, 12.5), 2.5, 2.5);
      break;
    case Drawn::Copy:  // two sheets, one over the other
      painter.setBrush(QApplication::palette().color(QPalette::Base));
      painter.drawRect(QRectF(1.5, 1.5, 8, 10));
      painter.drawRect(QRectF(6.5, 4.5, 8, 10));
      break;
    case Drawn::Paste:  // a board with its clip and a sheet on it
      painter.setBrush(QColor(0xC8, 0xA0, 0x64));
      painter.drawRect(QRectF(2.5, 2.5, 10, 12));
      painter.setBrush(QApplication::palette().color(QPalette::Base));
      painter.drawRect(QRectF(5.5, 1, 4, 3));
      painter.drawRect(QRectF(7.5, 7.5, 7, 7));
      break;
    case Drawn::Help:  // a question mark in a ring
      painter.drawEllipse(QPointF(8, 8), 6.5, 6.5);
      painter.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("?"));
      break;
  }
  painter.end();
  return QIcon(pixmap);
}
