#include "terminal/ProfileColorSchemeList.h"

#include <algorithm>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>

#include "VOptionText.h"
#include "VProfileKey.h"
#include "VProfileKeyIterator.h"
#include "VProfileStore.h"
#include "VTextList.h"
#include "platform/registry/NameFolding.h"
#include "platform/ui/UserInterface.h"

namespace {

constexpr char const* kMonochrome = "Monochrome";
constexpr std::string_view kWindows = "Windows";

// Bold entries (odd indices) may differ from the others; "Windows" takes the desktop's colours.
struct BuiltInScheme {
  char const* name;
  COLORREF foreground;
  COLORREF boldForeground;
  COLORREF background;
};

constexpr BuiltInScheme kBuiltIns[] = {
    {kMonochrome, 0x000000, 0x000000, 0xFFFFFF},
    {"Black / Floral White", 0x000000, 0x000000, 0xF0FBFF},
    {"Yellow / Black", 0x00FFFF, 0x00FFFF, 0x000000},
    {"Traditional", 0x00FF00, 0x00FF00, 0x000000},
    {kWindows.data(), 0, 0, 0},
    {"Black / Cyan", 0x000000, 0xFF0000, 0xFFFF00},
    {"Floral White / Dark Cyan", 0xF0FBFF, 0xF0FBFF, 0x808000},
};

// The desktop's colours change while a stored "Windows" scheme does not, so they win over it.
void TakeWindowColors(ColorScheme& scheme) {
  std::ranges::fill(scheme.foreground, GetUserInterface().WindowTextColor());
  std::ranges::fill(scheme.background, GetUserInterface().WindowColor());
}

ColorScheme BuiltInColors(BuiltInScheme const& row) {
  ColorScheme scheme;
  scheme.SetColors(row.foreground, row.background);
  for (int i = 1; i < ColorScheme::kEntries; i += 2) scheme.foreground[i] = row.boldForeground;
  if (std::string_view(row.name) == kWindows) TakeWindowColors(scheme);
  return scheme;
}

}  // namespace

ProfileColorSchemeList::ProfileColorSchemeList() { SetName(kKeyName); }

void ProfileColorSchemeList::Load(VProfileKey* /*key*/, char const* name) {
  SetName(name);
  m_schemes.clear();
  VProfileStore store(true, nullptr);
  VProfileKey key(store.Root(), kKeyName);
  LoadStored(key);
  if (m_schemes.empty())
    LoadBuiltIns(key);
  else if (!Exists(kMonochrome))
    AddLoaded(key, kMonochrome, BuiltInColors(kBuiltIns[0]));
  m_checkpoint = m_schemes;
}

void ProfileColorSchemeList::LoadStored(VProfileKey& key) {
  VProfileKeyIterator names(&key, true);
  for (VString name; names.Next(name);) {
    AddLoaded(key, name, ColorScheme());
    if (name == kWindows) TakeWindowColors(m_schemes.back());
  }
}

void ProfileColorSchemeList::LoadBuiltIns(VProfileKey& key) {
  for (BuiltInScheme const& row : kBuiltIns) AddLoaded(key, row.name, BuiltInColors(row));
}

void ProfileColorSchemeList::AddLoaded(VProfileKey& key, char const* name, ColorScheme const& colors) {
  Scheme& scheme = m_schemes.emplace_back();
  scheme.SetName(name);
  scheme.Load(&key, colors);
}

void ProfileColorSchemeList::Save(VProfileKey* /*key*/, bool force) {
  VProfileStore store;
  VProfileKey key(store.Root(), GetName());
  DeleteUnlisted(key);
  for (Scheme& scheme : m_schemes) scheme.Save(&key, force);
}

void ProfileColorSchemeList::DeleteUnlisted(VProfileKey& key) const {
  std::set<std::string> listed;
  for (Scheme const& scheme : m_schemes) listed.insert(FoldName(scheme.GetName().View()));
  std::vector<VString> unlisted;
  VProfileKeyIterator names(&key, true);
  for (VString name; names.Next(name);)
    if (!listed.contains(FoldName(name.View()))) unlisted.push_back(name);
  // Deleted after the walk so that the walk's positions stay valid.
  for (VString const& name : unlisted) key.DeleteValue(name);
}

bool ProfileColorSchemeList::IsModified() const {
  return !std::ranges::equal(m_schemes, m_checkpoint, [](Scheme const& a, Scheme const& b) {
    return a.Current() == b.Current();
  });
}

void ProfileColorSchemeList::ApplyDelta(VProfileData const* other) {
  auto const* list = dynamic_cast<ProfileColorSchemeList const*>(other);
  if (!list) return;
  SetName(list->GetName());
  m_schemes = list->m_schemes;
}

VString ProfileColorSchemeList::ToText() const {
  VStringArray names;
  for (Scheme const& scheme : m_schemes) names.Add(scheme.GetName());
  return VTextList::Format(names);
}

bool ProfileColorSchemeList::FromText(VString const& text, VString& error) {
  error = VOptionText::Refusal(GetName(), Form(), text);
  return false;
}

VString ProfileColorSchemeList::DefaultListText() {
  VStringArray names;
  for (BuiltInScheme const& row : kBuiltIns) names.Add(row.name);
  return VTextList::Format(names);
}

ProfileColorSchemeList::Scheme ProfileColorSchemeList::Find(char const* name) const {
  if (int const index = IndexOf(name); index >= 0) return m_schemes[static_cast<size_t>(index)];
  if (int const index = IndexOf(kMonochrome); index >= 0) return m_schemes[static_cast<size_t>(index)];
  // Only a caller that removed "Monochrome" gets here; the default colours are Monochrome's.
  Scheme monochrome;
  monochrome.SetName(kMonochrome);
  return monochrome;
}

void ProfileColorSchemeList::Add(char const* name, ColorScheme const& colors) {
  Scheme& scheme = m_schemes.emplace_back();
  scheme.SetName(name);
  scheme = colors;
  scheme.SetDirty(true);
}

void ProfileColorSchemeList::RemoveAt(int index) {
  if (index < 0 || index >= GetCount()) throw std::out_of_range("colour scheme index " + std::to_string(index));
  m_schemes.erase(m_schemes.begin() + index);
}

int ProfileColorSchemeList::IndexOf(char const* name) const {
  std::string const folded = FoldName(name ? name : "");
  auto const found = std::ranges::find_if(
      m_schemes, [&folded](Scheme const& scheme) { return FoldName(scheme.GetName().View()) == folded; });
  return found == m_schemes.end() ? -1 : static_cast<int>(found - m_schemes.begin());
}
