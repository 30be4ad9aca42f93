#include "terminal/KeymapBuiltIn.h"

#include <cstdio>
#include <initializer_list>

#include "platform/types/VirtualKeys.h"
#include "terminal/Keymap.h"

namespace {

constexpr int N = 0;
constexpr int E = Keymap::kExtended;
constexpr int C = Keymap::kCtrl;
constexpr int S = Keymap::kShift;
constexpr int A = Keymap::kAlt;

// One entry: a function, or (when `send` is set) a string to send, stored as written.
struct Entry {
  int index;
  int code;
  char const* send = nullptr;
};

Entry Send(int index, char const* value) { return {index, KeymapCode::SEND, value}; }

void Apply(Keymap& keymap, std::initializer_list<Entry> entries) {
  for (Entry const& entry : entries) {
    keymap.SetKeyCode(entry.index, entry.code);
    if (entry.send) keymap.SetKeyValue(entry.index, entry.send);
  }
}

// Consecutive keys first..first+count-1 mapped to consecutive functions from `code`.
void ApplyRun(Keymap& keymap, int modifiers, int firstKey, int count, int code) {
  for (int i = 0; i < count; ++i) keymap.SetKeyCode(modifiers | (firstKey + i), code + i);
}

template <typename... Args>
void SendFormatted(Keymap& keymap, int index, char const* format, Args... args) {
  char value[32];
  std::snprintf(value, sizeof value, format, args...);
  Apply(keymap, {Send(index, value)});
}

void GateholdKey(Keymap& keymap, int modifiers, int key) {
  int const byte = ((modifiers & S) ? 1 : 0) | ((modifiers & C) ? 2 : 0) | ((modifiers & A) ? 4 : 0) |
                   ((modifiers & E) ? 64 : 0);
  SendFormatted(keymap, modifiers | key, "\\%03o\\%03o\\%03o", 255, byte, key);
}

void GateholdRange(Keymap& keymap, std::initializer_list<int> modifierSets, int firstKey, int lastKey) {
  for (int modifiers : modifierSets)
    for (int key = firstKey; key <= lastKey; ++key) GateholdKey(keymap, modifiers, key);
}

}  // namespace

void KeymapBuiltIn::Default(Keymap& keymap) {
  using K = KeymapCode;
  Apply(keymap, {Send(N | VK_BACK, "\\010"), {N | VK_PRIOR, K::SB_PAGE_UP}, {N | VK_NEXT, K::SB_PAGE_DOWN},
                 {N | VK_END, K::SB_END}, {N | VK_LEFT, K::VT_CURSOR_LEFT}, {N | VK_UP, K::VT_CURSOR_UP},
                 {N | VK_RIGHT, K::VT_CURSOR_RIGHT}, {N | VK_DOWN, K::VT_CURSOR_DOWN}, Send(N | VK_DELETE, "\\177"),
                 {E | VK_PRIOR, K::SB_PAGE_UP}, {E | VK_NEXT, K::SB_PAGE_DOWN}, {E | VK_END, K::SB_END},
                 {E | VK_LEFT, K::VT_CURSOR_LEFT}, {E | VK_UP, K::VT_CURSOR_UP}, {E | VK_RIGHT, K::VT_CURSOR_RIGHT},
                 {E | VK_DOWN, K::VT_CURSOR_DOWN}, Send(E | VK_DELETE, "\\177"),
                 Send(C | VK_BACK, "\\177"), {C | VK_TAB, K::MENU_TAB_NEXT}, {C | VK_PAUSE, K::TN_BREAK},
                 Send(C | VK_SPACE, "\\000"), {C | VK_PRIOR, K::SB_LINE_UP}, {C | VK_NEXT, K::SB_LINE_DOWN},
                 Send(C | VK_2, "\\000"), Send(C | VK_6, "\\036"), {C | VK_F4, K::MENU_TAB_CLOSE},
                 Send(C | 0xBF, "\\037"), Send(C | 0xDC, "\\034"),
                 {C | E | VK_PRIOR, K::SB_LINE_UP}, {C | E | VK_NEXT, K::SB_LINE_DOWN},
                 Send(S | VK_BACK, "\\010"), Send(S | VK_DELETE, "\\177"), Send(S | E | VK_DELETE, "\\177"),
                 {C | S | VK_TAB, K::MENU_TAB_PREV}, Send(C | S | VK_2, "\\000"), Send(C | S | VK_6, "\\036"),
                 Send(C | S | 0xBD, "\\037"), Send(C | S | 0xBF, "\\037"),
                 {A | VK_RETURN, K::MENU_TOGGLE_FULL_SCREEN}, {A | VK_0, K::MENU_TAB_10}});
  ApplyRun(keymap, N, VK_F1, 4, K::VT_PF1);
  ApplyRun(keymap, A, VK_1, 9, K::MENU_TAB_1);
}

