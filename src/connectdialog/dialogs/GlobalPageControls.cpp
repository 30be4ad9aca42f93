#include "dialogs/GlobalPageControls.h"

#include <string>
#include <utility>

#include "VPageControls.h"
#include "VPropertyTreePage.h"
#include "dialogs/DefaultTelnetApplication.h"
#include "dialogs/PrinterDialogs.h"
#include "dialogs/ShowConnectDialog.h"
#include "dialogs/SoundFilePlayback.h"
#include "library/ProductInfo.h"

namespace {

using Kind = VControlKind;
using VPageControls::Action, VPageControls::Bound, VPageControls::Check, VPageControls::Edit, VPageControls::File,
    VPageControls::List, VPageControls::Number;

// The name the running host keeps a per-host option under.
std::string PerHost(std::string name) {
  return GetCurrentAppProductID() == kProductHaloFyx ? name + " HFYX" : name;
}

// A button that plays the sound file named in the edit box `target`.
VPageControl Play(int id, int target) {
  return Action(id, "Play", [target](VPropertyTreePage& page) { SoundFilePlayback::Play(page.Control(target)->value); });
}

}  // namespace

std::vector<VPageControl> GlobalPageControls::General() {
  return {Check(1099, "Show c&onnection closed dialog", "Show Connection Closed Dialog"),
          Check(1258, "Show co&nfirm disconnect dialog", "Show Confirm Disconnect Dialog"),
          Check(kShowConnectDialog, "Sho&w connect dialog on startup", "Show Connect Dialog"),
          Check(3032, "New session uses &wizard", "New Session Uses Wizard"),
          Check(1011, "&Use flat toolbar style", PerHost("Use Flat Toolbar")),
          Check(1393, "Show &toolbar", PerHost("Show Toolbar")),
          Check(1394, "Show &menu bar", PerHost("Show Menu Bar")),
          Check(1395, "Show &status bar", PerHost("Show Status Bar")),
          Check(3004, "So&rt Connect dialog entries alphabetically", "Sort Alphabetical"),
          Check(kMinimizeToTray, "Minimize to &Traymind in the system tray", "Minimize To Tray"),
          Number(kMruCount, "R&ecently used session list:", "MRU Count", 0, 9),
          VPageControls::Folder(kConfigFolder, "Configuration &folder", "", 1425, "Configuration folder")};
}

std::vector<VPageControl> GlobalPageControls::DefaultSession() {
  return {Check(1390, "&Use auto session", PerHost("Use Auto Session")),
          Edit(1389, "&Session name:", PerHost("Auto Session Name")),
          Action(1391, "...",
                 [](VPropertyTreePage& page) {
                   CString path(page.Control(1389)->value);
                   std::string ignored;
                   if (ShowConnectDialogBrowseMode("Select Session", path) == IDOK) page.SetControl(1389, path.Str(), ignored);
                 }),
          Bound(kEditDefaultSession, VControlKind::Button, "Edit &Default Settings...", "")};
}

std::vector<VPageControl> GlobalPageControls::Terminal() {
  return {Number(1351, "&Maximum serial COM ports:", "Max Com Ports", 4, 50),
          Number(1354, "&Line send delay:", "Line Send Delay", 0, 3000),
          Number(1356, "Character send &delay:", "Character Send Delay", 0, 300),
          Check(1265, "Enable execute escape se&quence", "Execute Escape Sequence"),
          Check(1101, "Disable resi&ze", "Disable Resize"),
          Check(1257, "&Save window state for each session", "Save Session Window State"),
          Check(1010, "&Auto reconnect", "Auto Reconnect"),
          Check(1100, "Copy on s&elect", "Copy On Select"),
          Check(1103, "&Paste on middle button", "Paste On Middle Button"),
          Check(1176, "&Hide mouse pointer on keypress", "Hide Mouse Pointer On Keypress"),
          File(1428, "C&ustom menu and toolbar file", "Menu Toolbar File", 1429, "Custom menu and toolbar file")};
}

std::vector<VPageControl> GlobalPageControls::Appearance() {
  return {Check(11414, "&Show session tabs", "Show Session Tabs"),
          Check(11338, "Show chat &window", "Chat Window"),
          Check(1396, "Show &horizontal scroll bar", "Horizontal Scrollbar"),
          Check(1340, "Show &vertical scroll bar", "Vertical Scrollbar"),
          Check(11392, "Show cursor &position in status bar", "Show Cursor Position Indicator"),
          Check(11407, "Show window si&ze in status bar", "Show Window Size Indicator"),
          Check(11339, "Us&e ClearType to smooth edges of screen fonts", "Enable Font Smoothing"),
          Number(11405, "Wi&ndow left margin:", "View Left Margin", 0, 20),
          Number(11353, "Ma&ximum columns:", "Max Columns", 132, 1024),
          Check(11408, "Use trac&kable insertion caret", "Use System Caret")};
}

