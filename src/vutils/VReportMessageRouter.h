// The host's receiver of routed message reports, and ReportMessage, which hands a copy of a
// report to it. Without a router getter, or when the getter answers null, reports are dropped.
#pragma once

class IReportMessageParams;

class VReportMessageRouter {
 public:
  virtual ~VReportMessageRouter() = default;
  // Receives a report; a router that keeps it takes its own reference.
  virtual void Report(IReportMessageParams* report) = 0;
};

using VReportMessageRouterGetter = VReportMessageRouter* (*)();

// The host's router getter (installed by the library's initialisation); null removes it.
void SetReportMessageRouterGetter(VReportMessageRouterGetter getter);
// The router the getter answers now; null without a getter.
VReportMessageRouter* GetReportMessageRouter();

// Hands a heap copy of `report`, with the given kind, to the host's router.
void ReportMessage(int kind, IReportMessageParams const& report);
