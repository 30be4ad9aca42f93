#include "dialogs/SessionPageControls.h"

#include <utility>

#include "VPageControls.h"
#include "dialogs/PrinterDialogs.h"
#include "dialogs/SessionMappedKeysPage.h"
#include "dialogs/SessionPrintingPage.h"

namespace {

using Kind = VControlKind;
using Choices = VPageControls::Choices;
using VPageControls::Action, VPageControls::Bound, VPageControls::Check, VPageControls::Edit, VPageControls::Number,
    VPageControls::List, VPageControls::WithEnabledBy;

// Raw mode prints through the printer driver, never a port: the port is off while it is on.
VPageControl UnlessRaw(VPageControl control) {
  control.disabledBy = 1634;
  return control;
}

Choices const kThreeStates{{"Use global setting", "2"}, {"Off", "0"}, {"On", "1"}};

}  // namespace

std::vector<VPageControl> SessionPageControls::LogonScripts() {
  return {Check(1501, "&Automate logon", "Use Login Script"),
          Edit(1502, "&Logon script:", "Login Script", 1501),
          Check(1503, "Run &script file", "Use Script File"),
          Edit(1504, "Script &file:", "Script Filename", 1503)};
}

std::vector<VPageControl> SessionPageControls::Terminal() {
  return {List(1511, "&Auto reconnect:", "Auto Reconnect", kThreeStates),
          List(1512, "&Minimize to tray:", "Minimize To Tray", kThreeStates),
          Check(1513, "Send a string when &idle", "Idle Check"),
          Number(1514, "Idle &timeout (seconds):", "Idle Timeout", 10, 9999999, 1513),
          Edit(1515, "Idle &string:", "Idle String", 1513),
          Check(1516, "Send protocol &NO-OP when idle", "Idle NO-OP Check"),
          Number(1517, "NO-OP ti&meout (seconds):", "Idle NO-OP Timeout", 10, 9999999, 1516),
          Check(1518, "Use &word delimiter characters", "Use Word Delimiter Chars"),
          Edit(1519, "&Delimiters:", "Word Delimiter Chars", 1518),
          Check(1520, "Audi&o bell", "Audio Bell"),
          Check(1521, "&Visual bell", "Visual Bell"),
          Check(1522, "&Jump scroll", "Jump Scroll"),
          Check(1523, "Scroll to &clear", "Scroll To Clear"),
          Check(1524, "C&lose on disconnect", "Close On Disconnect"),
          Check(1525, "Clea&r on disconnect", "Clear On Disconnect"),
          Check(1526, "Scroll to bottom on &output", "Scroll To Bottom On Output"),
          Check(1527, "Scroll to bottom on &keypress", "Scroll To Bottom On Keypress")};
}

std::vector<VPageControl> SessionPageControls::Emulation() {
  return {Check(1531, "Use &alternate keyboard", "Use Alternate Keyboard")};
}

std::vector<VPageControl> SessionPageControls::Modes() {
  return {Check(1541, "Enable &80/132 column switching", "Enable 80/132 Column Switching"),
          Check(1542, "Enable &cursor key mode switching", "Enable Cursor Key Mode Switching"),
          Check(1543, "Enable &keypad mode switching", "Enable Keypad Mode Switching"),
          Check(1544, "Enable line &wrap mode switching", "Enable Line Wrap Mode Switching"),
          List(1545, "C&ursor keys:", "Cursor Key Mode", {{"Normal", "0"}, {"Application", "1"}}),
          Check(1546, "&Line wrap", "Line Wrap"),
          Check(1547, "&New line mode", "Newline Mode"),
          List(1548, "Ke&ypad:", "Keypad Mode", {{"Numeric", "0"}, {"Application", "1"}})};
}

std::vector<VPageControl> SessionPageControls::Emacs() {
  return {Check(1551, "Use &ALT as meta key", "Emacs Mode"),
          Check(1552, "&Send 8-bit meta characters", "Emacs Mode 8 Bit", 1551),
          Check(1553, "&Preserve Alt-Gr", "Preserve Alt-Gr")};
}

std::vector<VPageControl> SessionPageControls::MappedKeys() {
  using Page = SessionMappedKeysPage;
  // The combination check boxes edit no option: they choose which labels the keyboard shows.
  auto combination = [](int id, char const* label) {
    VPageControl control = Check(id, label, "");
    control.value = "false";
    return control;
  };
  return {Check(Page::kMapBackspace, "&Backspace sends delete", "Map Backspace"),
          Check(Page::kMapDelete, "&Delete sends backspace", "Map Delete"),
          Check(Page::kCuaCopyPaste, "Use &Windows copy and paste hot keys", "CUA Copy Paste"),
          combination(Page::kCtrl, "C&trl"),
          combination(Page::kShift, "S&hift"),
          combination(Page::kAlt, "&Alt"),
          Bound(Page::kMapKey, Kind::Button, "Map a &Key...", ""),
          Bound(Page::kKeyboard, Kind::Keyboard, "Keyboard", "")};
}

std::vector<VPageControl> SessionPageControls::EmulationAdvanced() {
  return {Check(1571, "&Local echo", "Local Echo"),
          Check(1572, "&Strip 8th bit", "Strip 8th Bit"),
          Check(1573, "Use &terminal type", "Use Terminal Type"),
          Edit(1574, "Te&rminal type:", "Terminal Type", 1573),
          Check(1575, "Use &answerback", "Use Answerback"),
          Edit(1576, "Ans&werback:", "Answerback", 1575),
          Check(1577, "&Display tabs", "Display Tab"),
          Edit(1578, "Ta&b string:", "Display Tab String", 1577)};
}

