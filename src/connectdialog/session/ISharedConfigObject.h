// An object that the protocol records of one session share through its common settings
// (ICommonConfig): reference-counted, and able to copy itself when the session is cloned.
#pragma once

#include "platform/types/WinTypes.h"

class ISharedConfigObject : public IUnknown {
 public:
  // A new copy holding one reference for the caller.
  virtual ISharedConfigObject* Clone() const = 0;

 protected:
  ~ISharedConfigObject() = default;
};
