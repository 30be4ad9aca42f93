// Starting the sibling host on a session (the terminal client from the file-transfer client and
// back). The programs come from the global configuration's "... EXE Path" options; a program
// is started with the caller's argument string split into words, never through a command
// interpreter, so nothing in a session path can run another command. A failed start shows a warning through the user interface.
// Host's user-interface thread only.
#pragma once

#include <string>

// Whether HaloKorvo or Korvo, and whether HaloFyx, is installed, as the host reported it.
bool CanLaunchTerminalApp();
bool CanLaunchFileTransferApp();
// "HaloKorvo EXE Path" (else "Korvo EXE Path"), and "HaloFyx EXE Path", started with
// `parameters` (such as: /S "Lab\core1").
void LaunchTerminalApp(char const* parameters);
void LaunchFileTransferApp(char const* parameters);
// The program that starts the running host again: its product's "... EXE Path" option, else this
// process's executable. A link such as cdhost-halofyx keeps its product only through that option.
std::string RunningHostProgram();
