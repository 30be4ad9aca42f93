// The XDG base folders that file-type data is read from, in precedence order. Built from the
// environment, or all below one folder so that a test or a trial sees a world of its own.
#pragma once

#include <string>
#include <vector>

struct XdgLocations {
  std::string configHome;
  std::vector<std::string> configDirs;
  std::string dataHome;
  std::vector<std::string> dataDirs;

  // The data folders, the user's first; each holds mime/ and applications/.
  std::vector<std::string> DataFolders() const;
  // The configuration folders, the user's first; each may hold a mimeapps.list.
  std::vector<std::string> ConfigFolders() const;

  // BRIMVALE_FILETYPES_ROOT, when set, gives UnderRoot of it; otherwise the XDG variables
  // with their standard defaults ($HOME/.config, /etc/xdg, $HOME/.local/share, /usr/local/share:/usr/share).
  static XdgLocations FromEnvironment();
  // root/home/.config, root/etc/xdg, root/home/.local/share and root/usr/local/share:root/usr/share.
  static XdgLocations UnderRoot(std::string const& root);
};
