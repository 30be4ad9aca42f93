// Tells the user that a protocol plug-in did not load, in the way that fits the running host:
// a warning when the plug-in is the host's own, the offer to download a compatible version
// when it belongs to the other of two integrated products, and nothing otherwise.
#pragma once

#include "session/BuiltInProtocol.h"
#include "session/ConnectProtocolTableElement.h"

class ProtocolLoadWarning {
 public:
  // `returned` is the GUID the plug-in answered, null when it answered none. `exitRequested`
  // becomes true when the user chose Download or Exit; `warn` becomes false when the user
  // chose to continue without further warnings.
  static void Report(ConnectProtocolTableElement const& element, BuiltInProtocol const& row, GUID const* returned,
                     VString const& appName, bool& exitRequested, bool& warn);

 private:
  static void ShowOwnPluginWarning(ConnectProtocolTableElement const& element, VString const& productName);
  static void OfferUpgrade(ConnectProtocolTableElement const& element, BuiltInProtocol const& row,
                           GUID const* returned, VString const& appName, bool& exitRequested, bool& warn);
  static std::string DownloadAddress(VString const& product, GUID const& guid);
};
