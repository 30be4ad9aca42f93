// The settings of a serial-line connection, stored in the session's key as "Serial Port" (the
// device), "Serial Baud Rate", "Serial Data Bits", "Serial Parity" (0 none, 1 odd, 2 even,
// 3 mark, 4 space), "Serial Stop Bits" (0 one, 1 one and a half, 2 two) and
// "Serial Flow Control" (0 none, 1 XON/XOFF, 2 RTS/CTS, 3 DSR/DTR). Stored numbers outside
// these sets load as the defaults. The device stands in for the host name.
// Command line: /SERIAL [/BAUD rate] [/DATA bits] [/PARITY none|odd|even|mark|space]
//               [/STOP 1|1.5|2] [/FLOW none|xon-xoff|rts-cts|dsr-dtr] device
#pragma once

#include "ChoiceList.h"
#include "CommandLineGrammar.h"
#include "VProfile.h"
#include "VProfile2.h"
#include "VProfileTable.h"
#include "session/ConnectConfigRecord.h"

class SerialConfig : public ConnectConfigRecord, private CommandLineGrammar {
 public:
  static ConnectConfig* Create(VProfileKey* key, ICommonConfig* common);
  // The line speeds a serial line may be set to, as stored.
  static ChoiceList const& BaudRates();

  VProfileOptionTable const& ProfileTable() const override { return _profileOffsets; }
  ConnectConfig* Clone(ICommonConfig*) const override { return new SerialConfig(*this); }

  // A serial line has no host, user or network port to hand on.
  void SaveToMap(CMapStringToPtr& map) override;
  void ProcessCommandLine(CStringList& arguments, POSITION& position) override;
  CString CommandLine() override;
  int CanConnect() const override { return m_device.IsEmpty() ? 0 : 1; }
  CString GetHostname() override { return CString(m_device.Str()); }
  void SetHostname(char const* device) override { m_device = device; }

 private:
  struct Setting;
  static Setting const kSettings[];

  explicit SerialConfig(VProfileKey* key);
  SerialConfig(SerialConfig const&) = default;

  char const* ProtocolSwitch() const override { return "SERIAL"; }
  bool TakeOption(std::string const& name, CommandLineReader& reader) override;
  bool TakeWord(std::string const& word, int index) override;

  static VProfileTable<SerialConfig> const _profileOffsets;

  VProfile2<VString, VProfileSz> m_device;
  VProfile<int> m_baudRate;
  VProfile<int> m_dataBits;
  VProfile<int> m_parity;
  VProfile<int> m_stopBits;
  VProfile<int> m_flowControl;
};
