// The current user's protection key: 32 random bytes in a file that only its owner may read
// or write, made once (atomically, never half-written) and never rewritten.
#pragma once

#include <string>

#include "platform/protect/SecretBytes.h"

class KeyFile {
 public:
  static constexpr size_t kKeySize = 32;

  // The key file lives in `folder`, which is made with mode 0700 when missing.
  explicit KeyFile(std::string folder);

  // This user's key folder: "protect" below $BRIMVALE_ROOT/user, $XDG_CONFIG_HOME/Brimvale or
  // ~/.config/Brimvale.
  static std::string DefaultFolder();

  std::string const& Path() const { return m_path; }

  // Reads the key into `key`. With `create` a missing key file is made first. Refuses a folder
  // or key file that another user owns or that others may change (or, for the key, read).
  // False with a one-line reason in `error`.
  bool Read(SecretBytes& key, bool create, std::string& error) const;

 private:
  bool CheckFolder(bool create, std::string& error) const;
  bool Create(std::string& error) const;
  bool ReadOpen(int fd, SecretBytes& key, std::string& error) const;

  std::string m_folder;
  std::string m_path;
};
