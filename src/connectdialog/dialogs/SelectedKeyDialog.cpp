#include "dialogs/SelectedKeyDialog.h"

#include <algorithm>

#include "VReportMessageParams.h"
#include "database/GlobalConfig.h"
#include "dialogs/KeyModifiers.h"
#include "dialogs/KeyboardButton.h"
#include "platform/ui/UserInterface.h"
#include "resources/LibraryMessageModule.h"
#include "resources/MessageCodes.h"
#include "terminal/Keymap.h"
#include "terminal/KeymapCode.h"
#include "terminal/VirtualKeyNames.h"

namespace {

using Category = SelectedKeyDialog::Category;

struct CategoryInfo {
  char const* name;
  char const* prefix;  // of its functions' names; null for the other categories
  int firstCode;
  int lastCode;
  int list;  // its list control; 0 for none
};

constexpr CategoryInfo kCategories[SelectedKeyDialog::kCategoryCount] = {
    {"Send String", nullptr, 0, -1, 0},
    {"Menu Function", "MENU_", KeymapCode::MENU_NEW_WINDOW, KeymapCode::MENU_WINDOW_0, SelectedKeyDialog::kMenuList},
    {"Scrollbar Function", "SB_", KeymapCode::SB_LINE_UP, KeymapCode::SB_PAGE_RIGHT, SelectedKeyDialog::kScrollbarList},
    {"Telnet Function", "TN_", KeymapCode::TN_ABORT_OUTPUT, KeymapCode::TN_SYNCH, SelectedKeyDialog::kTelnetList},
    {"VT Function", "VT_", KeymapCode::VT_PF1, KeymapCode::VT_NEXT_SCREEN, SelectedKeyDialog::kVtList},
    {"SSH Function", "SSH_", KeymapCode::SSH_NEW_SESSION, KeymapCode::SSH_FLUSH_AGENT, SelectedKeyDialog::kSshList},
    {"Run Script", nullptr, 0, -1, 0},
    {"Disable", nullptr, 0, -1, 0},
};

// A function as its list shows it: VT_F15 and VT_F16 carry the names of the keys they stand for.
std::string EntryText(int code) {
  std::string text = Keymap::LookupNameByCode(code).Str();
  if (code == KeymapCode::VT_F15) text += " (HELP)";
  if (code == KeymapCode::VT_F16) text += " (DO)";
  return text;
}

VPageControl MakeControl(int id, VControlKind kind, std::string label) {
  VPageControl control;
  control.id = id;
  control.kind = kind;
  control.label = std::move(label);
  return control;
}

VPageControl FunctionList(CategoryInfo const& info) {
  VPageControl list = MakeControl(info.list, VControlKind::Choice, "");
  for (int code = info.firstCode; code <= info.lastCode; ++code) list.choices.push_back(EntryText(code));
  return list;
}

Category CategoryOfFunction(int code) {
  std::string const name = Keymap::LookupNameByCode(code).Str();
  for (int category = 0; category < SelectedKeyDialog::kCategoryCount; ++category) {
    char const* prefix = kCategories[category].prefix;
    if (prefix && name.starts_with(prefix)) return static_cast<Category>(category);
  }
  return SelectedKeyDialog::kSendString;
}

}  // namespace

SelectedKeyDialog::SelectedKeyDialog(GlobalConfig* config, Keymap* keymap, KeyboardButton* button, int modifiers,
                                     CWnd* parent)
    : m_config(config),
      m_keymap(keymap),
      m_button(button),
      m_modifiers(static_cast<unsigned int>(modifiers) & (Keymap::kExtended | Keymap::kCtrl | Keymap::kShift | Keymap::kAlt)),
      m_index(static_cast<int>(m_modifiers | (button ? button->VirtualKey() & 0xFF : 0))),
      m_parent(parent) {}

SelectedKeyDialog::~SelectedKeyDialog() = default;

