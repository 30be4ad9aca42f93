#include "dialogs/GlobalTabsPage.h"

#include <algorithm>

#include "VPageControls.h"
#include "database/GlobalConfig.h"
#include "dialogs/GlobalPageControls.h"
#include "terminal/RgbText.h"

namespace {

std::vector<VPageControl> Declarations() {
  VPageControl tabs = VPageControls::List(GlobalTabsPage::kTabs, "Click on each tab below to set its status indicator color.",
                                          "", {{"Connected", ""}, {"Disconnected", ""}, {"New input", ""}});
  tabs.choiceValues.clear();
  std::vector<VPageControl> controls{tabs, VPageControls::Color(GlobalTabsPage::kColor, "Status indicator &color:", "")};
  for (VPageControl& control : GlobalPageControls::Tabs()) controls.push_back(std::move(control));
  return controls;
}

std::array<GlobalConfig::Number*, 3> ColorOptions(GlobalConfig& options) {
  return {&options.connectedColor, &options.disconnectedColor, &options.newInputColor};
}

}  // namespace

GlobalTabsPage::GlobalTabsPage(GlobalConfig& options) : VPropertyTreePage(11468, "Tabs", Declarations()), m_options(options) {}

int GlobalTabsPage::TabIndex(std::string const& tab) const {
  std::vector<std::string> const& tabs = Control(kTabs)->choices;
  return static_cast<int>(std::find(tabs.begin(), tabs.end(), tab) - tabs.begin());
}

bool GlobalTabsPage::OnSetActive() {
  VPropertyTreePage::OnSetActive();
  std::array<GlobalConfig::Number*, 3> const options = ColorOptions(m_options);
  for (size_t i = 0; i < options.size(); ++i) m_colors[i] = static_cast<COLORREF>(static_cast<int>(*options[i]));
  m_tab = std::clamp(TabIndex(Control(kTabs)->value), 0, 2);
  Control(kTabs)->value = Control(kTabs)->choices[m_tab];
  Control(kColor)->value = Control(kColor)->shown = RgbText::Format(m_colors[m_tab]);
  return true;
}

bool GlobalTabsPage::KeepTyped() {
  VPageControl* color = Control(kColor);
  if (color->value == color->shown) return true;
  return RgbText::Parse(color->value, m_colors[m_tab]);
}

void GlobalTabsPage::OnControlChanged(VPageControl& control) {
  if (control.id != kTabs) return;
  if (!KeepTyped()) {
    control.value = control.choices[m_tab];  // the typed colour stays to be corrected
    Refuse(kColor, kBadColor);
    return;
  }
  m_tab = TabIndex(control.value);
  Control(kColor)->value = Control(kColor)->shown = RgbText::Format(m_colors[m_tab]);
}

bool GlobalTabsPage::OnKillActive() {
  if (!KeepTyped()) return Refuse(kColor, kBadColor);
  if (!VPropertyTreePage::OnKillActive()) return false;
  std::array<GlobalConfig::Number*, 3> const options = ColorOptions(m_options);
  for (size_t i = 0; i < options.size(); ++i)
    if (static_cast<COLORREF>(static_cast<int>(*options[i])) != m_colors[i]) *options[i] = static_cast<int>(m_colors[i]);
  Control(kColor)->shown = Control(kColor)->value = RgbText::Format(m_colors[m_tab]);
  return true;
}
