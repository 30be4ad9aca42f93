#include "qt/QtPageDialogWindow.h"

#include "VPageDialog.h"

QtPageDialogWindow::QtPageDialogWindow(VPageDialog& model, QWidget* parent)
    : QtPanelWindow(
          model, [&page = model.Page()]() -> std::vector<VPageControl> const& { return page.Controls(); }, {}, parent),
      m_model(model) {
  setWindowTitle(QString::fromStdString(model.Title()));
  resize(sizeHint().expandedTo(QSize(380, 0)));
}

int QtPageDialogWindow::RefusedControl() const { return m_model.Page().FocusControl(); }
