#include "qt/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <cctype>

QString QtClipboard::MimeType(std::string const& format) {
  std::string type = "application/x-";
  for (size_t i = 0; i < format.size(); ++i) {
    auto const c = static_cast<unsigned char>(format[i]);
    if (!std::isalnum(c) || c > 0x7F) return {};
    bool const wordStart = i > 0 && std::isupper(c) && !std::isupper(static_cast<unsigned char>(format[i - 1]));
    if (wordStart) type += '-';
    type += static_cast<char>(std::tolower(c));
  }
  return format.empty() ? QString() : QString::fromLatin1(type.c_str());
}

bool QtClipboard::SetData(std::string const& format, std::vector<unsigned char> const& data) {
  QString const type = MimeType(format);
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (type.isEmpty() || !clipboard) return false;
  auto* mime = new QMimeData;
  mime->setData(type, QByteArray(reinterpret_cast<char const*>(data.data()), static_cast<qsizetype>(data.size())));
  clipboard->setMimeData(mime);
  // The desktop may refuse to hand the clipboard over: then it does not hold our block.
  QMimeData const* held = clipboard->mimeData();
  return held && held->hasFormat(type);
}

bool QtClipboard::GetData(std::string const& format, std::vector<unsigned char>& data) const {
  QString const type = MimeType(format);
  QClipboard const* clipboard = QGuiApplication::clipboard();
  QMimeData const* held = clipboard && !type.isEmpty() ? clipboard->mimeData() : nullptr;
  if (!held || !held->hasFormat(type)) return false;
  QByteArray const bytes = held->data(type);
  data.assign(bytes.begin(), bytes.end());
  return true;
}
