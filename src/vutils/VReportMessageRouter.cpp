#include "VReportMessageRouter.h"

#include "VReportMessageParams.h"

namespace {
VReportMessageRouterGetter routerGetter = nullptr;
}

void SetReportMessageRouterGetter(VReportMessageRouterGetter getter) { routerGetter = getter; }

VReportMessageRouter* GetReportMessageRouter() { return routerGetter ? routerGetter() : nullptr; }

void ReportMessage(int kind, IReportMessageParams const& report) {
  // A report of another implementation keeps only its code: its module means nothing to us.
  auto const* own = dynamic_cast<VReportMessageParams const*>(&report);
  MessageModule const* module = own ? static_cast<MessageModule const*>(own->GetModule()) : MessageModule::Library();
  auto* copy = new VReportMessageParams(report.GetCode(), module);
  copy->Assign(&report);
  copy->SetKind(kind);
  if (VReportMessageRouter* router = GetReportMessageRouter()) router->Report(copy);
  copy->Release();
}
