// Whether a folder can hold a program's files: an absolute path to an existing folder that the
// user may list, enter and write. Used before a host moves its configuration to a new folder.
#pragma once

#include <string>

enum class FolderState { Usable, NotValid, AccessDenied };

// NotValid: relative, missing, or not a folder; AccessDenied: a folder the user cannot write.
FolderState CheckFolder(std::string const& path);
