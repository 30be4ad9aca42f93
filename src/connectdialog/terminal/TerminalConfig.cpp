#include "terminal/TerminalConfig.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <initializer_list>
#include <string_view>

#include "VFile.h"
#include "VProfileKey.h"
#include "VReportMessageParams.h"
#include "VReportMessageRouter.h"
#include "library/TerminalColumnLimit.h"
#include "platform/types/FileConstants.h"
#include "resources/MessageCodes.h"
#include "terminal/TerminalNameLists.h"

namespace {

constexpr int kWhite = 0xFFFFFF;

bool EqualsNoCase(VString const& text, std::string_view other) {
  if (text.Length() != other.size()) return false;
  for (size_t i = 0; i < other.size(); ++i) {
    auto const lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(text[i]) != lower(other[i])) return false;
  }
  return true;
}

bool IsOneOf(VString const& text, std::initializer_list<char const*> names) {
  for (char const* name : names)
    if (text == name) return true;
  return false;
}

// The table loads with the defaults of a plain session; an option the key did not hold takes
// the default that follows from the options loaded before it instead.
template <typename Value, typename T>
void DefaultIfAbsent(Value& value, T const& defaultValue) {
  if (value.IsDirty()) value.Load(nullptr, defaultValue);
}

}  // namespace

TerminalConfig::TerminalConfig(VProfileKey* key) { Load(key); }

void TerminalConfig::Load(VProfileKey* key) {
  VProfileRecord::Load(key);
  RepairEmulation();
  ClampSize();
  ApplyResizeRule(key);
  DefaultFontsAndColors(key);
  ApplyKeymapRule();
  m_fontMap = userFontMap.IsEmpty() ? nullptr : LoadUserFontMap(userFontMap.c_str());
}

// Older hosts wrote "SCO-ANSI"; names are otherwise compared exactly, so "vt220" is unknown.
void TerminalConfig::RepairEmulation() {
  if (emulation == "SCO-ANSI") emulation = "SCOANSI";
  bool const ansiColors = IsOneOf(emulation, {"ANSI", "Linux", "SCOANSI"}) ||
                          (emulation == "Gatehold" && TerminalNameLists::HasGatehold());
  if (!ansiColors && !IsOneOf(emulation, {"WYSE50", "WYSE60", "VT220", "VT102", "Xterm"})) emulation = "VT100";
  DefaultIfAbsent(ansiColor, ansiColors ? 1 : 0);
}

void TerminalConfig::ClampSize() {
  unsigned long const limit = TerminalColumnLimit();
  // A negative width converts to a huge one and is clamped too, as before.
  if (static_cast<unsigned long>(static_cast<int>(cols)) > limit) {
    cols = static_cast<int>(limit);
    cols.SetDirty(true);
  }
  if (scrollback > kMaxScrollback) scrollback = kMaxScrollback;
}

// Sessions from before "Resize Mode" turned syncing off to keep a fixed size: mode 2.
void TerminalConfig::ApplyResizeRule(VProfileKey* key) {
  if (key && syncViewRows == 0 && syncViewCols == 0) DefaultIfAbsent(resizeMode, 2);
  if (resizeMode == 1) {
    syncViewRows = 0;
    syncViewCols = 0;
  }
}

// The default font comes from the values older hosts kept the font in.
void TerminalConfig::DefaultFontsAndColors(VProfileKey* key) {
  bool const ansi = emulation == "ANSI";
  VString family = ansi ? "Terminal" : "vt100";
  unsigned long size = ansi ? 12 : 13;
  if (key) {
    VString storedFamily;
    if (key->GetSz("Font Family", storedFamily)) family = storedFamily;
    unsigned long storedSize = 0;
    if (key->GetDword("Font Size", storedSize)) size = storedSize;
  }
  DefaultIfAbsent(foreground, ansi ? kWhite : 0);
  DefaultIfAbsent(background, ansi ? 0 : kWhite);
  DefaultIfAbsent(bold, ansi ? kWhite : 0);
  VLogFont const font(static_cast<int32_t>(static_cast<uint32_t>(size)), family.c_str());
  DefaultIfAbsent(normalFont, font);
  DefaultIfAbsent(narrowFont, font);
}

// A named keymap other than "Default" only takes effect on the alternate keyboard, so sessions
// that never stored the switch get it turned on for them.
void TerminalConfig::ApplyKeymapRule() {
  DefaultIfAbsent(keymapName, emulation == "VT220" ? "VT220" : "Default");
  bool const heldAlternate = !useAlternateKeyboard.IsDirty();
  if (EqualsNoCase(keymapName, "Custom")) useAlternateKeyboard = 1;
  if (keymapName == "SCO-ANSI") keymapName = "SCOANSI";
  if (!heldAlternate && !EqualsNoCase(keymapName, "Default")) useAlternateKeyboard = 1;
}

void TerminalConfig::ApplyDelta(TerminalConfig const* other) {
  if (other == nullptr) return;
  for (int i = 0; i < ProfileTable().Count(); ++i) {
    VProfileData const* theirs = other->Lookup(i);
    if (!theirs->IsModified()) continue;
    VProfileData* mine = Lookup(i);
    mine->ApplyDelta(theirs);
    mine->SetName(theirs->GetName().c_str());
    mine->SetDirty(true);
  }
}

std::shared_ptr<TerminalConfig::FontMap const> TerminalConfig::LoadUserFontMap(char const* path) {
  VFile file;
  if (path == nullptr || !file.Open(path, GENERIC_READ, OPEN_EXISTING)) {
    VReportMessageParams report(message::kFontMapNotFound, MessageModule::Library());
    report.AddString(path);
    ReportMessage(0, report);
    return nullptr;
  }
  UserFontMapReader reader;
  VString line;
  while (!reader.Full() && file.ReadLine(line)) reader.ReadLine(line.View());
  return reader.Map();
}

bool TerminalConfig::ParseXtermPosition(CString text, int& value, bool& negative) {
  std::string_view const whole = text.Str();
  if (whole.find('-', 1) != std::string_view::npos) return false;
  negative = whole.starts_with('-');
  errno = 0;
  char* end = nullptr;
  long const number = std::strtol(text.c_str(), &end, 10);
  if (errno == ERANGE || number < -INT_MAX || number > INT_MAX) return false;
  value = static_cast<int>(number < 0 ? -number : number);
  return end == text.c_str() + whole.size();
}
