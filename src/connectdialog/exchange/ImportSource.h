// The other tools' files an import reads, by format: an OpenSSH client configuration, the
// terminal client's folder of session files, or .remmina files. One entry for the tool and the
// Connect dialog alike.
#pragma once

#include <optional>
#include <string>

#include "exchange/ImportBatch.h"

class ImportSource {
 public:
  enum class Format { SshConfig, Putty, Remmina };

  // "ssh-config", "putty" or "remmina"; nothing for any other name.
  static std::optional<Format> Parse(std::string const& name);
  // What a chosen file is: a .remmina file, a file of the terminal client's sessions folder
  // (which stands for the whole folder), else an OpenSSH configuration.
  static Format Detect(std::string const& path);
  // Where the format's files lie by default below `home` ($XDG_DATA_HOME for .remmina files
  // when `dataHome` is set).
  static std::string DefaultPath(Format format, std::string const& home, std::string const& dataHome);
  // Reads `path` in `format`; `home` stands for "~" in OpenSSH includes.
  static ImportBatch Read(Format format, std::string const& path, std::string const& home);
};
