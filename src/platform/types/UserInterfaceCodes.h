// The platform's message-box styles, button answers and system colour indexes, with their
// numeric values, so that stored and exchanged codes keep their meaning.
#pragma once

#include <cstdint>

// Colours: red in the low byte, then green, then blue.
using COLORREF = uint32_t;

// Button sets (the low four bits of a message-box type).
constexpr unsigned int MB_OK = 0x0;
constexpr unsigned int MB_OKCANCEL = 0x1;
constexpr unsigned int MB_YESNOCANCEL = 0x3;
constexpr unsigned int MB_YESNO = 0x4;
constexpr unsigned int MB_TYPEMASK = 0xF;

// Icons.
constexpr unsigned int MB_ICONERROR = 0x10;
constexpr unsigned int MB_ICONQUESTION = 0x20;
constexpr unsigned int MB_ICONWARNING = 0x30;
constexpr unsigned int MB_ICONEXCLAMATION = MB_ICONWARNING;  // the same icon under its other name
constexpr unsigned int MB_ICONINFORMATION = 0x40;
constexpr unsigned int MB_ICONMASK = 0xF0;

// Which button is the default (the first unless one of these is given).
constexpr unsigned int MB_DEFBUTTON1 = 0x000;
constexpr unsigned int MB_DEFBUTTON2 = 0x100;
constexpr unsigned int MB_DEFBUTTON3 = 0x200;
constexpr unsigned int MB_DEFMASK = 0xF00;

// Answers.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// System colour indexes.
constexpr int COLOR_WINDOW = 5;
constexpr int COLOR_WINDOWTEXT = 8;
