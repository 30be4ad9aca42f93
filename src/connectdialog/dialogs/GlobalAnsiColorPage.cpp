#include "dialogs/GlobalAnsiColorPage.h"

#include <array>

#include "VOptionList.h"
#include "VPageControls.h"
#include "database/GlobalConfig.h"
#include "terminal/RgbText.h"

namespace {

char const* const kNames[] = {"Black", "Red", "Green", "Yellow", "Blue", "Magenta", "Cyan", "White"};

// The colours of the option's text form: 64 bytes in hex, four little-endian bytes a colour.
bool ParseTable(std::string const& hex, GlobalConfig::ColorTable& table) {
  if (hex.size() != table.size() * 8) return false;
  for (size_t i = 0; i < table.size(); ++i) {
    COLORREF color = 0;
    for (int byte = 3; byte >= 0; --byte) color = color << 8 | std::stoul(hex.substr(i * 8 + byte * 2, 2), nullptr, 16);
    table[i] = color;
  }
  return true;
}

}  // namespace

GlobalAnsiColorPage::GlobalAnsiColorPage(GlobalConfig& options)
    : VPropertyTreePage(11410, "ANSI Color", Declarations()), m_options(options) {
  Control(kNormalDefaults)->onClick = [this](VPropertyTreePage&) { RestoreDefaults(kFirstNormal); };
  Control(kBoldDefaults)->onClick = [this](VPropertyTreePage&) { RestoreDefaults(kFirstBold); };
}

std::vector<VPageControl> GlobalAnsiColorPage::Declarations() {
  std::vector<VPageControl> controls{VPageControls::Bound(1238, VControlKind::Label, "&Normal colors", "")};
  for (int i = 0; i < 8; ++i) controls.push_back(VPageControls::Color(kFirstNormal + i, kNames[i], ""));
  controls.push_back(VPageControls::Bound(kNormalDefaults, VControlKind::Button, "&Default", ""));
  controls.push_back(VPageControls::Bound(1239, VControlKind::Label, "&Bold colors", ""));
  for (int i = 0; i < 8; ++i) controls.push_back(VPageControls::Color(kFirstBold + i, kNames[i], ""));
  controls.push_back(VPageControls::Bound(kBoldDefaults, VControlKind::Button, "D&efault", ""));
  return controls;
}

bool GlobalAnsiColorPage::OnSetActive() {
  VPropertyTreePage::OnSetActive();
  GlobalConfig::ColorTable const& table = m_options.ansiColorRgb;
  for (size_t i = 0; i < table.size(); ++i) {
    VPageControl* control = Control(kFirstNormal + static_cast<int>(i));
    control->value = control->shown = RgbText::Format(table[i]);
  }
  return true;
}

void GlobalAnsiColorPage::RestoreDefaults(int first) {
  VOption const* option = Options() ? Options()->Find("ANSI Color RGB") : nullptr;
  GlobalConfig::ColorTable defaults{};
  if (!option || !ParseTable(option->DefaultText().Str(), defaults)) return;
  for (int i = 0; i < 8; ++i) Control(first + i)->value = RgbText::Format(defaults[first - kFirstNormal + i]);
}

bool GlobalAnsiColorPage::OnKillActive() {
  GlobalConfig::ColorTable table = m_options.ansiColorRgb;
  bool changed = false;
  for (size_t i = 0; i < table.size(); ++i) {
    VPageControl* control = Control(kFirstNormal + static_cast<int>(i));
    if (!RgbText::Parse(control->value, table[i]))
      return Refuse(control->id, "Please enter a color as six hexadecimal digits (RRGGBB).");
    changed = changed || control->value != control->shown;
  }
  if (!VPropertyTreePage::OnKillActive()) return false;
  if (changed) m_options.ansiColorRgb = table;
  for (size_t i = 0; i < table.size(); ++i) Control(kFirstNormal + static_cast<int>(i))->shown = RgbText::Format(table[i]);
  return true;
}
