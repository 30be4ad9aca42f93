// Fills a table element's session-page slots (1 show, 2 hide, 3 destroy) so that they drive
// the plug-in's ProtocolPages, which `Pages` returns (one object for the plug-in's life).
#pragma once

#include "ProtocolPages.h"
#include "session/ConnectProtocolTableElement.h"

template <ProtocolPages& (*Pages)()>
void InstallProtocolPageSlots(ConnectProtocolTableElement& element) {
  element.showSessionPages = [](IPropertyTreeDialog* dialog, CPropertyPage* parent, ISessionConfig* session, bool) {
    Pages().Show(dialog, parent, session);
  };
  element.hideSessionPages = [](IPropertyTreeDialog* dialog) { Pages().Hide(dialog); };
  element.destroySessionPages = [](IPropertyTreeDialog* dialog) { Pages().Destroy(dialog); };
}
