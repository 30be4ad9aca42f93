// Where the library's message reports go in cdhost: each is shown in a message box and written
// as one line to the standard error stream, so a report is seen with or without a window.
#pragma once

#include "VReportMessageRouter.h"

class HostMessageRouter : public VReportMessageRouter {
 public:
  void Report(IReportMessageParams* report) override;

  // The router getter the host hands to the library.
  static VReportMessageRouter* Get();
};
