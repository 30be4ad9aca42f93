// Acting inside a modal window's own event loop, as a user would once it shows: each helper
// schedules its action for the first turn of the loop that exec() runs.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace modal {

// Runs `act` on the modal window of type Window; the window is cancelled afterwards if `act`
// left it open (a failed check returns early), so no test hangs.
template <typename Window>
void WhenShown(std::function<void(Window&)> act) {
  QTimer::singleShot(0, [act] {
    auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
    QVERIFY2(window, "the expected window is not the modal one");
    act(*window);
    if (window->isVisible()) window->reject();
  });
}

// What a message box showed before it was answered.
struct Box {
  bool shown = false;
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QList<QMessageBox::StandardButton> buttons;
  QMessageBox::StandardButton byDefault = QMessageBox::NoButton;
};

// Answers the next message box with `button`, recording it in `box`.
inline void AnswerBox(QMessageBox::StandardButton button, Box& box) {
  QTimer::singleShot(0, [button, &box] {
    auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!shown) return;
    box.shown = true;
    box.title = shown->windowTitle();
    box.text = shown->text();
    box.icon = shown->icon();
    for (QAbstractButton* each : shown->buttons()) box.buttons << shown->standardButton(each);
    box.byDefault = shown->defaultButton() ? shown->standardButton(shown->defaultButton()) : QMessageBox::NoButton;
    QAbstractButton* pressed = shown->button(button);
    if (pressed) QTest::mouseClick(pressed, Qt::LeftButton);
    else shown->reject();
  });
}

}  // namespace modal
