// One key of the on-screen keyboard: a push button that draws the key's face under the shown
// combination (a dimmed caption when the key types nothing there), sunken while it is the
// pressed key, with a corner mark and a bold face when the keymap maps it. Return and Enter click
// it like Space; the arrow keys ask the keyboard to move the focus to a neighbouring key.
#pragma once

#include <QPushButton>

class OnScreenKeyboard;

class QtKeyButton : public QPushButton {
  Q_OBJECT

 public:
  QtKeyButton(OnScreenKeyboard& keyboard, size_t key, QWidget* parent = nullptr);

  // The face's font: smaller for names ("Backspace"), larger for the characters keys type.
  static QFont FaceFont(QFont font, unsigned int fontStyle, bool mapped);

  size_t Key() const { return m_key; }
  // Face, mark, pressed state, accessible name and tooltip from the model.
  void Refresh();
  bool ShowsMapped() const { return m_mapped; }
  bool ShowsDimmed() const { return m_dimmed; }

 signals:
  // An arrow key: -1 or 1 across the row, or up or down a row.
  void MoveFocus(int across, int down);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  OnScreenKeyboard& m_keyboard;
  size_t m_key;
  QString m_face;
  bool m_dimmed = false;
  bool m_mapped = false;
};
