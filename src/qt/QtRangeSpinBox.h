// A spin box for a number control: its arrows step within the control's range, while typing
// takes any whole number, so that the page's own check on leaving decides and shows its message
// (a stored value outside the range is shown as it is, not silently moved into it).
#pragma once

#include <QSpinBox>

class QtRangeSpinBox : public QSpinBox {
  Q_OBJECT

 public:
  QtRangeSpinBox(int minimum, int maximum, QWidget* parent = nullptr);

  // Shows `text`: its number, or the text itself when it is none (so the page can refuse it).
  void Show(QString const& text);
  void stepBy(int steps) override;

 protected:
  StepEnabled stepEnabled() const override;

 private:
  int m_minimum;
  int m_maximum;
};
