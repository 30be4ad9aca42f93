#include "dialogs/GlobalTransferOptionsPage.h"

#include "VPageControls.h"
#include "VReportMessageParams.h"
#include "platform/files/FolderCheck.h"
#include "resources/LibraryMessageModule.h"
#include "resources/MessageCodes.h"

namespace {

std::vector<VPageControl> Declarations() {
  using VPageControls::Bound, VPageControls::Check, VPageControls::Edit;
  using Page = GlobalTransferOptionsPage;
  return {Edit(Page::kLocalFolder, "Local &window:", "Initial Local Folder"),
          Edit(Page::kDownloadFolder, "&Download directory:", "Download Directory"),
          Edit(Page::kCacheFolder, "&Cache directory:", "Cache Directory"),
          Bound(1049, VControlKind::Label, "&Anonymous login", ""),
          Edit(Page::kAnonymousPassword, "&Password:", "Anonymous Password"),
          Check(1247, "Disable directory tre&e detection", "Disable Directory Tree Detection"),
          Check(1254, "&Verify file status on retrieve", "Verify Retrieve File Status")};
}

}  // namespace

GlobalTransferOptionsPage::GlobalTransferOptionsPage() : VPropertyTreePage(11437, "Options", Declarations()) {}

bool GlobalTransferOptionsPage::OnKillActive() {
  for (int id : {kLocalFolder, kDownloadFolder, kCacheFolder}) {
    std::string const& folder = Control(id)->value;
    if (folder.empty()) continue;
    FolderState const state = CheckFolder(folder);
    if (state == FolderState::Usable) continue;
    VReportMessageParams refusal(state == FolderState::NotValid ? message::kFolderNotValid : message::kFolderAccessDenied,
                                 &LibraryMessageModule::Get());
    refusal.AddString(folder.c_str());
    return Refuse(id, refusal.GetText());
  }
  return VPropertyTreePage::OnKillActive();
}
