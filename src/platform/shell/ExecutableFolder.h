// The folder of the running program's executable, where hosts keep their side files (keymaps).
#pragma once

#include <string>

// Without a trailing slash; "" when the process cannot name its executable.
std::string ExecutableFolder();
