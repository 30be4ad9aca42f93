#include "database/ConfigFolderValidator.h"

#include "VReportMessageParams.h"
#include "database/ProductSettings.h"
#include "library/LibraryState.h"
#include "library/ProductInfo.h"
#include "platform/files/FolderCheck.h"
#include "platform/registry/NameFolding.h"
#include "platform/ui/UserInterface.h"
#include "resources/LibraryMessageModule.h"
#include "resources/MessageCodes.h"

ConfigFolderValidator::Verdict ConfigFolderValidator::Check(VString const& newPath) {
  if (!newPath.IsEmpty()) {
    FolderState const state = CheckFolder(newPath.Str());
    if (state == FolderState::NotValid) return ShowError(message::kFolderNotValid, newPath);
    if (state == FolderState::AccessDenied) return ShowError(message::kFolderAccessDenied, newPath);
  }
  switch (GetCurrentAppProductID()) {
    case kProductHaloKorvo:
      return CheckIntegration(newPath, kProductHaloFyx);
    case kProductHaloFyx: {
      Verdict const integration = CheckIntegration(newPath, kProductHaloKorvo);
      if (integration != Verdict::Accepted) return integration;
      return SharesFolder(newPath, kProductKorvo) ? ShowError(message::kHaloFyxSharesKorvo) : Verdict::Accepted;
    }
    case kProductKorvo:
      return SharesFolder(newPath, kProductHaloFyx) ? ShowError(message::kKorvoSharesHaloFyx) : Verdict::Accepted;
    default:
      return Verdict::Accepted;
  }
}

ConfigFolderValidator::Verdict ConfigFolderValidator::CheckIntegration(VString const& newPath, int otherProduct) {
  if (ProductSettings::Integrated() != 0 || !SharesFolder(newPath, otherProduct)) return Verdict::Accepted;
  VReportMessageParams question(message::kIntegrateQuestion, &LibraryMessageModule::Get());
  question.AddString(GetApplicationName());
  question.AddString(LookupProductName(otherProduct));
  if (GetUserInterface().MessageBox(question.GetText(), "", MB_YESNO | MB_ICONQUESTION) != IDYES)
    return Verdict::RejectedRefocus;
  ProductSettings::SetIntegrated(1);
  return Verdict::Accepted;
}

// An empty path stands for each product's own default folder, which no two products share.
bool ConfigFolderValidator::SharesFolder(VString const& newPath, int otherProduct) {
  return !newPath.IsEmpty() &&
         FoldName(newPath.View()) == FoldName(ProductSettings::ConfigPath(LookupProductName(otherProduct)).View());
}

ConfigFolderValidator::Verdict ConfigFolderValidator::ShowError(unsigned long code, VString const& folder) {
  VReportMessageParams error(code, &LibraryMessageModule::Get());
  if (!folder.IsEmpty()) error.AddString(folder);
  GetUserInterface().MessageBox(error.GetText(), "", MB_OK | MB_ICONERROR);
  return Verdict::Rejected;
}
