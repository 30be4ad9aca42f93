// The Web Browser page's "Make ... Your Default Telnet Application" button: the running host
// becomes the user's handler of telnet: links (its own desktop entry, named after the
// application, "halokorvo-telnet.desktop", made the default in the user's mimeapps.list), and
// the user is told whether that worked.
#pragma once

class DefaultTelnetApplication {
 public:
  // True when the host is now the handler; either way a message says what happened.
  static bool Make();
};
