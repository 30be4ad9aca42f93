// The SSH2 plug-in's page of the Global Options dialog (callback slots 4 and 6): one top-level
// page, added after the dialog's own, whose controls (declared as data) edit the product's
// SSH2-wide options (SSH2GlobalConfig). The page works on a copy loaded when the dialog adds
// it; OK stores what changed, Cancel stores nothing.
//
// One object for the plug-in's life; it keeps a page per dialog, made by Add and deleted by
// Remove. User-interface thread only.
#pragma once

#include <map>
#include <memory>
#include <vector>

#include "VPageControl.h"

class IPropertyTreeDialog;
class VPropertyTreePage;

class SSH2GlobalPages {
 public:
  enum ControlId {
    kKnownHostsFile = 2201, kDefaultIdentityFile, kKeepAliveInterval, kStrictHostKeyChecking,
    kBrowseKnownHosts, kBrowseIdentity
  };

  static SSH2GlobalPages& Instance();
  static std::vector<VPageControl> Controls();

  // Slot 4: appends the page to `dialog` (shown at once when the dialog is open).
  void Add(IPropertyTreeDialog* dialog, int flag);
  // Slot 6: takes the page out of `dialog` and deletes it; nothing when it has none.
  void Remove(IPropertyTreeDialog* dialog);

 private:
  std::map<IPropertyTreeDialog*, std::unique_ptr<VPropertyTreePage>> m_pages;
};
