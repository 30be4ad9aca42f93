// The codes of the library's messages, made from its message table, so that a code is written
// once: in ConnectDialogMessages.inc beside its text.
#pragma once

namespace message {

#define CONNECTDIALOG_MESSAGE(name, code, text) inline constexpr unsigned long name = code;
#include "resources/ConnectDialogMessages.inc"
#undef CONNECTDIALOG_MESSAGE

}  // namespace message
