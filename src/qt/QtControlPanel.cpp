#include "qt/QtControlPanel.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <map>

#include "platform/ui/DialogModel.h"
#include "qt/QtRangeSpinBox.h"

namespace {

QString Qs(std::string const& text) { return QString::fromStdString(text); }

// A label as a screen reader says it: without mnemonic marks and the trailing colon.
QString Spoken(std::string const& label) {
  std::string spoken;
  for (size_t i = 0; i < label.size(); ++i) {
    if (label[i] == '&' && i + 1 < label.size()) ++i;
    spoken += label[i];
  }
  QString text = Qs(spoken).trimmed();
  while (text.endsWith(':')) text.chop(1);
  return text.trimmed();
}

// A label naming the value beside it ("Font:"), rather than a heading or a hint over the page.
bool CaptionsAValue(VPageControl const& control) {
  return control.kind == VControlKind::Label && !control.label.empty() && control.label.back() == ':';
}

bool IsInput(VControlKind kind) {
  return kind != VControlKind::Label && kind != VControlKind::Button && kind != VControlKind::Keyboard;
}

bool IsPath(VControlKind kind) { return kind == VControlKind::File || kind == VControlKind::Folder; }

QColor QColorOf(COLORREF color) {
  return QColor(static_cast<int>(color & 0xFF), static_cast<int>(color >> 8 & 0xFF), static_cast<int>(color >> 16 & 0xFF));
}

COLORREF ColorRefOf(QColor const& color) {
  return static_cast<COLORREF>(color.red()) | static_cast<COLORREF>(color.green()) << 8 |
         static_cast<COLORREF>(color.blue()) << 16;
}

QIcon Swatch(QColor const& color) {
  QPixmap swatch(32, 14);
  swatch.fill(color);
  QPainter border(&swatch);
  border.setPen(Qt::black);
  border.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
  return QIcon(swatch);
}

// The colour as the button shows it: its swatch and #RRGGBB; a text that is no colour as it is.
void ShowColor(QPushButton& button, VPageControl const& control) {
  COLORREF color = 0;
  bool const valid = control.ColorValue(color);
  QString const text = valid ? QColorOf(color).name(QColor::HexRgb).toUpper() : Qs(control.value);
  if (button.text() == text) return;
  button.setText(text);
  button.setIcon(valid ? Swatch(QColorOf(color)) : QIcon());
  button.setAccessibleDescription(text);
}

void ShowChoices(QComboBox& box, VPageControl const& control) {
  QStringList wanted;
  for (std::string const& choice : control.choices) wanted << Qs(choice);
  // A value no choice stands for is shown as it is, after the choices.
  QString const value = Qs(control.value);
  if (!value.isEmpty() && !wanted.contains(value)) wanted << value;
  QStringList shown;
  for (int i = 0; i < box.count(); ++i) shown << box.itemText(i);
  if (shown != wanted) {
    box.clear();
    box.addItems(wanted);
  }
  box.setCurrentIndex(static_cast<int>(wanted.indexOf(value)));
}

}  // namespace

QtControlPanel::QtControlPanel(DialogModel& model, Controls controls, std::vector<int> order, QWidget* parent,
                               FieldMaker custom)
    : QWidget(parent),
      m_model(model),
      m_controls(std::move(controls)),
      m_custom(std::move(custom)),
      m_grid(new QGridLayout(this)) {
  std::vector<VPageControl> const& declared = m_controls();
  // Rows follow declarations by position: headings and hints often share the id 0.
  std::vector<size_t> drawn;
  if (order.empty())
    for (size_t i = 0; i < declared.size(); ++i) drawn.push_back(i);
  for (int id : order)
    if (size_t const at = IndexOf(id); at < declared.size()) drawn.push_back(at);
  int row = 0;
  for (size_t at : drawn) AddRow(declared[at], at, row++);
  // A heading's mnemonic leads to the field below it.
  for (size_t i = 0; i < m_rows.size(); ++i) {
    if (m_rows[i].kind != VControlKind::Label || !m_rows[i].label) continue;
    for (size_t next = i + 1; next < m_rows.size(); ++next) {
      if (!IsInput(m_rows[next].kind)) continue;
      m_rows[i].label->setBuddy(m_rows[next].field);
      break;
    }
  }
  m_grid->setColumnStretch(1, 1);
  m_grid->setRowStretch(row, 1);
  Refresh();
}

