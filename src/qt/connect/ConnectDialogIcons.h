// The pictures of the Connect dialog: the tree's folders (closed and open) and sessions, and
// the toolbar's commands. Each comes from the desktop's icon theme when it has one, else from
// the style's standard pictures or one drawn here, so a bare machine still shows them all.
#pragma once

#include <QIcon>

class QStyle;

class ConnectDialogIcons {
 public:
  static QIcon Folder(bool open);
  static QIcon Session();
  // The toolbar picture of a command id; a null icon for an id without one.
  static QIcon Command(int id);

 private:
  enum class Drawn { Cut, Copy, Paste, Help };
  static QIcon Themed(char const* name, QIcon const& fallback);
  static QIcon Draw(Drawn kind);
};
