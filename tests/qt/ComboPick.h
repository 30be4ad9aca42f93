// Choosing in a drop-down list as a keyboard user does.
#pragma once

#include <QComboBox>
#include <QtTest>

// Moves the list down, as the arrow key does, until it shows `text`.
inline void Pick(QComboBox* list, QString const& text) {
  QVERIFY(list && list->findText(text) >= 0);
  list->setFocus();
  for (int steps = 0; list->currentText() != text && steps < list->count(); ++steps)
    QTest::keyClick(list, Qt::Key_Down);
  QCOMPARE(list->currentText(), text);
}
