// Finding and pressing the controls of a window as a user sees them.
#pragma once

#include <QtTest>
#include <QtWidgets>

// The standard button `which` of the window's button box.
inline QPushButton* DialogButton(QWidget& window, QDialogButtonBox::StandardButton which) {
  return window.findChild<QDialogButtonBox*>()->button(which);
}

// What a screen reader says for the control: its accessible name, else its text.
inline QString SpokenName(QWidget* control) {
  return control->accessibleName().isEmpty() ? control->property("text").toString() : control->accessibleName();
}

// The first control of type T that a screen reader calls `name`; null when there is none.
template <typename T>
T* Named(QWidget& window, QString const& name) {
  for (T* control : window.findChildren<T*>())
    if (SpokenName(control) == name) return control;
  return nullptr;
}

// Clicks a check box on its indicator, where a user aims, not on its label.
inline void ClickIndicator(QWidget* box) { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2)); }
