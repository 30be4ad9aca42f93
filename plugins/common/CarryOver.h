// The settings that move from one protocol's record to the next when a session side switches
// protocol: the host name, the user name and, within the SSH family, the port (a Telnet or FTP
// port means nothing to another protocol). The map holds pointers into the CarryOver of the
// record switched away from, which lives on in the side; every record replaces all entries, so
// nobody reads what an earlier record left.
#pragma once

#include "VString.h"
#include "platform/types/CMapStringToPtr.h"

class CarryOver {
 public:
  static constexpr char kHostname[] = "Hostname";  // VString*
  static constexpr char kUsername[] = "Username";  // VString*
  static constexpr char kSshPort[] = "SSH Port";   // int*

  // Removes every entry: for records that have nothing to hand on.
  static void Clear(CMapStringToPtr& map);
  // Clears the map, then offers these values: texts that are not empty, the port only under a
  // non-null key. An empty host name is nothing to hand on.
  void Offer(CMapStringToPtr& map, VString const& host, VString const& user, char const* portKey, int port);

  static bool Take(CMapStringToPtr const& map, char const* key, VString& value);
  static bool Take(CMapStringToPtr const& map, char const* key, int& value);

 private:
  VString m_host;
  VString m_user;
  int m_port = 0;
};
