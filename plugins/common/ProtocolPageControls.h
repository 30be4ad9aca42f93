// The controls of the protocol plug-ins' session pages as data: each edits one option of the
// protocol's record (or the session's shared "Hostname" and "Username") by its stored name,
// with the ranges and choices the record accepts.
#pragma once

#include <vector>

#include "VPageControl.h"

class ProtocolPageControls {
 public:
  static std::vector<VPageControl> SSH2();
  static std::vector<VPageControl> SSH1();
  static std::vector<VPageControl> Telnet();
  static std::vector<VPageControl> RLogin();
  static std::vector<VPageControl> Serial();
  static std::vector<VPageControl> TAPI();
  static std::vector<VPageControl> SFTP();
  static std::vector<VPageControl> FTP();
};