char const* SelectedKeyDialog::CategoryName(Category category) {
  return category >= 0 && category < kCategoryCount ? kCategories[category].name : "";
}

bool SelectedKeyDialog::ScriptingDisabled() const { return m_config && m_config->DisableAllScripting(); }

int SelectedKeyDialog::DoModal() {
  if (!m_keymap || !m_button) return IDCANCEL;
  if (ScriptingDisabled() && m_keymap->GetKeyCode(m_index) == KeymapCode::RUN) {
    VReportMessageParams warning(message::kScriptingDisabled, &LibraryMessageModule::Get());
    if (GetUserInterface().MessageBox(warning.GetText(), "", MB_OKCANCEL | MB_ICONWARNING) != IDOK) return IDCANCEL;
  }
  return DialogModel::DoModal();
}

void SelectedKeyDialog::Open() {
  DialogModel::Open();
  m_modified = false;
  m_controls.clear();
  VPageControl categories = MakeControl(kCategoryList, VControlKind::Choice, "&Function");
  for (int category = 0; category < kCategoryCount; ++category)
    if (category != kRunScript || !ScriptingDisabled()) categories.choices.push_back(kCategories[category].name);
  m_controls.push_back(std::move(categories));
  m_controls.push_back(MakeControl(kCategoryLabel, VControlKind::Label, ""));
  m_controls.push_back(MakeControl(kSendStringEdit, VControlKind::Text, ""));
  for (CategoryInfo const& info : kCategories)
    if (info.list) m_controls.push_back(FunctionList(info));
  m_controls.push_back(MakeControl(kScriptPathEdit, VControlKind::Text, ""));
  m_controls.push_back(MakeControl(kBrowseButton, VControlKind::Button, "..."));
  m_controls.push_back(MakeControl(kDefaultButton, VControlKind::Button, "&Default"));
  VPageControl caption = MakeControl(kKeyCaption, VControlKind::Label, "");
  caption.value = mapModifiersToString(m_modifiers).Str() + VirtualKeyToName(m_index & 0xFF).Str();
  m_controls.push_back(std::move(caption));
  if (m_keymap && m_button) ShowMapping(*m_keymap);
}

VPageControl* SelectedKeyDialog::Find(int id) {
  auto const found = std::find_if(m_controls.begin(), m_controls.end(), [id](VPageControl const& c) { return c.id == id; });
  return found == m_controls.end() ? nullptr : &*found;
}

VPageControl const* SelectedKeyDialog::FindControl(int id) const {
  return const_cast<SelectedKeyDialog*>(this)->Find(id);
}

VPageControl* SelectedKeyDialog::Reachable(int id, std::string& error) {
  VPageControl* control = Find(id);
  if (!control) error = "the dialog has no control " + std::to_string(id);
  else if (!control->visible || !control->enabled)
    error = "control " + std::to_string(id) + " is " + (control->visible ? "disabled" : "hidden");
  return control && control->visible && control->enabled ? control : nullptr;
}

void SelectedKeyDialog::ShowCategory(Category category) {
  m_category = category;
  for (VPageControl& control : m_controls) {
    switch (control.id) {
      case kSendStringEdit: control.visible = category == kSendString; break;
      case kScriptPathEdit:
      case kBrowseButton: control.visible = category == kRunScript; break;
      case kDefaultButton: control.visible = category != kRunScript; break;
      case kCategoryList: control.value = kCategories[category].name; break;
      case kCategoryLabel: control.value = category == kDisable ? "Disabled" : kCategories[category].name; break;
      case kKeyCaption: break;
      default: control.visible = control.id == kCategories[category].list; break;
    }
  }
}

