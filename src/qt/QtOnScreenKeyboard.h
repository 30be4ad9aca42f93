// The on-screen keyboard of the Mapped Keys page: a key button for every key of the model, placed
// on its grid of quarter keys (the function row a little apart), scaled to the font. Clicking a
// key runs the model's "Map Selected Key" on it and redraws every key. The keyboard is one stop
// in the tab order: the focus enters on the pressed key (else Esc), and the arrow keys move it.
#pragma once

#include <QWidget>
#include <vector>

class OnScreenKeyboard;
class QtKeyButton;

class QtOnScreenKeyboard : public QWidget {
  Q_OBJECT

 public:
  QtOnScreenKeyboard(OnScreenKeyboard& keyboard, QWidget* parent = nullptr);

  // Every key's face and marks from the model.
  void Refresh();
  // The button of the key with this scan code and E0 flag; null when there is none.
  QtKeyButton* Button(unsigned int scanCode, bool extended) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Place();
  void Clicked(size_t key);
  void MoveFocus(QtKeyButton* from, int across, int down);
  // The one key the Tab key reaches.
  void SetTabStop(QtKeyButton* button);
  int Unit() const;
  int RowHeight() const;

  OnScreenKeyboard& m_keyboard;
  std::vector<QtKeyButton*> m_buttons;
};
