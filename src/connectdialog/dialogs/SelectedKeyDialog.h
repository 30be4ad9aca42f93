// "Map Selected Key": edits what one key and modifier combination does in a keymap. It shows
// the key's current mapping (of the edited keymap, or of a default keymap after "&Default"),
// lets the user pick a category and its string, function or script, and on OK writes the
// choice into the edited keymap itself. With scripting disabled by the global configuration
// "Run Script" is not offered, and a key mapped to a script asks before the dialog opens.
//
// Controls are data (VPageControl): the category list, one list per function category, the
// string and script path fields, the browse and "&Default" buttons, and two labels. A command
// on a hidden control fails and changes nothing. The keymap and the button must outlive the
// dialog; the default keymap is the dialog's own.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "VPageControl.h"
#include "platform/ui/DialogModel.h"

class CWnd;
class GlobalConfig;
class Keymap;
class KeyboardButton;

class SelectedKeyDialog : public DialogModel {
 public:
  enum Category { kSendString, kMenu, kScrollbar, kTelnet, kVt, kSsh, kRunScript, kDisable, kCategoryCount };

  enum Control {
    kCategoryList = 1001,  // "&Function"
    kSendStringEdit = 1002,
    kScriptPathEdit = 1003,
    kBrowseButton = 1004,  // "..."
    kDefaultButton = 1005,  // "&Default"
    kCategoryLabel = 1008,  // the category's name over its control
    kMenuList = 1010,
    kScrollbarList = 1011,
    kTelnetList = 1012,
    kVtList = 1013,
    kSshList = 1014,
    kKeyCaption = 1266,  // modifiers and key name, "Alt-Ctrl-Shift-VK_M"
  };

  static constexpr char kTitle[] = "Map Selected Key";
  static constexpr char kChooserTitle[] = "Select Script File";
  static constexpr char kChooserExtension[] = "*.vbs; *.js; *.pl";
  static constexpr char kChooserFilter[] = "Script Files (*.vbs;*.js;*.pl)|*.vbs;*.js;*.pl|All Files (*.*)|*.*||";

  // Edits key index `modifiers` OR the button's virtual key of `keymap`. A null `config` leaves
  // scripting enabled.
  SelectedKeyDialog(GlobalConfig* config, Keymap* keymap, KeyboardButton* button, int modifiers,
                    CWnd* parent = nullptr);
  ~SelectedKeyDialog() override;

  // Asks first when the key runs a script that is disabled: Cancel returns IDCANCEL unopened.
  // A dialog without a keymap or a button is not shown (IDCANCEL).
  int DoModal() override;

  void Open() override;
  void OnOK() override;
  bool Command(int id, std::string& error) override;
  bool SetControl(int id, std::string const& value, std::string& error) override;

  // 1 if OK changed the key's resolved code or value.
  int keymapWasModified() const { return m_modified ? 1 : 0; }

  static char const* CategoryName(Category category);
  int KeyIndex() const { return m_index; }
  Category CurrentCategory() const { return m_category; }
  std::vector<VPageControl> const& Controls() const { return m_controls; }
  VPageControl const* FindControl(int id) const;
  CWnd* ParentWindow() const { return m_parent; }

 private:
  bool ScriptingDisabled() const;
  VPageControl* Find(int id);
  // The control `id` if the user can reach it now; null, with `error`, otherwise.
  VPageControl* Reachable(int id, std::string& error);
  void ShowCategory(Category category);
  void ShowMapping(Keymap const& keymap);
  void Browse();
  Keymap const& DefaultKeymap();
  // The code of the entry chosen in a function category's list; -1 when none is chosen.
  int ChosenCode(Category category) const;

  GlobalConfig* m_config;
  Keymap* m_keymap;
  std::unique_ptr<Keymap> m_defaultKeymap;
  KeyboardButton* m_button;
  unsigned int m_modifiers;
  int m_index;
  CWnd* m_parent;
  Category m_category = kSendString;
  std::vector<VPageControl> m_controls;
  bool m_modified = false;
};
