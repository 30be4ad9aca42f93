#include "qt/QtRangeSpinBox.h"

#include <QLineEdit>
#include <algorithm>
#include <limits>

QtRangeSpinBox::QtRangeSpinBox(int minimum, int maximum, QWidget* parent)
    : QSpinBox(parent), m_minimum(std::min(minimum, maximum)), m_maximum(std::max(minimum, maximum)) {
  setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
  setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
  setToolTip(QString("%1 to %2").arg(m_minimum).arg(m_maximum));
}

void QtRangeSpinBox::Show(QString const& text) {
  if (lineEdit()->text() == text) return;
  bool number = false;
  int const parsed = text.toInt(&number);
  if (number) setValue(parsed);
  else lineEdit()->setText(text);
}

void QtRangeSpinBox::stepBy(int steps) {
  long long const next = static_cast<long long>(value()) + steps;
  setValue(static_cast<int>(std::clamp<long long>(next, m_minimum, m_maximum)));
  selectAll();
}

QAbstractSpinBox::StepEnabled QtRangeSpinBox::stepEnabled() const {
  StepEnabled enabled = StepNone;
  if (value() < m_maximum) enabled |= StepUpEnabled;
  if (value() > m_minimum) enabled |= StepDownEnabled;
  return enabled;
}
