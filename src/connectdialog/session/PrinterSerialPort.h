// The serial port a session prints to when pass-through printing goes to a port: the port name
// and its line settings, stored in the session's own key under names that begin with "Printer "
// ("Printer Port", "Printer Baud Rate" ...), so they never meet the Serial protocol's values.
#pragma once

#include "VProfile.h"
#include "VProfile2.h"
#include "VProfileRecord.h"
#include "VProfileTable.h"

class PrinterSerialPort : public VProfileRecord {
 public:
  explicit PrinterSerialPort(VProfileKey* key) { Load(key); }
  PrinterSerialPort(PrinterSerialPort const&) = default;
  PrinterSerialPort& operator=(PrinterSerialPort const&) = default;

  VProfileOptionTable const& ProfileTable() const override { return _profileOffsets; }

  VProfile2<VString, VProfileSz> port;
  VProfile<int> baudRate, parity, stopBits, dataBits;
  VProfile<bool> dsrFlow;
  VProfile<int> dtrFlowControl;
  VProfile<bool> ctsFlow;
  VProfile<int> rtsFlowControl;
  VProfile<bool> xonFlow;

 private:
  static VProfileTable<PrinterSerialPort> const _profileOffsets;
};
