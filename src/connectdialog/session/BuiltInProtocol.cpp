#include "session/BuiltInProtocol.h"

#include "session/ProtocolPlugin.h"

// SSH1 lives in the SSH2 plug-in; product 7 ships SSH2 alone.
BuiltInProtocol const builtInProtocols[kBuiltInProtocolCount + 1] = {
    {1, "Telnet", kProtocolPluginGuid, "Telnet.so"}, {1, "RLogin", kProtocolPluginGuid, "RLogin.so"},
    {1, "Serial", kProtocolPluginGuid, "Serial.so"}, {1, "TAPI", kProtocolPluginGuid, "TAPI.so"},
    {3, "SSH2", kProtocolPluginGuid, "SSH2.so"},     {3, "SSH1", kProtocolPluginGuid, "SSH2.so"},
    {3, "Telnet", kProtocolPluginGuid, "Telnet.so"}, {3, "RLogin", kProtocolPluginGuid, "RLogin.so"},
    {3, "Serial", kProtocolPluginGuid, "Serial.so"}, {3, "TAPI", kProtocolPluginGuid, "TAPI.so"},
    {6, "SFTP", kProtocolPluginGuid, "SFTP.so"},     {6, "FTP", kProtocolPluginGuid, "FTP.so"},
    {7, "SSH2", kProtocolPluginGuid, "SSH2.so"},     {0, nullptr, {}, nullptr},
};
