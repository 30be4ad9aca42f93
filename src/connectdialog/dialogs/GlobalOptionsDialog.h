// The Global Options dialog: the application-wide options in a property tree whose page groups
// follow the installed products (General and Firewall always; the Terminal group with a
// terminal client; the File Transfer group with the transfer client, its File Types page only
// when the caller hands a file type and an icon manager). The host's own pages come through the
// add-global-pages callback, called last in the constructor, and the remove callback, called
// first in the destructor.
//
// The pages edit a working copy taken when the dialog is made; OK carries what changed into the
// global configuration (with "Show Quick Connect Dialog" cleared while the connect dialog shows
// on startup), Cancel drops the copy. The caller saves the configuration. Records with keys of
// their own are stored by their editors as soon as the user confirms them: the default session
// (DefaultSessionEditor), the colour schemes, the file types and the firewalls. While the dialog
// runs, the configuration names it as its current Global Options dialog. The tree's state is
// kept as the Session Options dialog keeps its own (PropertyTreeState), in "Global Options Tree
// State" and "Global Options Tree Selected", one character per page in the order of PagesInOrder.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "VOptionList.h"
#include "VPropertyPageStateMap.h"
#include "VPropertyTreeDialog.h"
#include "VPropertyTreePage.h"
#include "database/GlobalConfig.h"

class FileTypeManager;
class IconManager;

class GlobalOptionsDialog : public VPropertyTreeDialog {
 public:
  static constexpr int kPageCount = 18;

  // `config` outlives the dialog, and so do the managers; the File Types page needs both.
  explicit GlobalOptionsDialog(GlobalConfig& config, FileTypeManager* fileTypes = nullptr, IconManager* icons = nullptr);
  ~GlobalOptionsDialog() override;

  // Shows `startPage` (a tree label or a page's caption; empty: the page remembered).
  void SetStartPage(std::string page) { m_startPage = std::move(page); }
  int DoModal() override;
  void Open() override;
  void OnOK() override;

  // The working copy the pages edit.
  GlobalConfig& Options() { return m_working; }
  std::array<VPropertyTreePage*, kPageCount> PagesInOrder() const;

  static VPropertyPageStateMap& PageStateMap() { return m_pageStateMap; }
  static void DeleteStateMap() { m_pageStateMap.RemoveAll(); }

 private:
  void MakePages(FileTypeManager* fileTypes);
  void AddPages(bool withFileTypes);
  void StoreTreeState() const;

  GlobalConfig& m_config;
  GlobalConfig m_working;
  VOptionList m_options;
  std::string m_startPage;
  std::unique_ptr<VPropertyTreePage> m_general, m_defaultSession, m_terminal, m_appearance, m_ansiColor, m_colorSchemes,
      m_tabs, m_printing, m_advancedPrinting, m_webBrowser, m_fileTransfer, m_transferOptions, m_transferAdvanced,
      m_view, m_ftp, m_sound, m_fileTypes, m_firewall;

  static VPropertyPageStateMap m_pageStateMap;
};

// Runs the Global Options dialog over the process's global configuration; 1 (IDOK) when the
// user confirmed. The page to start on is matched as SetStartPage takes it; the file type page
// needs both managers. The flags are kept for the pages they are handed to.
int ShowGlobalOptionsDialog(VString const& startPage, bool generalFlag1, bool generalFlag2, bool generalFlag3,
                            unsigned int colorSchemesFlags, bool printingFlag, bool* changed,
                            FileTypeManager* fileTypes, IconManager* icons);
