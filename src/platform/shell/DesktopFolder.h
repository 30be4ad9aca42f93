// The user's desktop folder, where desktop shortcuts go: XDG_DESKTOP_DIR as the user's
// user-dirs.dirs ($XDG_CONFIG_HOME, else ~/.config) names it, else ~/Desktop. The folder may
// not exist yet. No call throws.
#pragma once

#include <string>
#include <string_view>

class DesktopFolder {
 public:
  // From the process's environment; "" when neither HOME nor the file names a folder.
  static std::string Locate();
  // The folder that the text of a user-dirs.dirs names for `home`; "" when it names none. The
  // value is a double-quoted path, absolute or "$HOME/..."; backslash escapes the next byte.
  static std::string FromUserDirs(std::string_view text, std::string const& home);
};
