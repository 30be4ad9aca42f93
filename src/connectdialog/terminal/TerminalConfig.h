// How a session's terminal looks and behaves: emulation and modes, screen size and scrollback,
// colours and fonts, cursor, keymap names and the session's own key overrides, bells, window
// placement and bars, answerback and the optional user font map. An option record stored in the
// session's own key, 73 options in table order (Lookup's index).
//
// Loading repairs what the host could not use: an unknown emulation becomes "VT100", "Cols" is
// held to the global "Max Columns" and "Scrollback" to 32000; such a repair changes the value
// and keeps the stored one as checkpoint, so the record reports itself modified. Several
// defaults follow the emulation ("ANSI" is white on black in the "Terminal" font).
// The user font map is read when the record is loaded and shared, unchanged, by every copy.
// Host's user-interface thread only.
#pragma once

#include <memory>

#include "VLogFont.h"
#include "VProfile.h"
#include "VProfile2.h"
#include "VProfileRecord.h"
#include "VProfileTable.h"
#include "platform/types/CString.h"
#include "platform/types/WindowPlacement.h"
#include "terminal/ProfileKeymap.h"
#include "terminal/UserFontMapReader.h"

class TerminalConfig : public VProfileRecord {
 public:
  using Number = VProfile<int>;
  using Flag = VProfile<bool>;
  using Text = VProfile2<VString, VProfileSz>;
  using Placement = VProfile2<WINDOWPLACEMENT, VProfileBinary>;
  using Font = VProfile2<VLogFont, VProfileBinary>;
  using FontMap = UserFontMapReader::FontMap;

  static constexpr int kMaxScrollback = 32000;

  // Every option from `key` (null: defaults only, all dirty), repaired as described above.
  explicit TerminalConfig(VProfileKey* key);
  TerminalConfig(TerminalConfig const&) = default;
  TerminalConfig& operator=(TerminalConfig const&) = default;
  ~TerminalConfig() override = default;

  VProfileOptionTable const& ProfileTable() const override { return _profileOffsets; }

  // Loads every option and the font map again; a record nested in another one loads this way too.
  void Load(VProfileKey* key);

  using VProfileRecord::ApplyDelta;
  // Takes over, value name and value, each option that `other` changed since its last
  // checkpoint, and marks it dirty. The font map stays this record's own.
  void ApplyDelta(TerminalConfig const* other);

  // The map read at the last load; null when "User Font Map" is empty or could not be read.
  std::shared_ptr<FontMap const> const& GetFontMap() const { return m_fontMap; }

  // The file's map, or null after reporting 0xE1600006 to the host's router when it cannot be
  // opened. Lines that are no number leave their entry 0.
  static std::shared_ptr<FontMap const> LoadUserFontMap(char const* path);

  // One coordinate of an xterm geometry ("-20" is 20 from the far edge). False for a "-" that is
  // not the first character, for anything after the number and for overflow; the outputs may
  // have been written even then. An empty text is 0.
  static bool ParseXtermPosition(CString text, int& value, bool& negative);

  Number ansiColor;
  Text emulation, defaultScs;
  Number keypadMode, lineWrap, cursorKeyMode, newlineMode, enableColumnSwitching, enableCursorKeyModeSwitching;
  Number enableKeypadModeSwitching, enableLineWrapModeSwitching, sgrZeroResetsAnsiColor, scoLineWrap, displayTab;
  Text displayTabString;
  Placement windowPlacement;
  Flag isFullScreen;
  Number rows, cols, scrollback, resizeMode, syncViewRows, syncViewCols, horizontalScrollbar, verticalScrollbar;
  Text colorScheme;
  Font normalFont, narrowFont;
  Number useNarrowFont;
  Text outputTransformerName;
  Flag useUnicodeLineDrawing, blinkingCursor;
  Number cursorStyle;
  Flag useCursorColor;
  Number cursorColor, foreground, background, bold, mapDelete, mapBackspace;
  Text keymapName, keymapFilename;
  Number useAlternateKeyboard, emacsMode, emacsMode8Bit, preserveAltGr;
  ProfileKeymap keymap;
  Number jumpScroll, audioBell, visualBell;
  Flag scrollToClear;
  Number closeOnDisconnect, clearOnDisconnect, scrollToBottomOnOutput, scrollToBottomOnKeypress, cuaCopyPaste;
  Number useTerminalType;
  Text terminalType;
  Number useAnswerback;
  Text answerback;
  Number usePosition, xPosition, xPositionRelativeLeft, yPosition, yPositionRelativeTop, localEcho, strip8thBit;
  Flag shiftForcesLocalMouseOperations;
  Number showToolbar, showMenuBar, showStatusBar, showChatWindow;
  Text userFontMap;

 private:
  void RepairEmulation();
  void ClampSize();
  void ApplyResizeRule(VProfileKey* key);
  void DefaultFontsAndColors(VProfileKey* key);
  void ApplyKeymapRule();

  static VProfileTable<TerminalConfig> const _profileOffsets;

  std::shared_ptr<FontMap const> m_fontMap;
};
