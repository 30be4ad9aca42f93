// The running program's executable and its folder, where hosts keep their side files (keymaps).
#pragma once

#include <string>

// Without a trailing slash; "" when the process cannot name its executable.
std::string ExecutableFolder();
// The running program's executable, as a full path; "" when the process cannot name it.
std::string ExecutablePath();
