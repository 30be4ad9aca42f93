// Why a protocol plug-in could not be loaded; raised inside ConnectProtocolTableElement::Load
// and caught by LoadProtocolDll, never seen by a host.
#pragma once

#include <stdexcept>
#include <string>

class PluginLoadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
