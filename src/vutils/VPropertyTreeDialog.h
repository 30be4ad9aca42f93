// A modal dialog with a tree of pages on the left and the selected page on the right under a
// caption bar. It creates every page when it opens, shows the page whose item is selected,
// lets a page refuse to be left, remembers per page (in the dialog class's state map, for the
// rest of the process) whether its item was expanded and selected, and lets hosts add pages
// through IPropertyTreeDialog. Pages belong to the dialog's owner, who adds them before
// DoModal and applies the settings when it returns IDOK.
//
// Every user action is a command here (SelectItem, ExpandItem, OnKey, OnOK ...); a front end
// only draws the dialog and forwards them.
#pragma once

#include <string>
#include <vector>

#include "IPropertyTreeDialog.h"
#include "VPropertyTreeIds.h"
#include "VTreeControl.h"
#include "platform/types/CString.h"
#include "platform/ui/DialogModel.h"

class CWnd;  // the owner window, opaque to the model

class VPropertyTreeDialog : public DialogModel, public IPropertyTreeDialog {
 public:
  VPropertyTreeDialog(char const* title, VPropertyTreeIds ids, VPropertyTreePage* current,
                      VPropertyPageStateMap* stateMap, CWnd* parent = nullptr);
  ~VPropertyTreeDialog() override = default;

  void AddPage(VPropertyTreePage* page) override;
  void RemovePage(VPropertyTreePage* page) override;
  void ShowPage(VPropertyTreePage* page) override;
  void HidePage(VPropertyTreePage* page) override;
  void Reserved(uint32_t) override {}
  VPropertyPageStateMap* GetPageStateMap() override { return m_stateMap; }

  // Pages whose remembered selection is ignored: the first root page is shown on opening.
  void SetStartOnFirstPage(bool start) { m_startOnFirstPage = start; }
  // Pages are being swapped while the dialog is open (another protocol's pages): shown pages
  // do not take the selection.
  void SetReplacingPages(bool replacing) { m_replacingPages = replacing; }

  void Open() override;
  // Ends with IDOK when the current page lets itself be left, then tells every page in the tree
  // (VPropertyTreePage::OnOK); without a current page nothing.
  void OnOK() override;
  // IDOK and IDCANCEL act as OK and Cancel; any other id goes to the current page.
  bool Command(int id, std::string& error) override;
  bool SetControl(int id, std::string const& value, std::string& error) override;

  // The user selects `item`: the current page must let itself be left and the new one agree to
  // be shown, else nothing moves and false is returned. Selecting the selected item is true.
  bool SelectItem(VTreeItem item);
  // The user expands or collapses `item`; the page's flag and state follow.
  // Collapsing over the selected item moves the selection to it; false when the page refuses.
  bool ExpandItem(VTreeItem item, bool expanded);
  // A key pressed in the dialog; true when the dialog used it (Ctrl+Tab, Ctrl+Shift+Tab,
  // Ctrl+Page Down and Ctrl+Page Up move over the visible items, wrapping around).
  bool OnKey(int virtualKey, bool ctrl, bool shift, bool alt);

  // The first item, in display order, whose label is `label`; 0 when none.
  VTreeItem FindItem(std::string const& label) const;
  VTreeControl const& Tree() const { return m_tree; }
  VPropertyTreePage* PageOf(VTreeItem item) const;
  std::vector<VPropertyTreePage*> const& Pages() const { return m_pages; }
  VPropertyTreePage* CurrentPage() const { return m_current; }
  CString const& WindowTitle() const { return m_windowTitle; }
  // The caption bar's text: two spaces and the caption part of the current page's title.
  std::string const& CaptionText() const { return m_caption; }
  VPropertyTreeIds const& Ids() const { return m_ids; }
  bool IsOpen() const { return m_open && !IsEnded(); }
  // Whether the tree holds the focus (else the current page does).
  bool TreeHasFocus() const { return m_treeFocus; }
  CWnd* ParentWindow() const { return m_parent; }

 private:
  void InsertPage(VPropertyTreePage* page, VTreeItem parent, VTreeItem after, bool opening);
  void TakeOut(VPropertyTreePage* page);
  void ShowSelected(VPropertyTreePage* page);
  // Where `page` goes in the tree: the item of the page listing it and the item of the sibling
  // before it. False when `page` was never added.
  bool Place(VPropertyTreePage* page, VPropertyTreePage*& parent, VTreeItem& after) const;
  void ClearRememberedSelection(VPropertyTreePage* page);

  CString m_title;
  CString m_windowTitle;
  VPropertyTreeIds m_ids;
  CWnd* m_parent;
  std::vector<VPropertyTreePage*> m_pages;
  VPropertyTreePage* m_current;
  VPropertyPageStateMap* m_stateMap;
  VTreeControl m_tree;
  std::string m_caption;
  bool m_startOnFirstPage = false;
  bool m_replacingPages = false;
  bool m_selectionChanging = false;
  bool m_open = false;
  bool m_treeFocus = false;
};
