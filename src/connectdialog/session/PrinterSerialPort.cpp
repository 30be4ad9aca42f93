#include "session/PrinterSerialPort.h"

VProfileTable<PrinterSerialPort> const PrinterSerialPort::_profileOffsets{
    {"Printer Port", &PrinterSerialPort::port, ""},
    {"Printer Baud Rate", &PrinterSerialPort::baudRate, 38400},
    {"Printer Parity", &PrinterSerialPort::parity, 0},
    {"Printer Stop Bits", &PrinterSerialPort::stopBits, 0},
    {"Printer Data Bits", &PrinterSerialPort::dataBits, 8},
    {"Printer DSR Flow", &PrinterSerialPort::dsrFlow, false},
    {"Printer DTR Flow Control", &PrinterSerialPort::dtrFlowControl, 0},
    {"Printer CTS Flow", &PrinterSerialPort::ctsFlow, true},
    {"Printer RTS Flow Control", &PrinterSerialPort::rtsFlowControl, 0},
    {"Printer XON Flow", &PrinterSerialPort::xonFlow, false},
};
