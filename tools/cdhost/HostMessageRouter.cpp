#include "HostMessageRouter.h"

#include <cstdio>
#include <string>

#include "IReportMessageParams.h"
#include "platform/ui/UserInterface.h"

void HostMessageRouter::Report(IReportMessageParams* report) {
  if (!report) return;
  std::fprintf(stderr, "cdhost: %s\n", report->GetTextSingleLine());
  GetUserInterface().MessageBox(report->GetText(), "", MB_OK | MB_ICONEXCLAMATION);
}

VReportMessageRouter* HostMessageRouter::Get() {
  static HostMessageRouter router;
  return &router;
}
