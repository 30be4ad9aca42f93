// The property-tree framework's own demonstration: a small options dialog over
// VPropertyTreeDemoSettings with nested pages (General > Appearance > Colors), a page of
// range-checked numbers with a Defaults button (Terminal) and a control enabled by a check box
// (Logging). Front ends test their drawing of the framework on it. The settings change as
// pages are left; Cancel puts them back as they were when the dialog opened.
#pragma once

#include "VOptionList.h"
#include "VPropertyPageStateMap.h"
#include "VPropertyTreeDemoSettings.h"
#include "VPropertyTreeDialog.h"
#include "VPropertyTreePage.h"

class VPropertyTreeDemoDialog : public VPropertyTreeDialog {
 public:
  // The ids of the demonstration's controls.
  enum Control {
    kSessionName = 1001,
    kAudibleBell = 1002,
    kCursorStyle = 1101,
    kBoldColors = 1201,
    kMaximumColumns = 1352,
    kScrollbackLines = 1353,
    kDefaults = 1354,
    kLogSession = 1401,
    kLogFile = 1402,
  };

  // Edits `settings`, which must outlive the dialog.
  explicit VPropertyTreeDemoDialog(VPropertyTreeDemoSettings& settings);

  void Open() override;
  void OnCancel() override;

  // The remembered page states of this dialog class, for the rest of the process.
  static VPropertyPageStateMap& PageStateMap() { return m_pageStateMap; }
  static void DeleteStateMap() { m_pageStateMap.RemoveAll(); }

 private:
  VPropertyTreeDemoSettings& m_settings;
  VOptionList m_options;
  VPropertyTreePage m_general;
  VPropertyTreePage m_appearance;
  VPropertyTreePage m_colors;
  VPropertyTreePage m_terminal;
  VPropertyTreePage m_logging;

  static VPropertyPageStateMap m_pageStateMap;
};
