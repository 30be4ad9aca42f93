// Starts the library as a terminal host, stores one session and lists the top folder.
#include <cstdio>

#include "database/HostStartup.h"
#include "database/SessionDatabase.h"
#include "library/ProductInfo.h"
#include "session/SessionConfig.h"

int main() {
  HostStartup::Host host;
  host.productId = kProductHaloKorvo;
  host.haloKorvoOrKorvoInstalled = true;
  if (!HostStartup::Start(host)) return 1;
  ISessionConfig* made = CreateSessionConfig("outside", nullptr);
  bool const stored = made && SessionDatabase(0).InsertSession("", "outside", made, "", true);
  if (made) made->Release();
  if (!stored) return 2;
  CStringList sessions;
  SessionDatabase(0).GetSessionList("", sessions);
  for (POSITION at = sessions.GetHeadPosition(); at;) std::printf("%s\n", sessions.GetNext(at).c_str());
  return 0;
}
