#include "dialogs/PrinterDialogs.h"

#include "VOptionList.h"
#include "VPageControls.h"
#include "VPageDialog.h"
#include "VPropertyTreePage.h"

namespace {

using VPageControls::Check, VPageControls::List;

bool Run(char const* title, std::vector<VPageControl> controls, VOptionList const* options) {
  if (!options) return false;
  VPropertyTreePage page(0, title, std::move(controls));
  page.BindOptions(options);
  return VPageDialog(title, page).DoModal() == IDOK;
}

// Raw mode prints through the printer driver, never a port: the port is off while it is on.
VPageControl UnlessRaw(VPageControl control) {
  control.disabledBy = PrinterDialogs::kRawMode;
  return control;
}

}  // namespace

VPageControl PrinterDialogs::PortList(int id, int enabledBy) {
  VPageControl list = List(id, "", "Printer Port",
                           {{"(none)", ""},
                            {"/dev/ttyS0", "/dev/ttyS0"},
                            {"/dev/ttyS1", "/dev/ttyS1"},
                            {"/dev/ttyS2", "/dev/ttyS2"},
                            {"/dev/ttyS3", "/dev/ttyS3"},
                            {"/dev/ttyUSB0", "/dev/ttyUSB0"},
                            {"/dev/ttyUSB1", "/dev/ttyUSB1"},
                            {"/dev/lp0", "/dev/lp0"},
                            {"/dev/usb/lp0", "/dev/usb/lp0"}});
  list.enabledBy = enabledBy;
  return list;
}

std::vector<VPageControl> PrinterDialogs::PassThroughControls() {
  VPageControl settings = VPageControls::Bound(kPortSettings, VControlKind::Button, "&Settings...", "");
  settings.enabledBy = kUsePort;
  settings.onClick = [](VPropertyTreePage& page) { EditPort(page.Options()); };
  return {Check(kDisable, "&Disable pass-through printing", "Disable Pass Through Printing"),
          Check(kBuffer, "&Buffer pass-through printing", "Buffer Pass Through Printing"),
          Check(kRawMode, "Use &raw mode", "Use Raw Mode"),
          UnlessRaw(Check(kUsePort, "Direct &pass-through printing to port:", "Use Printer Port")),
          PortList(kPort, kUsePort),
          settings};
}

std::vector<VPageControl> PrinterDialogs::PortControls() {
  using Choices = VPageControls::Choices;
  Choices const flow{{"Disable", "0"}, {"Enable", "1"}, {"Handshake", "2"}};
  Choices rts = flow;
  rts.emplace_back("Toggle", "3");
  return {List(kBaudRate, "&Baud rate:", "Printer Baud Rate",
               {{"110", "110"}, {"300", "300"}, {"600", "600"}, {"1200", "1200"}, {"2400", "2400"},
                {"4800", "4800"}, {"9600", "9600"}, {"14400", "14400"}, {"19200", "19200"}, {"38400", "38400"},
                {"57600", "57600"}, {"115200", "115200"}}),
          List(kDataBits, "&Data bits:", "Printer Data Bits", {{"5", "5"}, {"6", "6"}, {"7", "7"}, {"8", "8"}}),
          List(kParity, "&Parity:", "Printer Parity",
               {{"None", "0"}, {"Odd", "1"}, {"Even", "2"}, {"Mark", "3"}, {"Space", "4"}}),
          List(kStopBits, "&Stop bits:", "Printer Stop Bits", {{"1", "0"}, {"1.5", "1"}, {"2", "2"}}),
          Check(kDsrFlow, "DS&R flow", "Printer DSR Flow"),
          List(kDtrFlowControl, "D&TR flow control:", "Printer DTR Flow Control", flow),
          Check(kCtsFlow, "&CTS flow", "Printer CTS Flow"),
          List(kRtsFlowControl, "R&TS flow control:", "Printer RTS Flow Control", rts),
          Check(kXonFlow, "&XON/XOFF flow", "Printer XON Flow")};
}

bool PrinterDialogs::EditPassThrough(VOptionList const* options) {
  if (!options) return false;
  // The port settings inside write when they are confirmed: cancelling this dialog takes them back.
  std::vector<std::pair<VOption const*, VString>> port;
  for (VPageControl const& control : PortControls())
    if (VOption const* option = options->Find(control.option)) port.emplace_back(option, option->Text());
  if (Run("Pass-Through Printing", PassThroughControls(), options)) return true;
  VString ignored;
  for (auto const& [option, text] : port)
    if (option->Text() != text) option->FromText(text, ignored);
  return false;
}

bool PrinterDialogs::EditPort(VOptionList const* options) { return Run("Printer Port Settings", PortControls(), options); }

std::vector<VPageControl> PrinterDialogs::SetupControls() {
  return {VPageControls::Edit(kPrinterName, "&Printer:", "Printer Name"),
          List(kOrientation, "&Orientation:", "Page Orientation", {{"Portrait", "1"}, {"Landscape", "2"}}),
          List(kPaperSize, "Paper si&ze:", "Paper Size",
               {{"Letter", "1"}, {"Legal", "5"}, {"Executive", "7"}, {"A3", "8"}, {"A4", "9"}, {"A5", "11"}}),
          List(kPaperSource, "Paper &source:", "Paper Source",
               {{"Automatically select", "7"}, {"Upper tray", "1"}, {"Lower tray", "2"}, {"Manual feed", "4"}})};
}

bool PrinterDialogs::EditSetup(VOptionList const* options) { return Run("Print Setup", SetupControls(), options); }
