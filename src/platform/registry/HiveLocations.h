// Where the hive files live: the per-user and machine folders, moved under one folder by
// BRIMVALE_ROOT (tests, CI and `cdtool --root` use it for an isolated world).
#pragma once

#include <string>

#include "platform/types/WinTypes.h"

// BRIMVALE_ROOT/user, else $XDG_CONFIG_HOME/Brimvale, else $HOME/.config/Brimvale.
std::string UserConfigFolder();
// BRIMVALE_ROOT/machine, else /etc/xdg/Brimvale.
std::string MachineConfigFolder();
// The file behind a predefined root handle; empty for any other handle.
std::string PredefinedHivePath(HKEY root);
// Creates `folder` and its missing parents with the given mode; true when it exists afterwards.
bool CreateFolders(std::string const& folder, unsigned mode);
