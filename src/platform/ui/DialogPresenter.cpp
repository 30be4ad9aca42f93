#include "platform/ui/DialogPresenter.h"

#include "platform/service/InstalledService.h"
#include "platform/ui/HeadlessDialogPresenter.h"

using InstalledPresenter = InstalledService<DialogPresenter, HeadlessDialogPresenter>;

DialogPresenter& GetDialogPresenter() { return InstalledPresenter::Get(); }

void SetDialogPresenter(DialogPresenter* presenter) { InstalledPresenter::Install(presenter); }