size_t QtControlPanel::IndexOf(int id) const {
  std::vector<VPageControl> const& declared = m_controls();
  size_t at = 0;
  while (at < declared.size() && declared[at].id != id) ++at;
  return at;
}

void QtControlPanel::AddRow(VPageControl const& control, size_t index, int row) {
  Row drawn{control.id, index, control.kind, nullptr, nullptr, {}, control.browseId, nullptr};
  drawn.field = control.kind == VControlKind::Keyboard ? MakeCustom(control, drawn.refresh) : MakeField(control);
  QHBoxLayout* path = nullptr;
  if (IsPath(control.kind)) {
    drawn.browse = MakeBrowse(control);
    path = new QHBoxLayout;
    path->addWidget(drawn.field, 1);
    path->addWidget(drawn.browse);
  }
  bool const beside = control.kind == VControlKind::Label ? CaptionsAValue(control)
                                                          : IsInput(control.kind) && control.kind != VControlKind::Check &&
                                                                !control.label.empty();
  if (beside) {
    drawn.label = new QLabel(Qs(control.label), this);
    if (control.kind != VControlKind::Label) drawn.label->setBuddy(drawn.field);
    m_grid->addWidget(drawn.label, row, 0);
    if (path) m_grid->addLayout(path, row, 1);
    else m_grid->addWidget(drawn.field, row, 1, control.kind == VControlKind::Color ? Qt::AlignLeft : Qt::Alignment());
  } else if (path) {
    m_grid->addLayout(path, row, 0, 1, 2);
  } else if (control.kind == VControlKind::Label && !control.label.empty()) {
    // A heading or a hint: its own text across the page.
    drawn.label = static_cast<QLabel*>(drawn.field);
    drawn.label->setText(Qs(control.label));
    m_grid->addWidget(drawn.field, row, 0, 1, 2);
  } else {
    m_grid->addWidget(drawn.field, row, 0, 1, 2, control.kind == VControlKind::Button ? Qt::AlignLeft : Qt::Alignment());
  }
  m_rows.push_back(drawn);
}

QWidget* QtControlPanel::MakeField(VPageControl const& control) {
  int const id = control.id;
  switch (control.kind) {
    case VControlKind::Label: {
      auto* label = new QLabel(this);
      label->setWordWrap(!CaptionsAValue(control));
      return label;
    }
    case VControlKind::Check: {
      auto* box = new QCheckBox(Qs(control.label), this);
      connect(box, &QCheckBox::clicked, this, [this, id](bool ticked) { Set(id, ticked ? "true" : "false"); });
      return box;
    }
    case VControlKind::Number: {
      auto* box = new QtRangeSpinBox(control.minimum, control.maximum, this);
      connect(box, &QSpinBox::textChanged, this, [this, id](QString const& text) { Set(id, text.toStdString()); });
      return box;
    }
    case VControlKind::Choice: {
      auto* box = new QComboBox(this);
      connect(box, &QComboBox::activated, this, [this, id, box](int index) { Set(id, box->itemText(index).toStdString()); });
      return box;
    }
    case VControlKind::Button: {
      auto* button = new QPushButton(Qs(control.label), this);
      button->setAutoDefault(false);
      connect(button, &QPushButton::clicked, this, [this, id] { Press(id); });
      return button;
    }
    case VControlKind::Color: {
      auto* button = new QPushButton(this);
      button->setAutoDefault(false);
      button->setMinimumWidth(110);
      connect(button, &QPushButton::clicked, this, [this, id] { ChooseColor(id); });
      return button;
    }
    case VControlKind::Text:
    case VControlKind::Keyboard:
    case VControlKind::File:
    case VControlKind::Folder: break;
  }
  auto* edit = new QLineEdit(this);
  connect(edit, &QLineEdit::textEdited, this, [this, id](QString const& text) { Set(id, text.toStdString()); });
  return edit;
}

QWidget* QtControlPanel::MakeCustom(VPageControl const& control, std::function<void()>& refresh) {
  CustomField made = m_custom ? m_custom(control, this) : CustomField{};
  refresh = std::move(made.refresh);
  return made.widget ? made.widget : new QWidget(this);
}

