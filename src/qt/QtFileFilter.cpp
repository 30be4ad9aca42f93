#include "qt/QtFileFilter.h"

namespace {

// "*.vbs;*.js" as Qt lists patterns: "*.vbs *.js", with "*.*" as "*".
QString Patterns(QString const& patterns) {
  QStringList out;
  for (QString pattern : patterns.split(';', Qt::SkipEmptyParts)) {
    pattern = pattern.trimmed();
    if (pattern.isEmpty()) continue;
    out << (pattern == "*.*" ? QStringLiteral("*") : pattern);
  }
  return out.join(' ');
}

// The name without the patterns it shows at its end.
QString BareName(QString name) {
  name = name.trimmed();
  if (name.endsWith(')')) {
    qsizetype const open = name.lastIndexOf('(');
    if (open >= 0) name = name.left(open).trimmed();
  }
  return name;
}

}  // namespace

QStringList QtFileFilter::Filters(std::string const& filter) {
  QStringList const parts = QString::fromStdString(filter).split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString const patterns = Patterns(parts[i + 1]);
    if (patterns.isEmpty()) continue;
    QString const name = BareName(parts[i]);
    filters << (name.isEmpty() ? patterns : name + " (" + patterns + ")");
  }
  return filters;
}

QString QtFileFilter::DefaultSuffix(std::string const& extensions) {
  for (QString pattern : QString::fromStdString(extensions).split(';', Qt::SkipEmptyParts)) {
    pattern = pattern.trimmed();
    if (pattern.startsWith("*.")) pattern = pattern.mid(2);
    else if (pattern.startsWith('.')) pattern = pattern.mid(1);
    if (!pattern.isEmpty() && !pattern.contains('*') && !pattern.contains('?')) return pattern;
  }
  return {};
}
