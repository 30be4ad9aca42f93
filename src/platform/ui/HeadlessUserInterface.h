// A user interface without a display. It answers from a script of answers queued by the caller
// and records everything it was asked to show, so that every rule which talks to the user can be
// run and checked without one. Message boxes with no scripted answer take their default button;
// choosers and prompts with none are cancelled, since nobody picked a file or typed a text.
// Once texts are kept apart (SeparateTexts), choosers and prompts take only the texts queued
// with ScriptText and message boxes only the buttons: a script's answers and texts cannot
// swallow one another.
// An answer with a button the question does not offer is taken as that default.
// Icons are made up: every icon name or path has an icon at index 0 unless the caller marked it
// missing, every non-zero resource number has one, and the shell's folder icons are there unless
// refused; each icon made is recorded with where it came from.
#pragma once

#include <deque>
#include <set>
#include <string>
#include <vector>

#include "platform/ui/ScriptedAnswer.h"
#include "platform/ui/ShownDialog.h"
#include "platform/ui/UserInterface.h"

class HeadlessUserInterface : public UserInterface {
 public:
  int MessageBox(std::string const& text, std::string const& caption, unsigned int type) override;
  bool ChooseFile(FileChooser kind, std::string const& title, std::string const& proposedName,
                  std::string const& filter, std::string& path,
                  std::string const& defaultExtension = "") override;
  bool PromptText(std::string const& prompt, std::string const& caption, std::string& text) override;
  // Without a scripted answer the offer is continued.
  UpgradeChoice OfferUpgrade(UpgradeOffer const& offer) override;
  void SetBusyCursor(bool busy) override {
    if (busy && !m_busy) ++m_busyShown;
    m_busy = busy;
  }
  COLORREF WindowColor() const override { return 0xFFFFFF; }
  COLORREF WindowTextColor() const override { return 0x000000; }
  // Desktops smooth fonts unless told otherwise.
  bool FontSmoothing() const override { return true; }
  bool ExtractIcons(std::string const& file, int index, int depth, HICON* large, HICON* small) override;
  bool ExtractShellIcons(int index, HICON* large, HICON* small) override;
  HICON LoadResourceIcon(unsigned int resource, int size) override;
  void DestroyIcon(HICON icon) override;
  int DisplayBitsPerPixel() const override { return m_displayDepth; }

  // Queues the answer to the next question.
  void Script(ScriptedAnswer answer) { m_script.push_back(std::move(answer)); }
  void Script(int button, std::string text = {}) { Script(ScriptedAnswer{button, std::move(text)}); }
  void Script(UpgradeChoice choice) { Script(static_cast<int>(choice)); }
  void SeparateTexts() { m_textsApart = true; }
  // Queues a text that the next chooser or prompt accepts.
  void ScriptText(std::string text) { m_texts.push_back(std::move(text)); }

  std::vector<ShownDialog> const& Shown() const { return m_shown; }
  size_t PendingAnswers() const { return m_script.size() + m_texts.size(); }
  bool IsBusy() const { return m_busy; }
  // How many times the busy cursor went up.
  int BusyCursorShown() const { return m_busyShown; }

  void MarkIconMissing(std::string const& file) { m_missingIcons.insert(file); }
  void RefuseShellIcons() { m_shellIcons = false; }
  void SetDisplayBitsPerPixel(int depth) { m_displayDepth = depth; }
  // Where an icon came from: "icon NAME 32px 16bpp", "shell 3 16px" or "resource 101 32px";
  // empty for a handle this interface did not make.
  std::string IconSource(HICON icon) const;
  int MadeIcons() const { return static_cast<int>(m_icons.size()); }
  int DestroyedIcons() const { return m_destroyed; }

 private:
  // The next scripted button if `offered` accepts it, else `fallback`; fills `text` from the answer.
  int NextButton(bool (*offered)(unsigned int, int), unsigned int type, int fallback, std::string& text);
  // Records an accepted or cancelled chooser or prompt and returns whether it was accepted.
  bool Ask(ShownDialog dialog, std::string& value);
  HICON MakeIcon(std::string source);

  std::vector<std::string> m_icons;  // the source of handle i + 1
  std::set<std::string> m_missingIcons;
  bool m_shellIcons = true;
  int m_displayDepth = 24;
  int m_destroyed = 0;

  std::deque<ScriptedAnswer> m_script;
  std::deque<std::string> m_texts;
  bool m_textsApart = false;
  std::vector<ShownDialog> m_shown;
  bool m_busy = false;
  int m_busyShown = 0;
};
