#include "database/OptionsUrlSession.h"

#include "database/DefaultAnonymousPassword.h"
#include "session/UrlSession.h"

ISessionConfig* CreateSessionConfig(char const* text, int& transferType, VReportMessageParams& report) {
  return CreateSessionConfig(text, GetDefaultAnonymousPassword(), transferType, report);
}
