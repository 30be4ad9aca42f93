// What a headless user interface was asked to show, and how it answered.
#pragma once

#include <string>
#include <vector>

struct ShownDialog {
  enum class Kind { MessageBox, OpenFile, SaveFile, TextPrompt, UpgradeOffer, Folder };

  Kind kind = Kind::MessageBox;
  std::string text;          // the message, the prompt or the chooser's filter; an offer's
                             // three paragraphs joined by blank lines
  std::string caption;       // the message box's caption or the chooser's title
  unsigned int type = 0;     // the MB_* flags of a message box
  std::string initial;       // the initial path or text of a chooser or prompt
  int answer = 0;            // the button pressed
  std::string answerText;    // the path or text given back, when accepted
  std::string proposedName;  // the file name a chooser proposed
  std::vector<std::string> buttons;  // an offer's buttons, in order
  std::string defaultExtension;      // the extension a chooser suggests for a name without one

  // A record of `kind` with its text and caption; the caller fills what else applies.
  static ShownDialog Of(Kind kind, std::string text, std::string caption) {
    ShownDialog dialog;
    dialog.kind = kind;
    dialog.text = std::move(text);
    dialog.caption = std::move(caption);
    return dialog;
  }
};
