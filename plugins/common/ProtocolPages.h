// A protocol plug-in's option pages in the Session Options dialog (callback slots 1, 2 and 3):
// one page below the dialog's Connection page whose controls, declared as data, edit the
// options of the session's selected record of this protocol by stored name (with the
// session's shared host and user names). The page checks its ranges with the framework's
// message when it is left, and writes into the session as every page does.
//
// One object per protocol and plug-in; it keeps a page per open dialog, made when the dialog
// first shows the protocol's pages and deleted by Destroy. User-interface thread only.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "VOptionList.h"
#include "VPageControl.h"
#include "VPropertyTreePage.h"

class CPropertyPage;
class IPropertyTreeDialog;
class ISessionConfig;

class ProtocolPages {
 public:
  struct Declaration {
    unsigned int templateId;
    char const* title;  // tree label, line feed, caption
    std::vector<VPageControl> (*controls)();
  };

  explicit ProtocolPages(Declaration declaration) : m_declaration(declaration) {}

  // Slot 1: puts the page below `parent` in `dialog`, over `session`'s options as they are now.
  void Show(IPropertyTreeDialog* dialog, CPropertyPage* parent, ISessionConfig* session);
  // Slot 2: takes the page out of the dialog's tree.
  void Hide(IPropertyTreeDialog* dialog);
  // Slot 3: the dialog closes: the page is deleted.
  void Destroy(IPropertyTreeDialog* dialog);

  // The page shown in `dialog`; null when there is none.
  VPropertyTreePage* PageIn(IPropertyTreeDialog* dialog) const;

 private:
  struct Shown {
    std::unique_ptr<VPropertyTreePage> page;
    std::unique_ptr<VOptionList> options;
    VPropertyTreePage* parent = nullptr;
  };

  Declaration m_declaration;
  std::map<IPropertyTreeDialog*, Shown> m_shown;
};
