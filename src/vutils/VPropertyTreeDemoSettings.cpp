#include "VPropertyTreeDemoSettings.h"

VProfileTable<VPropertyTreeDemoSettings> const VPropertyTreeDemoSettings::_profileOffsets{
    {"Session Name", &VPropertyTreeDemoSettings::sessionName, "Lab router"},
    {"Audible Bell", &VPropertyTreeDemoSettings::audibleBell, true},
    {"Cursor Style", &VPropertyTreeDemoSettings::cursorStyle, "Block"},
    {"Bold Colors", &VPropertyTreeDemoSettings::boldColors, false},
    {"Maximum Columns", &VPropertyTreeDemoSettings::maximumColumns, 132},
    {"Scrollback Lines", &VPropertyTreeDemoSettings::scrollbackLines, 500},
    {"Log Session", &VPropertyTreeDemoSettings::logSession, false},
    {"Log File", &VPropertyTreeDemoSettings::logFile, ""},
};
