// The pictures of the Connect dialog's toolbar commands. Each comes from the desktop's icon
// theme when it has one, else from the style's standard pictures or one drawn here, so a bare
// machine still shows them all. The tree's folders and sessions come from QtUserInterface.
#pragma once

#include <QIcon>

class QStyle;

class ConnectDialogIcons {
 public:
  // The toolbar picture of a command id; a null icon for an id without one.
  static QIcon Command(int id);

 private:
  enum class Drawn { Cut, Copy, Paste, Help };
  static QIcon Themed(char const* name, QIcon const& fallback);
  static QIcon Draw(Drawn kind);
};
