// The emulations a session may name, with the numbers the terminal host knows them by, and the
// built-in keymap names. Built once per process by ConnectDialogDllInit (this file installs the
// builder when the library loads); empty before that. The telnet-only host ("Korvo") has no
// Gatehold emulation or keymap. Host's user-interface thread only.
#pragma once

#include <vector>

#include "VString.h"

class TerminalNameLists {
 public:
  struct Emulation {
    VString name;
    int number;
  };

  static constexpr int kGateholdPosition = 3;

  // Replaces both lists with those of the host named `applicationName`.
  static void Build(VString const& applicationName);

  static std::vector<Emulation> const& Emulations();
  static std::vector<VString> const& KeymapNames();
  // Whether the emulation list offers "Gatehold" at its place.
  static bool HasGatehold();

 private:
  static std::vector<Emulation> s_emulations;
  static std::vector<VString> s_keymapNames;
};
