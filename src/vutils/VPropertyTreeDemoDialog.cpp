#include "VPropertyTreeDemoDialog.h"

#include "VPageControls.h"

namespace {

using Kind = VControlKind;
using Demo = VPropertyTreeDemoDialog;
using VPageControls::Bound;

VPageControl Ranged(int id, std::string label, std::string option, int minimum, int maximum) {
  VPageControl control = Bound(id, Kind::Number, std::move(label), std::move(option));
  control.minimum = minimum;
  control.maximum = maximum;
  return control;
}

VPageControl DefaultsButton() {
  VPageControl button = Bound(Demo::kDefaults, Kind::Button, "&Defaults", "");
  button.onClick = [](VPropertyTreePage& page) {
    page.ResetControl(Demo::kMaximumColumns);
    page.ResetControl(Demo::kScrollbackLines);
  };
  return button;
}

VPageControl CursorChoice() {
  VPageControl control = Bound(Demo::kCursorStyle, Kind::Choice, "C&ursor:", "Cursor Style");
  control.choices = {"Block", "Underline", "Vertical bar"};
  return control;
}

VPageControl LogFileEdit() {
  VPageControl control = Bound(Demo::kLogFile, Kind::Text, "Log &file:", "Log File");
  control.enabledBy = Demo::kLogSession;
  return control;
}

}  // namespace

VPropertyPageStateMap VPropertyTreeDemoDialog::m_pageStateMap;

VPropertyTreeDemoDialog::VPropertyTreeDemoDialog(VPropertyTreeDemoSettings& settings)
    : VPropertyTreeDialog("Demo Options", VPropertyTreeIds{100, 1000, 1010, 1011}, nullptr, &m_pageStateMap),
      m_settings(settings),
      m_options(settings),
      m_general(200, "General",
                {Bound(kSessionName, Kind::Text, "Session &name:", "Session Name"),
                 Bound(kAudibleBell, Kind::Check, "Audible &bell", "Audible Bell")}),
      m_appearance(201, "Appearance", {CursorChoice()}),
      m_colors(202, "Colors", {Bound(kBoldColors, Kind::Check, "Use &bold colors", "Bold Colors")}),
      m_terminal(203, "Terminal",
                 {Ranged(kMaximumColumns, "&Maximum columns:", "Maximum Columns", 132, 1024),
                  Ranged(kScrollbackLines, "&Scrollback lines:", "Scrollback Lines", 0, 32000), DefaultsButton()}),
      m_logging(204, "Logging",
                {Bound(kLogSession, Kind::Check, "&Log session", "Log Session"), LogFileEdit()}) {
  m_general.SetTitle("General\nGeneral");
  m_appearance.SetTitle("Appearance\nWindow and Text Appearance");
  m_terminal.SetTitle("Terminal\nTerminal Size");
  for (VPropertyTreePage* page : {&m_general, &m_appearance, &m_colors, &m_terminal, &m_logging})
    page->BindOptions(&m_options);
  m_general.AddChildPage(&m_appearance);
  m_appearance.AddChildPage(&m_colors);
  AddPage(&m_general);
  AddPage(&m_terminal);
  AddPage(&m_logging);
}

void VPropertyTreeDemoDialog::Open() {
  m_settings.Checkpoint();
  VPropertyTreeDialog::Open();
}

void VPropertyTreeDemoDialog::OnCancel() {
  m_settings.Rollback();
  VPropertyTreeDialog::OnCancel();
}
