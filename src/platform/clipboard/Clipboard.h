// The desktop clipboard, as far as the library uses it: one block of bytes under a registered
// format name ("FolderTree"), put there by one dialog and read back by the same or another one.
// Called from the user-interface thread only; no call throws.
#pragma once

#include <string>
#include <vector>

class Clipboard {
 public:
  virtual ~Clipboard() = default;

  // Empties the clipboard and puts `data` on it under `format`; false, with the clipboard as it
  // was, when it cannot be filled.
  virtual bool SetData(std::string const& format, std::vector<unsigned char> const& data) = 0;
  // The bytes held under `format`; false, with `data` untouched, when the clipboard holds none.
  virtual bool GetData(std::string const& format, std::vector<unsigned char>& data) const = 0;
};

// The process's clipboard: an in-process one until a host or a test installs another.
Clipboard& GetClipboard();
// Installs `clipboard` (not owned) in place of the default; null restores the default.
void SetClipboard(Clipboard* clipboard);
