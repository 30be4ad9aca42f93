// The library's dialog window class, "Brimvale Software Connect Dialog". On this platform it is
// a record of the host's icon that the library's dialogs read to show it. As with the platform's
// class registry, the first registration decides the icon; registering again counts as
// registered and changes nothing.
#pragma once

#include "platform/types/WinTypes.h"

class DialogWindowClass {
 public:
  static constexpr char const kName[] = "Brimvale Software Connect Dialog";

  static void Register(HICON icon);
  // False until the host's initialisation registered the class.
  static bool IsRegistered();
  // The host's icon; null before registration or when the host gave none.
  static HICON Icon();
};
