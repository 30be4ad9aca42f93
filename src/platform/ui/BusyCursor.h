// Keeps the user interface's busy cursor up for one scope, whichever way the scope is left.
#pragma once

#include "platform/ui/UserInterface.h"

class BusyCursor {
 public:
  BusyCursor() { GetUserInterface().SetBusyCursor(true); }
  ~BusyCursor() { GetUserInterface().SetBusyCursor(false); }
  BusyCursor(BusyCursor const&) = delete;
  BusyCursor& operator=(BusyCursor const&) = delete;
};
