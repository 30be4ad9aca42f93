#include "dialogs/GlobalColorSchemesPage.h"

#include "VPageControls.h"
#include "database/GlobalConfig.h"
#include "dialogs/ColorSchemeEditorPage.h"
#include "platform/ui/UserInterface.h"

namespace {

char const* const kKept[] = {"Monochrome", "Traditional", "Windows"};

std::string Trimmed(std::string const& text) {
  size_t const first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

GlobalColorSchemesPage::GlobalColorSchemesPage(GlobalConfig& options, GlobalConfig& config)
    : VPropertyTreePage(11411, "Color Schemes",
                        {VPageControls::List(kList, "", "", {}),
                         VPageControls::Action(kEdit, "&Edit...", [this](VPropertyTreePage&) { EditSelected(); }),
                         VPageControls::Action(kNew, "&New...", [this](VPropertyTreePage&) { AddNew(); }),
                         VPageControls::Action(kDelete, "&Delete", [this](VPropertyTreePage&) { DeleteSelected(); })}),
      m_options(options),
      m_config(config) {}

bool GlobalColorSchemesPage::OnSetActive() {
  VPropertyTreePage::OnSetActive();
  FillList(Control(kList)->value);
  return true;
}

void GlobalColorSchemesPage::FillList(std::string const& selected) {
  VPageControl* list = Control(kList);
  list->choices.clear();
  ProfileColorSchemeList const& schemes = m_options.colorSchemes;
  for (int i = 0; i < schemes.GetCount(); ++i) list->choices.push_back(schemes.GetAt(i).GetName().Str());
  int const at = schemes.IndexOf(selected.c_str());
  list->value = list->shown = at >= 0 ? list->choices[at] : list->choices.empty() ? "" : list->choices.front();
}

void GlobalColorSchemesPage::EditSelected() {
  ProfileColorSchemeList& schemes = m_options.colorSchemes;
  int const at = schemes.IndexOf(Control(kList)->value.c_str());
  if (at < 0) return;
  ColorScheme colors = schemes.GetAt(at);
  if (!ColorSchemeEditorPage::Edit(Control(kList)->value, colors)) return;
  schemes.GetAt(at) = colors;
  Store(Control(kList)->value);
}

bool GlobalColorSchemesPage::NewName(std::string& name) {
  std::string text;
  if (!GetUserInterface().PromptText("&Name of the new color scheme:", "New Color Scheme", text)) return false;
  name = Trimmed(text);
  std::string problem;
  if (name.empty()) {
    problem = "Please enter a name for the color scheme.";
  } else if (m_options.colorSchemes.Exists(name.c_str())) {
    problem = "A color scheme named \"" + name + "\" already exists.";
  }
  if (problem.empty()) return true;
  GetUserInterface().MessageBox(problem, "", MB_OK | MB_ICONWARNING);
  return false;
}

void GlobalColorSchemesPage::AddNew() {
  std::string name;
  if (!NewName(name)) return;
  ColorScheme colors = m_options.colorSchemes.Find(Control(kList)->value.c_str());
  if (!ColorSchemeEditorPage::Edit(name, colors)) return;
  m_options.colorSchemes.Add(name.c_str(), colors);
  Store(name);
}

void GlobalColorSchemesPage::DeleteSelected() {
  std::string const name = Control(kList)->value;
  ProfileColorSchemeList& schemes = m_options.colorSchemes;
  int const at = schemes.IndexOf(name.c_str());
  if (at < 0) return;
  for (char const* kept : kKept) {
    if (schemes.IndexOf(kept) != at) continue;
    GetUserInterface().MessageBox("The color scheme \"" + name + "\" cannot be deleted.", "", MB_OK | MB_ICONWARNING);
    return;
  }
  if (GetUserInterface().MessageBox("Delete the color scheme \"" + name + "\"?", "", MB_YESNO | MB_ICONQUESTION) != IDYES)
    return;
  schemes.RemoveAt(at);
  Store(at < schemes.GetCount() ? schemes.GetAt(at).GetName().Str() : "");
}

void GlobalColorSchemesPage::Store(std::string const& selected) {
  m_options.colorSchemes.Save(nullptr, false);
  m_options.colorSchemes.Checkpoint();
  m_config.colorSchemes.ApplyDelta(&m_options.colorSchemes);
  m_config.colorSchemes.Checkpoint();
  FillList(selected);
}
