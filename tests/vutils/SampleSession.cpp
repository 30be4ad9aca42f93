#include "SampleSession.h"

VProfileTable<SampleSession> const SampleSession::_profileOffsets{
    {"Port", &SampleSession::port, 22},
    {"Colour", &SampleSession::colour, 0x00FF8000u},
    {"Use Title Bar", &SampleSession::useTitleBar, true},
    {"Title", &SampleSession::title, "Untitled"},
    {"Password", &SampleSession::password, ""},
    {"Window", &SampleSession::window, SampleRect{10, 20, 640, 480}},
    {"Login Script", &SampleSession::loginScript},
    {&SampleSession::terminal},
    {"Hosts", &SampleSession::hosts, VStringArray{"a", "b"}},
};

SampleSession::SampleSession(VProfileKey* key) {
  Load(key);
  version.SetName("Format Version");
  version.Load(key, 2);
}