QPushButton* QtControlPanel::MakeBrowse(VPageControl const& control) {
  auto* button = new QPushButton("...", this);
  button->setAutoDefault(false);
  button->setMaximumWidth(button->fontMetrics().horizontalAdvance("...") + 24);
  button->setToolTip(control.kind == VControlKind::Folder ? "Browse for a folder" : "Browse for a file");
  int const id = control.browseId;
  connect(button, &QPushButton::clicked, this, [this, id] { Press(id); });
  return button;
}

void QtControlPanel::ChooseColor(int id) {
  size_t const at = IndexOf(id);
  std::vector<VPageControl> const& declared = m_controls();
  if (at >= declared.size()) return;
  COLORREF current = 0;
  QColorDialog chooser(declared[at].ColorValue(current) ? QColorOf(current) : QColor(Qt::white), this);
  chooser.setOption(QColorDialog::DontUseNativeDialog);
  chooser.setWindowTitle(Spoken(declared[at].label));
  if (chooser.exec() != QDialog::Accepted) return;
  // The declarations are read again: the chooser's event loop may have run other actions.
  std::vector<VPageControl> const& now = m_controls();
  size_t const still = IndexOf(id);
  if (still < now.size()) Set(id, now[still].ColorText(ColorRefOf(chooser.selectedColor())));
}

void QtControlPanel::Refresh() {
  m_drawing = true;
  QString nameAbove;
  std::vector<VPageControl> const& declared = m_controls();
  std::map<std::string, int> labelUses;
  for (VPageControl const& control : declared)
    if (!control.label.empty()) ++labelUses[control.label];
  for (Row const& row : m_rows) {
    if (row.index >= declared.size()) continue;
    VPageControl const& control = declared[row.index];
    Draw(row, control, nameAbove.toStdString(), labelUses[control.label] > 1);
    if (control.kind == VControlKind::Label)
      nameAbove = control.label.empty() ? Qs(control.value) : Spoken(control.label);
  }
  m_drawing = false;
}

void QtControlPanel::Draw(Row const& row, VPageControl const& control, std::string const& nameAbove, bool repeated) {
  for (QWidget* widget : {static_cast<QWidget*>(row.label), row.field, static_cast<QWidget*>(row.browse)}) {
    if (!widget) continue;
    widget->setVisible(control.visible);
    widget->setEnabled(control.enabled);
  }
  QString name = control.label.empty() ? Qs(nameAbove) : Spoken(control.label);
  // A label a page uses twice (the normal and the bold "Black") is told apart by its heading.
  if (repeated && !nameAbove.empty()) name = Qs(nameAbove) + ": " + name;
  row.field->setAccessibleName(name.isEmpty() ? Qs(control.value) : name);
  if (row.browse) row.browse->setAccessibleName("Browse for " + (name.isEmpty() ? QString("a path") : name));
  if (row.kind == VControlKind::Color) {
    ShowColor(*static_cast<QPushButton*>(row.field), control);
  } else if (auto* edit = qobject_cast<QLineEdit*>(row.field)) {
    if (edit->text() != Qs(control.value)) edit->setText(Qs(control.value));
  } else if (auto* spin = qobject_cast<QtRangeSpinBox*>(row.field)) {
    spin->Show(Qs(control.value));
  } else if (auto* check = qobject_cast<QCheckBox*>(row.field)) {
    check->setChecked(control.value == "true");
  } else if (auto* combo = qobject_cast<QComboBox*>(row.field)) {
    ShowChoices(*combo, control);
  } else if (auto* label = qobject_cast<QLabel*>(row.field); label && label != row.label) {
    label->setText(Qs(control.value));
  } else if (row.refresh) {
    row.refresh();
  }
}

void QtControlPanel::Set(int id, std::string const& value) {
  if (m_drawing) return;
  std::string ignored;  // a refused value is drawn back as the model holds it
  m_model.SetControl(id, value, ignored);
  Refresh();
  emit Acted();
}

void QtControlPanel::Press(int id) {
  std::string ignored;
  m_model.Command(id, ignored);
  Refresh();
  emit Acted();
}

QWidget* QtControlPanel::Field(int id) const {
  for (Row const& row : m_rows) {
    if (row.id == id) return row.field;
    if (row.browse && row.browseId == id) return row.browse;
  }
  return nullptr;
}

void QtControlPanel::FocusControl(int id) {
  if (QWidget* field = Field(id)) {
    field->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
    if (auto* spin = qobject_cast<QSpinBox*>(field)) spin->selectAll();
  }
}
