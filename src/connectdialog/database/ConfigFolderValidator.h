// The checks a new configuration folder passes before a host takes it (Global Options,
// General page): an absolute path to a folder the user may write (an empty path means the
// default folder); then the terminal and file-transfer clients may only share a folder when they are
// integrated, and Korvo never shares one with HaloFyx. Folders compare without regard to
// case. Questions and errors are shown through the user-interface service.
#pragma once

#include "VString.h"

class ConfigFolderValidator {
 public:
  enum class Verdict {
    Accepted,
    Rejected,
    RejectedRefocus,  // the user declined to integrate: the focus goes back to the folder field
  };

  // Checks `newPath` for the running product (GetCurrentAppProductID). Accepting the
  // integration question records "Integrated" as 1.
  static Verdict Check(VString const& newPath);

 private:
  static Verdict CheckIntegration(VString const& newPath, int otherProduct);
  static bool SharesFolder(VString const& newPath, int otherProduct);
  // Shows message `code`, with `folder` as its insert when given.
  static Verdict ShowError(unsigned long code, VString const& folder = VString());
};
