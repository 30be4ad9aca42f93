#include "dialogs/SessionPrintingPage.h"

#include "dialogs/SessionPageControls.h"
#include "session/SessionConfig.h"

SessionPrintingPage::SessionPrintingPage(SessionConfig& session)
    : PrintSettingsPage(11453, "Session Printing", SessionPageControls::Printing(),
                        Ids{kLeft, kTop, kRight, kBottom, kFont, kChooseFont}, session.pageMargins,
                        session.printerFont) {}
