// The library's chooser filters ("Name (*.ext)|*.ext|All Files (*.*)|*.*||") in Qt's form
// ("Name (*.ext);;All Files (*)"), and the extension a chooser suggests. Pure functions.
#pragma once

#include <QString>
#include <QStringList>
#include <string>

class QtFileFilter {
 public:
  // One Qt filter per name and pattern pair, in order. The patterns replace whatever the name
  // shows in parentheses, since Qt reads them from there; "*.*" matches every file as it does
  // on the platform the form comes from. A pair without patterns is left out.
  static QStringList Filters(std::string const& filter);
  // The first extension of a list such as "*.vbs; *.js" ("vbs"); empty when it names none.
  static QString DefaultSuffix(std::string const& extensions);
};
