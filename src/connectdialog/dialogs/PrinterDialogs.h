// The printing pages' secondary dialogs, over the options of the record the page edits (a
// session or the global options): the pass-through printing settings, and the serial line of
// the port pass-through printing goes to ("Printer Port", "Printer Baud Rate" ...), and the
// global page's Print Setup ("Printer Name", "Page Orientation", "Paper Size", "Paper Source"). Each
// writes into the record only when the user confirms.
#pragma once

#include <vector>

#include "VPageControl.h"

class VOptionList;

class PrinterDialogs {
 public:
  enum ControlId {
    kDisable = 1851,
    kBuffer,
    kRawMode,
    kUsePort,
    kPort,
    kPortSettings,
    kBaudRate = 1861,
    kDataBits,
    kParity,
    kStopBits,
    kDsrFlow,
    kDtrFlowControl,
    kCtsFlow,
    kRtsFlowControl,
    kXonFlow,
    kPrinterName = 1871,
    kOrientation,
    kPaperSize,
    kPaperSource,
  };

  // The port list: the serial and parallel devices a printer hangs on, and none.
  static VPageControl PortList(int id, int enabledBy);
  static std::vector<VPageControl> PassThroughControls();
  static std::vector<VPageControl> PortControls();
  // Print Setup: the printer, the orientation, the paper size and the paper source.
  static std::vector<VPageControl> SetupControls();

  // Runs the dialog on `options`; true when the user confirmed (the options then hold the
  // values shown). A null list runs nothing. A cancelled pass-through dialog also takes back
  // what the port settings opened from it changed.
  static bool EditPassThrough(VOptionList const* options);
  static bool EditPort(VOptionList const* options);
  static bool EditSetup(VOptionList const* options);
};
