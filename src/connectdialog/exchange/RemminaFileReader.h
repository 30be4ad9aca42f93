// Reads the remote-desktop client's connection files (*.remmina, section "[remmina]"): "name",
// "group" (its '/' parts become folders), "server" as host[:port] or [v6-address][:port],
// "username", and "ssh_privatekey". The SSH and SFTP protocols become SSH2 sessions with SFTP
// for file transfer; other protocols are reported and skipped.
#pragma once

#include <string>

#include "exchange/ImportBatch.h"

class RemminaFileReader {
 public:
  // `path`: a folder of .remmina files, or one file.
  static ImportBatch Read(std::string const& path);

 private:
  static void ReadOne(std::string const& file, ImportBatch& batch);
};
