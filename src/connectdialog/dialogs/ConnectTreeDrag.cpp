#include "dialogs/ConnectTreeDrag.h"

#include <sstream>

ConnectTreeDrag::Zone ConnectTreeDrag::ZoneAt(int y, int height) {
  if (y < kEdgePixels) return Zone::Before;
  if (y >= height - kEdgePixels) return Zone::After;
  return Zone::On;
}

int ConnectTreeDrag::ScrollAt(int y, int height) {
  if (y < kScrollPixels) return -1;
  if (y >= height - kScrollPixels) return 1;
  return 0;
}

bool ConnectTreeDrag::EffectOfKeys(std::string const& keys, Effect& effect) {
  if (keys.empty()) return false;
  bool ctrl = false, alt = false, shift = false, none = false;
  std::istringstream words(keys);
  for (std::string word; std::getline(words, word, '+');) {
    for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    bool& key = word == "ctrl" ? ctrl : word == "alt" ? alt : word == "shift" ? shift : none;
    if (&key == &none && word != "none") return false;
    key = true;
  }
  if (none && (ctrl || alt || shift)) return false;
  effect = shift || (ctrl && alt) ? Effect::None : ctrl ? Effect::Copy : Effect::Move;
  return true;
}

bool ConnectTreeDrag::ParseZone(std::string const& text, Zone& zone) {
  if (text == "before") zone = Zone::Before;
  else if (text == "on") zone = Zone::On;
  else if (text == "after") zone = Zone::After;
  else return false;
  return true;
}

void ConnectTreeDrag::Start(FolderTreeRecord record, bool sourceIsFolder) {
  End();
  m_active = true;
  m_record = std::move(record);
  m_sourceIsFolder = sourceIsFolder;
}

void ConnectTreeDrag::End() {
  m_active = false;
  m_hovering = false;
  m_hoverPath.clear();
  m_wait.Stop();
  Show("", Zone::On, false);
}

void ConnectTreeDrag::Hover(std::string const& path, uint64_t wait) {
  if (m_hovering && path == m_hoverPath) return;
  m_hovering = true;
  m_hoverPath = path;
  m_wait.Start(wait);
}

bool ConnectTreeDrag::TakeHoverDue() {
  if (!m_wait.IsDue()) return false;
  m_wait.Stop();
  return true;
}

void ConnectTreeDrag::Show(std::string const& path, Zone zone, bool offered) {
  m_targetPath = path;
  m_targetZone = zone;
  m_offered = offered;
}
