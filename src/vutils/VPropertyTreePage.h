// One page of a property-tree dialog: a child dialog made from its template (id, own caption,
// controls as data), its place in the dialog's tree and the flags the dialog remembers. Page
// objects belong to the dialog's owner; child pages are listed, not owned.
//
// A title may hold two parts split by a line feed: the tree item's label before it, the
// caption shown above the page after it; a title without one serves as both. The title is the
// explicit one when set, else the page's own caption, which is also its key in the state map.
//
// By default a page moves the settings into its controls when it becomes active and the
// controls' values back, validated, when it is left: a refusal shows one message, moves the
// focus to the faulty control and changes no setting.
#pragma once

#include <string>
#include <vector>

#include "VPageControl.h"
#include "VTreeControl.h"
#include "platform/types/CPropertyPage.h"
#include "platform/types/CString.h"

class VOptionList;
class VPropertyPageStateMap;

class VPropertyTreePage : public CPropertyPage {
 public:
  explicit VPropertyTreePage(unsigned int templateId, std::string caption = {}, std::vector<VPageControl> controls = {});
  ~VPropertyTreePage() override = default;

  void AddChildPage(VPropertyTreePage* page) { m_children.push_back(page); }
  // Forgets `page` as a child (a plug-in's page about to go); nothing when it is none.
  void RemoveChildPage(VPropertyTreePage* page);
  std::vector<VPropertyTreePage*> const& ChildPages() const { return m_children; }
  // Whether `page` is this page or lies below it.
  bool Contains(VPropertyTreePage const* page) const;

  unsigned int TemplateId() const { return m_templateId; }
  // The page's own caption, from its template: its key in the state map.
  std::string const& Caption() const { return m_caption; }
  void SetTitle(std::string title) { m_title = std::move(title); }
  CString GetTitle() const { return m_title.empty() ? m_caption : m_title; }
  // The tree label and the caption part of the title.
  std::string Label() const;
  std::string CaptionPart() const;

  bool IsExpanded() const { return m_expanded; }
  bool IsSelected() const { return m_selected; }
  // Both setters also change the page's entry in the state map, when it has one.
  void SetExpanded(bool expanded);
  void SetSelected(bool selected);
  void SetStateMap(VPropertyPageStateMap* map) { m_stateMap = map; }

  VTreeItem TreeItem() const { return m_item; }
  void SetTreeItem(VTreeItem item) { m_item = item; }

  // Makes the page's window; the page stays hidden until the dialog shows it.
  virtual bool Create();
  bool IsCreated() const { return m_created; }
  void Show(bool shown) { m_shown = shown; }
  bool IsShown() const { return m_shown; }

  // The settings the controls edit; must outlive the page's use.
  void BindOptions(VOptionList const* options) { m_options = options; }
  VOptionList const* Options() const { return m_options; }
  std::vector<VPageControl> const& Controls() const { return m_controls; }
  VPageControl* Control(int id);
  VPageControl const* Control(int id) const { return const_cast<VPropertyTreePage*>(this)->Control(id); }
  // The user puts `value` into control `id`; false, with `error`, when it cannot take it.
  bool SetControl(int id, std::string const& value, std::string& error);
  // The user presses button `id`, or the browse button `id` of a file or folder field, whose
  // chooser puts the path picked into the field; false, with `error`, when there is no enabled
  // button `id`.
  bool Command(int id, std::string& error);
  // Puts the default of the option control `id` edits into it, as a Defaults button does.
  void ResetControl(int id);
  // The control that has the focus; 0 when the page does not hold it.
  int FocusControl() const { return m_focus; }

  // The page becomes the shown one; false keeps the old page.
  virtual bool OnSetActive();
  // The page is about to be left; false keeps it.
  virtual bool OnKillActive();
  // The dialog has ended with OK, every page's controls already in its settings: a page that
  // keeps a record of its own (a plug-in's page) stores it here.
  virtual void OnOK() {}
  // Settings into the controls (false) or the controls' values into the settings (true).
  // Saving validates everything first and changes nothing when a control is refused; a
  // control the user left as it was shown stores nothing, so a stored form stays as it was.
  bool UpdateData(bool saveAndValidate);

 protected:
  // The user has just changed `control`; pages with rules of their own react here.
  virtual void OnControlChanged(VPageControl& /*control*/) {}
  // Shows `message`, puts the focus on `controlId` and answers false: a page that may not be left.
  bool Refuse(int controlId, std::string const& message);

 private:
  VPageControl* UsableControl(int id, std::string& error);
  // The control pressing `id` acts on: a button, or the field browsing with `id`.
  VPageControl* Pressed(int id, std::string& error);
  void Browse(VPageControl& field);
  void UpdateEnabled();
  bool StoreControls();

  unsigned int m_templateId;
  std::string m_caption;
  std::string m_title;
  std::vector<VPageControl> m_controls;
  std::vector<VPropertyTreePage*> m_children;
  VPropertyPageStateMap* m_stateMap = nullptr;
  VOptionList const* m_options = nullptr;
  VTreeItem m_item = 0;
  bool m_expanded = true;
  bool m_selected = false;
  bool m_created = false;
  bool m_shown = false;
  int m_focus = 0;
};
