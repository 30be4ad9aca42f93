#include "dialogs/GlobalPrintingPage.h"

#include "VPageControls.h"
#include "database/GlobalConfig.h"
#include "dialogs/PrinterDialogs.h"

namespace {

std::vector<VPageControl> Declarations() {
  using VPageControls::Action, VPageControls::Bound, VPageControls::Edit;
  using Page = GlobalPrintingPage;
  return {Edit(Page::kLeft, "&Left:", ""),
          Edit(Page::kTop, "&Top:", ""),
          Edit(Page::kRight, "&Right:", ""),
          Edit(Page::kBottom, "&Bottom:", ""),
          Bound(Page::kFont, VControlKind::Label, "", ""),
          Bound(Page::kChoose, VControlKind::Button, "C&hoose...", ""),
          Action(Page::kSetup, "Print Set&up...", [](VPropertyTreePage& page) { PrinterDialogs::EditSetup(page.Options()); })};
}

}  // namespace

GlobalPrintingPage::GlobalPrintingPage(GlobalConfig& options)
    : PrintSettingsPage(11414, "Global Printing", Declarations(), Ids{kLeft, kTop, kRight, kBottom, kFont, kChoose},
                        options.pageMargins, options.printerFont) {}