void KeymapBuiltIn::VT100(Keymap& keymap, bool pcKeypadAsPF) {
  using K = KeymapCode;
  Apply(keymap, {{N | VK_CLEAR, K::VT_KEYPAD_5}, {N | VK_PRIOR, K::VT_KEYPAD_9}, {N | VK_NEXT, K::VT_KEYPAD_3},
                 {N | VK_END, K::VT_KEYPAD_1}, {N | VK_HOME, K::VT_KEYPAD_7}, {N | VK_LEFT, K::VT_KEYPAD_4},
                 {N | VK_UP, K::VT_KEYPAD_8}, {N | VK_RIGHT, K::VT_KEYPAD_6}, {N | VK_DOWN, K::VT_KEYPAD_2},
                 {N | VK_INSERT, K::VT_KEYPAD_0}, {N | VK_DELETE, K::VT_KEYPAD_PERIOD},
                 {N | VK_ADD, K::VT_KEYPAD_COMMA}, {N | VK_DECIMAL, K::VT_KEYPAD_PERIOD},
                 {E | VK_RETURN, K::VT_KEYPAD_ENTER}, {E | VK_LEFT, K::VT_CURSOR_LEFT}, {E | VK_UP, K::VT_CURSOR_UP},
                 {E | VK_RIGHT, K::VT_CURSOR_RIGHT}, {E | VK_DOWN, K::VT_CURSOR_DOWN}, {E | VK_ADD, K::VT_KEYPAD_COMMA},
                 {C | VK_ADD, K::VT_KEYPAD_MINUS}, {C | E | VK_PAUSE, K::VT_PF1}, {C | E | VK_ADD, K::VT_KEYPAD_MINUS},
                 {S | E | VK_NUMLOCK, K::VT_PF1}, {C | S | E | VK_NUMLOCK, K::VT_PF1}});
  ApplyRun(keymap, N, VK_NUMPAD0, 10, K::VT_KEYPAD_0);
  if (pcKeypadAsPF)
    Apply(keymap, {{N | VK_MULTIPLY, K::VT_PF3}, {N | VK_SUBTRACT, K::VT_PF4}, {E | VK_DIVIDE, K::VT_PF2},
                   {E | VK_NUMLOCK, K::VT_PF1}});
}

void KeymapBuiltIn::VT220(Keymap& keymap) {
  using K = KeymapCode;
  VT100(keymap, true);
  // Unmapped here, so that F3 and F4 reach PF3 and PF4 of the default fallback.
  Apply(keymap, {{N | VK_F3, K::NONE}, {N | VK_F4, K::NONE}});
  Apply(keymap, {{N | VK_F1, K::VT_HOLD_SCREEN}, {N | VK_F2, K::VT_PRINT_SCREEN}, {N | VK_F5, K::TN_BREAK},
                 {E | VK_PRIOR, K::VT_REMOVE}, {E | VK_NEXT, K::VT_NEXT_SCREEN}, {E | VK_END, K::VT_PREV_SCREEN},
                 {E | VK_HOME, K::VT_INSERT_HERE}, {E | VK_INSERT, K::VT_FIND}, {E | VK_DELETE, K::VT_SELECT},
                 {C | VK_F2, K::VT_AUTO_PRINT}, {S | VK_F1, K::VT_F11}, {S | VK_F2, K::VT_F12},
                 {S | VK_F11, K::VT_F11}, {S | VK_F12, K::VT_F12}});
  ApplyRun(keymap, N, VK_F6, 7, K::VT_F6);
  ApplyRun(keymap, S, VK_F3, 8, K::VT_F13);
}

void KeymapBuiltIn::Linux(Keymap& keymap) {
  using K = KeymapCode;
  VT100(keymap, false);
  Apply(keymap, {Send(N | VK_F1, "\\e[[A"), Send(N | VK_F2, "\\e[[B"), Send(N | VK_F3, "\\e[[C"),
                 Send(N | VK_F4, "\\e[[D"), Send(N | VK_F5, "\\e[[E"),
                 {E | VK_PRIOR, K::VT_PREV_SCREEN}, {E | VK_NEXT, K::VT_NEXT_SCREEN}, {E | VK_END, K::VT_SELECT},
                 {E | VK_HOME, K::VT_FIND}, {E | VK_INSERT, K::VT_INSERT_HERE}, {E | VK_DELETE, K::VT_REMOVE},
                 {S | VK_PRIOR, K::SB_PAGE_UP}, {S | VK_NEXT, K::SB_PAGE_DOWN},
                 {S | E | VK_PRIOR, K::SB_PAGE_UP}, {S | E | VK_NEXT, K::SB_PAGE_DOWN}});
  ApplyRun(keymap, N, VK_F6, 15, K::VT_F6);
}

