#include "VPropertyTreePage.h"

#include <algorithm>
#include <utility>

#include "VOptionList.h"
#include "VPropertyPageStateMap.h"
#include "platform/ui/UserInterface.h"

VPropertyTreePage::VPropertyTreePage(unsigned int templateId, std::string caption, std::vector<VPageControl> controls)
    : m_templateId(templateId), m_caption(std::move(caption)), m_controls(std::move(controls)) {}

void VPropertyTreePage::RemoveChildPage(VPropertyTreePage* page) {
  m_children.erase(std::remove(m_children.begin(), m_children.end(), page), m_children.end());
}

bool VPropertyTreePage::Contains(VPropertyTreePage const* page) const {
  if (page == this) return true;
  for (VPropertyTreePage const* child : m_children)
    if (child->Contains(page)) return true;
  return false;
}

std::string VPropertyTreePage::Label() const {
  std::string const title = GetTitle().Str();
  return title.substr(0, title.find('\n'));
}

std::string VPropertyTreePage::CaptionPart() const {
  std::string const title = GetTitle().Str();
  size_t const split = title.find('\n');
  return split == std::string::npos ? title : title.substr(split + 1);
}

void VPropertyTreePage::SetExpanded(bool expanded) {
  m_expanded = expanded;
  if (VPropertyPageState* state = m_stateMap ? m_stateMap->Lookup(m_caption) : nullptr) state->expanded = expanded;
}

void VPropertyTreePage::SetSelected(bool selected) {
  m_selected = selected;
  if (VPropertyPageState* state = m_stateMap ? m_stateMap->Lookup(m_caption) : nullptr) state->selected = selected;
}

bool VPropertyTreePage::Create() {
  m_created = true;
  m_shown = false;
  return true;
}

VPageControl* VPropertyTreePage::Control(int id) {
  for (VPageControl& control : m_controls)
    if (control.id == id) return &control;
  return nullptr;
}

VPageControl* VPropertyTreePage::UsableControl(int id, std::string& error) {
  VPageControl* control = Control(id);
  if (!control) {
    error = "page \"" + Label() + "\" has no control " + std::to_string(id);
  } else if (!control->visible || !control->enabled) {
    error = "control " + std::to_string(id) + " is " + (control->visible ? "disabled" : "hidden");
    control = nullptr;
  }
  return control;
}

bool VPropertyTreePage::SetControl(int id, std::string const& value, std::string& error) {
  VPageControl* control = UsableControl(id, error);
  if (!control || !control->Accepts(value, error)) return false;
  control->Take(value);
  m_focus = id;
  OnControlChanged(*control);
  UpdateEnabled();
  return true;
}

VPageControl* VPropertyTreePage::Pressed(int id, std::string& error) {
  for (VPageControl& field : m_controls)
    if (field.BrowsesWith(id)) return UsableControl(field.id, error);
  VPageControl* control = UsableControl(id, error);
  if (control && control->kind != VControlKind::Button) {
    error = "control " + std::to_string(id) + " is not a button";
    control = nullptr;
  }
  return control;
}

bool VPropertyTreePage::Command(int id, std::string& error) {
  VPageControl* control = Pressed(id, error);
  if (!control) return false;
  m_focus = id;
  if (control->BrowsesWith(id)) Browse(*control);
  else if (control->onClick) control->onClick(*this);
  UpdateEnabled();
  return true;
}

void VPropertyTreePage::Browse(VPageControl& field) {
  std::string path = field.value;
  auto const chooser = field.kind == VControlKind::Folder ? UserInterface::FileChooser::Folder : UserInterface::FileChooser::Open;
  std::string ignored;  // a chosen path is text like any typed one
  if (GetUserInterface().ChooseFile(chooser, field.chooserTitle, "", field.filter, path)) SetControl(field.id, path, ignored);
}

void VPropertyTreePage::ResetControl(int id) {
  VPageControl* control = Control(id);
  VOption const* option = control && m_options && !control->option.empty() ? m_options->Find(control->option) : nullptr;
  if (option) control->Load(option->DefaultText().Str());
}

void VPropertyTreePage::UpdateEnabled() {
  for (VPageControl& control : m_controls) {
    if (control.enabledBy == 0 && control.disabledBy == 0) continue;
    VPageControl const* on = control.enabledBy ? Control(control.enabledBy) : nullptr;
    VPageControl const* off = control.disabledBy ? Control(control.disabledBy) : nullptr;
    control.enabled = (!control.enabledBy || (on && on->value == "true")) && (!off || off->value != "true");
  }
}

bool VPropertyTreePage::OnSetActive() { return UpdateData(false); }

bool VPropertyTreePage::OnKillActive() { return UpdateData(true); }

bool VPropertyTreePage::UpdateData(bool saveAndValidate) {
  if (saveAndValidate) return StoreControls();
  for (VPageControl& control : m_controls) {
    VOption const* option = m_options && !control.option.empty() ? m_options->Find(control.option) : nullptr;
    if (option) control.Load(option->Text().Str());
    control.shown = control.value;
  }
  UpdateEnabled();
  return true;
}

bool VPropertyTreePage::Refuse(int controlId, std::string const& message) {
  GetUserInterface().MessageBox(message, "", MB_OK | MB_ICONWARNING);
  m_focus = controlId;
  return false;
}

bool VPropertyTreePage::StoreControls() {
  std::vector<std::pair<VPageControl const*, VOption const*>> bound;
  for (VPageControl const& control : m_controls) {
    if (!control.TakesInput()) continue;
    std::string message;
    if (control.enabled && !control.Validate(message)) return Refuse(control.id, message);
    VOption const* option = m_options && !control.option.empty() ? m_options->Find(control.option) : nullptr;
    if (option && control.value != control.shown) bound.emplace_back(&control, option);
  }
  // Taken in order; a refusal puts back what was taken before it, so the settings stay whole.
  std::vector<std::pair<VOption const*, VString>> taken;
  for (auto const& [control, option] : bound) {
    VString before = option->Text();
    VString error;
    bool const numeric = option->Form() == VOptionForm::Number || option->Form() == VOptionForm::Unsigned;
    if (!option->FromText(control->OptionText(numeric), error)) {
      VString ignored;
      for (auto it = taken.rbegin(); it != taken.rend(); ++it) it->first->FromText(it->second, ignored);
      return Refuse(control->id, error.Str());
    }
    taken.emplace_back(option, std::move(before));
  }
  for (auto const& [control, option] : bound) const_cast<VPageControl*>(control)->shown = control->value;
  return true;
}
