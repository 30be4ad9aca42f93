#include "SampleTerminal.h"

VProfileTable<SampleTerminal> const SampleTerminal::_profileOffsets{
    {"Rows", &SampleTerminal::rows, 24},
    {"Beep", &SampleTerminal::beep, false},
    {"Emulation", &SampleTerminal::emulation, "VT100"},
};
