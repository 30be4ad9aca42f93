#include "qt/QuickConnectWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "dialogs/QuickConnectDialog.h"

namespace {

QString Text(std::string const& text) { return QString::fromStdString(text); }

// "&Hostname:" read aloud as "Hostname".
QString AccessibleName(std::string const& label) {
  QString name = Text(label);
  name.remove('&');
  if (name.endsWith(':')) name.chop(1);
  return name;
}

}  // namespace

QuickConnectWindow::QuickConnectWindow(QuickConnectDialog& model, QWidget* parent) : QDialog(parent), m_model(model) {
  setWindowTitle(QuickConnectDialog::kTitle);
  auto* form = new QFormLayout;
  auto* protocol = new QComboBox(this);
  for (std::string const& name : model.Protocols()) protocol->addItem(Text(name));
  protocol->setCurrentText(Text(model.Value(QuickConnectDialog::kProtocol)));
  protocol->setAccessibleName(AccessibleName(QuickConnectDialog::Label(QuickConnectDialog::kProtocol)));
  auto* protocolLabel = new QLabel(Text(QuickConnectDialog::Label(QuickConnectDialog::kProtocol)), this);
  protocolLabel->setBuddy(protocol);
  form->addRow(protocolLabel, protocol);
  m_controls[QuickConnectDialog::kProtocol] = protocol;
  connect(protocol, &QComboBox::currentTextChanged, this, [this](QString const& protocol) {
    Forward(QuickConnectDialog::kProtocol, protocol);
    m_port->setText(Text(m_model.Value(QuickConnectDialog::kPort)));
  });
  QLineEdit* host = AddLine(*form, QuickConnectDialog::kHostname);
  m_port = AddLine(*form, QuickConnectDialog::kPort);
  AddLine(*form, QuickConnectDialog::kUsername);
  auto* save = new QCheckBox(Text(QuickConnectDialog::Label(QuickConnectDialog::kSave)), this);
  save->setAccessibleName(AccessibleName(QuickConnectDialog::Label(QuickConnectDialog::kSave)));
  save->setChecked(model.Value(QuickConnectDialog::kSave) == "true");
  m_controls[QuickConnectDialog::kSave] = save;
  connect(save, &QCheckBox::toggled, this,
          [this](bool checked) { Forward(QuickConnectDialog::kSave, checked ? "true" : "false"); });
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QuickConnectWindow::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QuickConnectWindow::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(save);
  layout->addWidget(buttons);
  // Room for a full host name.
  host->setMinimumWidth(host->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 32);
  host->setFocus();
}

QLineEdit* QuickConnectWindow::AddLine(QFormLayout& form, int control) {
  auto* line = new QLineEdit(Text(m_model.Value(control)), this);
  line->setAccessibleName(AccessibleName(QuickConnectDialog::Label(control)));
  m_controls[control] = line;
  auto* label = new QLabel(Text(QuickConnectDialog::Label(control)), this);
  label->setBuddy(line);
  form.addRow(label, line);
  connect(line, &QLineEdit::textEdited, this, [this, control](QString const& text) { Forward(control, text); });
  return line;
}

void QuickConnectWindow::Forward(int control, QString const& value) {
  std::string ignored;
  m_model.SetControl(control, value.toStdString(), ignored);
}

std::unique_ptr<QDialog> QuickConnectWindow::Make(QuickConnectDialog& model, QWidget* parent) {
  return std::make_unique<QuickConnectWindow>(model, parent);
}

void QuickConnectWindow::accept() {
  m_model.OnOK();
  if (m_model.IsEnded()) return EndIfEnded();
  if (auto const refused = m_controls.find(m_model.Focus()); refused != m_controls.end()) refused->second->setFocus();
}

void QuickConnectWindow::reject() {
  m_model.OnCancel();
  EndIfEnded();
}

void QuickConnectWindow::EndIfEnded() {
  if (m_model.IsEnded()) done(m_model.EndCode());
}