void SelectedKeyDialog::ShowMapping(Keymap const& keymap) {
  int const code = keymap.GetKeyCode(m_index);
  std::string const value = keymap.GetKeyValue(m_index).Str();
  std::string const offered = m_button->DefaultSendString(mapModifiers(m_modifiers));
  if (code == KeymapCode::SEND) {
    Find(kSendStringEdit)->value = value;
    ShowCategory(kSendString);
  } else if (code == KeymapCode::DISABLED) {
    ShowCategory(kDisable);
  } else if (code == KeymapCode::RUN && !ScriptingDisabled()) {
    Find(kScriptPathEdit)->value = value;
    ShowCategory(kRunScript);
  } else if (code > KeymapCode::DISABLED) {
    Category const category = CategoryOfFunction(code);
    Find(kCategories[category].list)->value = EntryText(code);
    ShowCategory(category);
  } else {
    Find(kSendStringEdit)->value = offered;
    ShowCategory(kSendString);
  }
}

Keymap const& SelectedKeyDialog::DefaultKeymap() {
  if (!m_defaultKeymap) {
    m_defaultKeymap = std::make_unique<Keymap>();
    m_defaultKeymap->LoadDefault();
  }
  return *m_defaultKeymap;
}

void SelectedKeyDialog::Browse() {
  VPageControl* path = Find(kScriptPathEdit);
  std::string chosen = path->value;
  if (GetUserInterface().ChooseFile(UserInterface::FileChooser::Open, kChooserTitle, "", kChooserFilter, chosen,
                                    kChooserExtension))
    path->value = chosen;
}

bool SelectedKeyDialog::Command(int id, std::string& error) {
  if (id == IDOK || id == IDCANCEL) {
    id == IDOK ? OnOK() : OnCancel();
    return true;
  }
  if (id != kBrowseButton && id != kDefaultButton) return DialogModel::Command(id, error);
  if (!Reachable(id, error)) return false;
  if (id == kBrowseButton) Browse();
  else ShowMapping(DefaultKeymap());
  return true;
}

bool SelectedKeyDialog::SetControl(int id, std::string const& value, std::string& error) {
  VPageControl* control = Reachable(id, error);
  if (!control || !control->Accepts(value, error)) return false;
  if (id != kCategoryList) {
    control->Take(value);
    return true;
  }
  for (int category = 0; category < kCategoryCount; ++category)
    if (value == kCategories[category].name) ShowCategory(static_cast<Category>(category));
  return true;
}

int SelectedKeyDialog::ChosenCode(Category category) const {
  CategoryInfo const& info = kCategories[category];
  VPageControl const* list = FindControl(info.list);
  for (int code = info.firstCode; list && code <= info.lastCode; ++code)
    if (EntryText(code) == list->value) return code;
  return -1;
}

void SelectedKeyDialog::OnOK() {
  if (!m_keymap || !m_button) return EndDialog(IDCANCEL);
  int const codeBefore = m_keymap->GetKeyCode(m_index);
  VString const valueBefore = m_keymap->GetKeyValue(m_index);
  std::string const sent = FindControl(kSendStringEdit)->value;
  switch (m_category) {
    case kSendString:
      if (codeBefore == KeymapCode::NONE && sent == valueBefore.Str()) break;
      m_keymap->SetKeyCode(m_index, KeymapCode::SEND);
      m_keymap->SetKeyValue(m_index, VString(sent));
      break;
    case kRunScript:
      m_keymap->SetKeyCode(m_index, KeymapCode::RUN);
      m_keymap->SetKeyValue(m_index, VString(FindControl(kScriptPathEdit)->value));
      break;
    case kDisable:
      m_keymap->SetKeyCode(m_index, KeymapCode::DISABLED);
      m_keymap->SetKeyValue(m_index, VString());
      break;
    default:
      // A function category with no entry chosen leaves the key as it was.
      if (int const code = ChosenCode(m_category); code >= 0) m_keymap->SetKeyCode(m_index, code);
      break;
  }
  m_modified = m_keymap->GetKeyCode(m_index) != codeBefore || m_keymap->GetKeyValue(m_index).Str() != valueBefore.Str();
  EndDialog(IDOK);
}
