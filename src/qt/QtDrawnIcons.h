// Icons drawn in code, for desktops without an icon theme: a bare machine still shows folders
// and sessions. Each icon holds a 16 and a 32 pixel image. Called from the GUI thread only.
#pragma once

#include <QIcon>

class QtDrawnIcons {
 public:
  static QIcon Folder(bool open);
  // A session: a small terminal screen with a prompt.
  static QIcon Session();
};