void KeymapBuiltIn::Xterm(Keymap& keymap) {
  using K = KeymapCode;
  Apply(keymap, {Send(N | VK_CLEAR, "\\e[E"), Send(N | VK_PRIOR, "\\e[5~"), Send(N | VK_NEXT, "\\e[6~"),
                 Send(N | VK_END, "\\e[4~"), Send(N | VK_HOME, "\\e[1~"), Send(N | VK_LEFT, "\\e[D"),
                 Send(N | VK_UP, "\\e[A"), Send(N | VK_RIGHT, "\\e[C"), Send(N | VK_DOWN, "\\e[B"),
                 Send(N | VK_INSERT, "\\e[2~"), Send(N | VK_DELETE, "\\e[3~"), Send(N | VK_MULTIPLY, "*"),
                 Send(N | VK_ADD, "+"), Send(N | VK_SUBTRACT, "-"), Send(N | VK_F5, "\\e[15~"),
                 Send(N | VK_F6, "\\e[17~"), Send(N | VK_F7, "\\e[18~"), Send(N | VK_F8, "\\e[19~"),
                 Send(N | VK_F9, "\\e[20~"), Send(N | VK_F10, "\\e[21~"), Send(N | VK_F11, "\\e[23~"),
                 Send(N | VK_F12, "\\e[24~"),
                 Send(E | VK_PRIOR, "\\e[5~"), Send(E | VK_NEXT, "\\e[6~"), Send(E | VK_END, "\\e[4~"),
                 Send(E | VK_HOME, "\\e[1~"), Send(E | VK_INSERT, "\\e[2~"), Send(E | VK_DELETE, "\\e[3~"),
                 Send(E | VK_DIVIDE, "/"), {E | VK_NUMLOCK, K::DISABLED}, Send(A | VK_F1, "")});
  ApplyRun(keymap, N, VK_F1, 4, K::VT_PF1);
  ApplyRun(keymap, N, VK_F13, 8, K::VT_F13);
}

void KeymapBuiltIn::SCOANSI(Keymap& keymap) {
  for (int modifiers : {N, E})
    Apply(keymap, {Send(modifiers | VK_PRIOR, "\\033[I"), Send(modifiers | VK_NEXT, "\\033[G"),
                   Send(modifiers | VK_END, "\\033[F"), Send(modifiers | VK_HOME, "\\033[H"),
                   Send(modifiers | VK_LEFT, "\\033[D"), Send(modifiers | VK_UP, "\\033[A"),
                   Send(modifiers | VK_RIGHT, "\\033[C"), Send(modifiers | VK_DOWN, "\\033[B"),
                   Send(modifiers | VK_INSERT, "\\033[L")});
  // The final character of each function key's sequence, F1 to F12, per modifier set.
  struct Row {
    int modifiers;
    char const* letters;
  };
  for (Row const& row : {Row{N, "MNOPQRSTUVWX"}, Row{S, "YZabcdefghij"}, Row{C, "klmnopqrstuv"},
                         Row{C | S, "wxyz@[\\]^_`{"}})
    for (int i = 0; i < 12; ++i) SendFormatted(keymap, row.modifiers | (VK_F1 + i), "\\033[%c", row.letters[i]);
  Apply(keymap, {Send(S | VK_TAB, "\\033[Z")});
}

void KeymapBuiltIn::Wyse(Keymap& keymap) {
  using K = KeymapCode;
  for (int n = 1; n <= 12; ++n) {
    int const key = VK_F1 + n - 1;
    SendFormatted(keymap, N | key, "\\001\\%03o\\015", 0x3F + n);
    SendFormatted(keymap, S | key, "\\001\\%03o\\015", 0x5F + n);
    SendFormatted(keymap, C | key, "\\%03o", 0x7F + n);
    SendFormatted(keymap, C | S | key, "\\%03o", 0x8F + n);
  }
  for (int modifiers : {N, S, E})
    Apply(keymap, {Send(modifiers | VK_LEFT, "\\010"), Send(modifiers | VK_UP, "\\013"),
                   Send(modifiers | VK_RIGHT, "\\014"), Send(modifiers | VK_DOWN, "\\012")});
  Apply(keymap, {Send(N | VK_DELETE, "\\335"), Send(S | VK_TAB, "\\033I"), Send(C | VK_BACK, "\\010"),
                 {C | VK_PAUSE, K::TN_BREAK}, Send(E | VK_PRIOR, "\\e\\112"), Send(E | VK_NEXT, "\\e\\113"),
                 Send(E | VK_END, "\\e\\124"), Send(E | VK_HOME, "\\036"), Send(E | VK_DELETE, "\\e\\127"),
                 Send(S | E | VK_HOME, "\\033{"), Send(S | E | VK_LEFT, "\\325"), Send(S | E | VK_UP, "\\328"),
                 Send(S | E | VK_RIGHT, "\\326"), Send(S | E | VK_DOWN, "\\327"), {C | E | VK_PRIOR, K::SB_LINE_UP},
                 {C | E | VK_NEXT, K::SB_LINE_DOWN}});
}

void KeymapBuiltIn::Gatehold(Keymap& keymap) {
  VT220(keymap);
  GateholdRange(keymap, {N, E, C, C | E, S, S | E, A, A | E}, VK_PRIOR, VK_HELP);
  GateholdRange(keymap, {N, C, S, A}, VK_F1, VK_F12);
  GateholdRange(keymap, {C, S, A}, VK_NUMPAD0, VK_DIVIDE);
  GateholdRange(keymap, {A}, VK_0, VK_9);
  GateholdRange(keymap, {A}, VK_A, VK_Z);
}
