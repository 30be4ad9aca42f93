// Applies the lines of a keymap file to a keymap, one at a time, and collects the errors of the
// bad ones as the text that the load report shows. A line is "MODIFIERS KEY ACTION" where the
// action is a quoted string to send, RUN("script"), or a function name; ";" starts a comment.
#pragma once

#include <string>
#include <string_view>

class Keymap;

class KeymapFileReader {
 public:
  explicit KeymapFileReader(Keymap& keymap) : m_keymap(keymap) {}

  // `line` is one line without its line feed and carriage returns; `number` counts from 1.
  // Once stopped, lines are ignored.
  void ReadLine(std::string_view line, int number);

  // At the third error reading stops at once: the rest of that line is not applied either.
  bool Stopped() const { return m_errorCount >= kMaxErrors; }
  int ErrorCount() const { return m_errorCount; }
  // The errors, one per line, joined by "\n".
  std::string const& ErrorText() const { return m_errors; }
  bool SawComment() const { return m_sawComment; }

 private:
  static constexpr int kMaxErrors = 3;

  struct Fields {
    std::string_view modifiers;
    std::string_view key;
    std::string_view action;
  };

  static bool Split(std::string_view line, Fields& fields);
  int ReadModifiers(std::string_view field, int number);
  void ApplyAction(int index, std::string_view action, int number);
  void ApplyRun(int index, std::string_view action, int number);
  void ApplyFunction(int index, std::string_view action, int number);
  void AddError(std::string const& error);

  Keymap& m_keymap;
  std::string m_errors;
  int m_errorCount = 0;
  bool m_sawComment = false;
};