std::vector<VPageControl> GlobalPageControls::Tabs() {
  return {Check(11445, "&Show status indicators", "Show Status Indicators"),
          Number(1222, "Width of status &indicators:", "Status Indicator Width", 1, 10),
          Number(1223, "Minimum &tab width:", "Min Tab Width", 20, 300),
          List(11449, "&Double-click action:", "Double Click Action",
               {{"Do nothing", "0"}, {"Close the tab", "1"}, {"Clone the session", "2"}}),
          Check(11450, "Confirm &when closing multiple tabs", "Confirm Close Multiple Tabs")};
}

std::vector<VPageControl> GlobalPageControls::AdvancedPrinting() {
  return {Check(1251, "&Disable pass-through printing", "Disable Pass Through Printing"),
          Check(1252, "&Buffer pass-through printing", "Buffer Pass Through Printing"),
          Check(1255, "Use &raw mode", "Use Raw Mode"),
          Check(1159, "Direct &pass-through printing to port:", "Use Printer Port"),
          PrinterDialogs::PortList(1160, 1159),
          VPageControls::WithEnabledBy(
              Action(1441, "&Settings...", [](VPropertyTreePage& page) { PrinterDialogs::EditPort(page.Options()); }),
              1159)};
}

std::vector<VPageControl> GlobalPageControls::WebBrowser() {
  return {Check(1010, "&Use registry setting for web browser", "HTTP Use Registry Entry"),
          File(1371, "Web &browser:", "HTTP Browser Application", 1372, "Web browser"),
          Check(1374, "U&se Dynamic Data Exchange (DDE)", "HTTP Use DDE"),
          Action(kMakeDefaultTelnet, "&Make Korvo Your Default Telnet Application",
                 [](VPropertyTreePage&) { DefaultTelnetApplication::Make(); })};
}

std::vector<VPageControl> GlobalPageControls::FileTransfer() {
  return {List(3010, "Default transfer &type:", "Transfer Type", {{"Automatic", "0"}, {"ASCII", "1"}, {"Binary", "2"}}),
          List(3011, "Action for &existing files:", "Overwrite Action",
               {{"Ask", "0"}, {"Overwrite", "1"}, {"Resume", "2"}, {"Skip", "3"}}),
          Check(3014, "Prompt to re&sume interrupted transfers", "Prompt to Resume on Connect"),
          Check(3015, "Close &window on disconnect", "Close on Disconnect"),
          Check(3018, "&Restore last session directory", "Restore Session Directory"),
          Number(3016, "&Maximum number of attempts:", "Retry Attempts", 0, 32000),
          Number(3017, "&Delay between attempts (seconds):", "Retry Delay", 0, 32400),
          List(3019, "When the editor e&xits:", "Remote Edit Upload Action",
               {{"Ask before uploading", "0"}, {"Upload the file", "1"}, {"Do not upload", "2"}}),
          Check(3020, "&Upload when the file is saved in the editor", "Remote Edit Upload On Modify")};
}

std::vector<VPageControl> GlobalPageControls::TransferAdvanced() {
  return {Check(3034, "&Move deleted local files to the Recycle Bin", "Move Files To Recycle Bin"),
          Check(3036, "&Keep connections alive", "Keep Alive"),
          Check(3035, "&Enable log output to file", "Enable Log File"),
          File(3031, "Log &filename:", "Log File", 3030, "Log file"),
          Edit(1283, "File &permissions:", "File Permissions"),
          Edit(1286, "&Directory permissions:", "Directory Permissions")};
}

std::vector<VPageControl> GlobalPageControls::View() {
  return {Check(1056, "Show file &attributes in details view", "Display Attributes Column"),
          Check(1245, "Display the folder tre&e", "Display Folder Tree"),
          Check(1057, "Display &filenames using Explorer attributes", "Display Explorer Filenames"),
          Check(1058, "Do not show &hidden or system files", "Hide Hidden Files"),
          Check(1060, "Do not show &dot files", "Hide Dot Files"),
          Check(1061, "Display file times in local time &zone", "Display Local Time for Remote Files"),
          Check(1246, "Display the log &view", "Display Log"),
          Check(1287, "Save session &window position", "Save Session Window Attributes"),
          Number(1097, "Log window &buffer size:", "Log Buffer Size", 50, 32500),
          List(1210, "Number &style:", "Transfer View Number Style",
               {{"Bytes", "0"}, {"Kilobytes", "1"}, {"Automatic", "2"}}),
          Check(1055, "Display the full &path in title bar", "Display Path in Title Bar")};
}

std::vector<VPageControl> GlobalPageControls::Sound() {
  return {File(1305, "&Connect:", "Connect Sound File", 1306, "Connect sound"), Play(1307, 1305),
          File(1308, "Unexpected &disconnect:", "Disconnect Sound File", 1309, "Disconnect sound"), Play(1310, 1308),
          File(1311, "&Transfer complete:", "Transfer Complete Sound File", 1312, "Transfer complete sound"),
          Play(1313, 1311),
          File(1314, "&Error:", "Error Sound File", 1315, "Error sound"), Play(1316, 1314)};
}
