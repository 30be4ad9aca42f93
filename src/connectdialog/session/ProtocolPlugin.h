// The contract of a protocol plug-in: a shared module in the host's "Connection Protocols"
// folder that exports two C functions by these names.
//
//   extern "C" GUID const* GetProtocolGuid();
//     The plug-in's interface GUID (kProtocolPluginGuid for this version); null means failure.
//     A plug-in answering any other GUID is not registered.
//
//   extern "C" void LoadProtocol(HostCallbacks const* callbacks,
//                                ConnectProtocolTableElement* element,
//                                IHostnameResolver* resolver);
//     Fills `element` (see ConnectProtocolTableElement.h): at least recordFactory, which makes
//     the protocol's ConnectConfig-derived record from a session key. One plug-in file may
//     serve several protocols (SSH2 and SSH1): it is loaded once per protocol and can tell
//     them apart by element->protocolName, which the library sets before the call.
//
// Records are made and destroyed through the plug-in's factory and their virtual Release, so
// plug-in and library never free each other's memory by any other path.
#pragma once

#include "session/ConnectProtocolTableElement.h"
#include "session/HostCallbacks.h"

using GetProtocolGuidEntry = GUID const* (*)();
using LoadProtocolEntry = void (*)(HostCallbacks const* callbacks, ConnectProtocolTableElement* element,
                                   IHostnameResolver* resolver);

inline constexpr char const kGetProtocolGuidName[] = "GetProtocolGuid";
inline constexpr char const kLoadProtocolName[] = "LoadProtocol";

// The interface GUID every plug-in of this version answers.
inline constexpr GUID kProtocolPluginGuid = {
    0x7B1CCC31, 0x4E5B, 0x43FB, {0xA7, 0x66, 0xA8, 0xC9, 0x0B, 0x0C, 0x4E, 0xD2}};