std::vector<VPageControl> SessionPageControls::Appearance() {
  return {Edit(1581, "Color &scheme:", "Color Scheme"),
          Check(1582, "Use &narrow font", "Use Narrow Font"),
          Edit(1583, "&Character encoding:", "Output Transformer Name"),
          Check(1584, "Use &Unicode line drawing", "Use Unicode Line Drawing"),
          List(1585, "C&ursor:", "Cursor Style", {{"Block", "0"}, {"Underline", "1"}, {"Vertical bar", "2"}}),
          Check(1586, "&Blinking cursor", "Blinking Cursor"),
          Check(1587, "Use c&olor cursor", "Use Cursor Color"),
          VPageControls::Color(1588, "Cursor co&lor:", "Cursor Color", VColorText::Form::Number, 1587)};
}

std::vector<VPageControl> SessionPageControls::Window() {
  return {Check(1591, "Use &title bar text", "Use Title Bar"),
          Edit(1592, "&Title bar:", "Title Bar", 1591),
          Check(1593, "&Always on top", "AlwaysOnTop"),
          List(1594, "Disable &resize:", "Disable Resize", kThreeStates),
          Check(1595, "Use &position", "Use Position"),
          Number(1596, "&X position:", "X Position", -32768, 32767, 1595),
          List(1597, "X relati&ve to:", "X Position Relative Left", {{"Left", "1"}, {"Right", "0"}}),
          Number(1598, "&Y position:", "Y Position", -32768, 32767, 1595),
          List(1599, "Y relat&ive to:", "Y Position Relative Top", {{"Top", "1"}, {"Bottom", "0"}}),
          List(1600, "Show &chat window:", "Show Chat Window", kThreeStates),
          List(1601, "&Horizontal scroll bar:", "Horizontal Scrollbar", kThreeStates),
          List(1602, "V&ertical scroll bar:", "Vertical Scrollbar", kThreeStates)};
}

std::vector<VPageControl> SessionPageControls::LogFile() {
  return {Edit(1611, "&Log file name:", "Log Filename"),
          Check(1612, "&Prompt for file name", "Log Prompt"),
          List(1613, "When the file &exists:", "Log Mode", {{"Overwrite", "0"}, {"Append", "1"}}),
          Check(1614, "&Start log upon connect", "Start Log Upon Connect"),
          Check(1615, "&Raw log", "Raw Log")};
}

std::vector<VPageControl> SessionPageControls::Printing() {
  return {Check(SessionPrintingPage::kUseGlobal, "Use &global print settings", "Use Global Print Settings"),
          Edit(SessionPrintingPage::kLeft, "&Left:", ""),
          Edit(SessionPrintingPage::kTop, "&Top:", ""),
          Edit(SessionPrintingPage::kRight, "&Right:", ""),
          Edit(SessionPrintingPage::kBottom, "&Bottom:", ""),
          Bound(SessionPrintingPage::kFont, Kind::Label, "Font:", ""),
          Bound(SessionPrintingPage::kChooseFont, Kind::Button, "C&hoose...", ""),
          Action(SessionPrintingPage::kPassThrough, "Pass-&through printing...",
                 [](VPropertyTreePage& page) { PrinterDialogs::EditPassThrough(page.Options()); })};
}

std::vector<VPageControl> SessionPageControls::AdvancedPrinting() {
  return {Check(1631, "Use global &advanced print settings", "Use Global Advanced Print Settings"),
          Check(1632, "&Disable pass-through printing", "Disable Pass Through Printing"),
          Check(1633, "&Buffer pass-through printing", "Buffer Pass Through Printing"),
          Check(1634, "Use &raw mode", "Use Raw Mode"),
          UnlessRaw(Check(1635, "Direct &pass-through printing to port", "Use Printer Port")),
          PrinterDialogs::PortList(1636, 1635),
          WithEnabledBy(Action(1637, "&Settings...", [](VPropertyTreePage& page) { PrinterDialogs::EditPort(page.Options()); }),
                        1635)};
}

std::vector<VPageControl> SessionPageControls::XModemZModem() {
  return {Edit(1641, "&Upload directory:", "Upload Directory"),
          Edit(1642, "&Download directory:", "Download Directory"),
          List(1643, "Xmodem &send packet size:", "XModem Send Packet Size", {{"128 bytes", "0"}, {"1024 bytes", "1024"}}),
          Check(1644, "Disable &Zmodem", "Disable ZModem")};
}

std::vector<VPageControl> SessionPageControls::FileTransfer() {
  return {Edit(1651, "&Initial local directory:", "Initial Local Directory"),
          Edit(1652, "&Download directory:", "Default Download Directory"),
          Check(1653, "Disable directory tre&e detection", "Disable Directory Tree Detection"),
          Check(1654, "&Verify file status on retrieve", "Verify Retrieve File Status")};
}

std::vector<VPageControl> SessionPageControls::FtpSftp() {
  return {Edit(1661, "File creation &mask:", "File Creation Mask"),
          List(1662, "Remote &operating system:", "Operating System",
               {{"Detect automatically", "0"}, {"UNIX", "1"}, {"Windows", "2"}, {"VMS", "3"}}),
          List(1663, "File name &case:", "File System Case",
               {{"Detect automatically", "0"}, {"Case sensitive", "1"}, {"Case insensitive", "2"}})};
}
