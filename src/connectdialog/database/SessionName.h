// The rules a folder or session name follows wherever a name is made (the tool, the dialogs,
// imports): not empty, none of \ / : * ? " < > |, at most SessionDatabase::kMaxNameBytes bytes, and
// not one of the store's own entry names.
#pragma once

#include <string>

struct SessionName {
  static constexpr char kForbidden[] = "\\/:*?\"<>|";

  // Why `name` cannot name a folder or a session; empty when it can.
  static std::string Problem(std::string const& name);
  static std::string TooLong(std::string const& name);
  // `name` with each forbidden character made '_'.
  static std::string Safe(std::string name);
};
