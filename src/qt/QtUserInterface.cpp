#include "qt/QtUserInterface.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <vector>

#include "qt/QtDrawnIcons.h"
#include "qt/QtFileFilter.h"

namespace {

struct BoxButton {
  QMessageBox::StandardButton button;
  int answer;
};

// The buttons of each MB_* set, in the order they appear.
std::vector<BoxButton> ButtonsOf(unsigned int type) {
  switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}};
    case MB_YESNO: return {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}};
    case MB_YESNOCANCEL: return {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}};
    default: return {{QMessageBox::Ok, IDOK}};
  }
}

QMessageBox::Icon IconOfType(unsigned int type) {
  switch (type & MB_ICONMASK) {
    case MB_ICONERROR: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONWARNING: return QMessageBox::Warning;
    case MB_ICONINFORMATION: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

// Library texts end lines with CR LF.
QString Text(std::string const& text) { return QString::fromStdString(text).replace("\r\n", "\n"); }

QString Caption(std::string const& caption) {
  return caption.empty() ? QApplication::applicationDisplayName() : QString::fromStdString(caption);
}

QWidget* Owner() {
  QWidget* modal = QApplication::activeModalWidget();
  return modal ? modal : QApplication::activeWindow();
}

COLORREF ColorRef(QColor const& color) {
  return static_cast<COLORREF>(color.red()) | static_cast<COLORREF>(color.green()) << 8 |
         static_cast<COLORREF>(color.blue()) << 16;
}

// The icon a name stands for: an image file's path, else a theme icon's name.
QIcon NamedIcon(std::string const& file) {
  QString const name = QString::fromStdString(file);
  if (name.contains('/')) {
    return QFileInfo(name).isFile() && QImageReader(name).canRead() ? QIcon(name) : QIcon();
  }
  return QIcon::hasThemeIcon(name) ? QIcon::fromTheme(name) : QIcon();
}

void StartIn(QFileDialog& chooser, std::string const& path, std::string const& proposedName) {
  QFileInfo const initial(QString::fromStdString(path));
  if (!path.empty() && initial.isDir()) {
    chooser.setDirectory(initial.absoluteFilePath());
  } else if (!path.empty()) {
    chooser.setDirectory(initial.absolutePath());
    chooser.selectFile(initial.fileName());
  }
  if (!proposedName.empty()) chooser.selectFile(QString::fromStdString(proposedName));
}

}  // namespace

QtUserInterface::QtUserInterface() = default;

QtUserInterface::~QtUserInterface() {
  if (m_busy) QApplication::restoreOverrideCursor();
}

int QtUserInterface::MessageBox(std::string const& text, std::string const& caption, unsigned int type) {
  QMessageBox box(IconOfType(type), Caption(caption), Text(text), QMessageBox::NoButton, Owner());
  std::vector<BoxButton> const buttons = ButtonsOf(type);
  for (BoxButton const& button : buttons) box.addButton(button.button);
  size_t const defaultIndex = (type & MB_DEFMASK) >> 8;
  BoxButton const& byDefault = buttons[defaultIndex < buttons.size() ? defaultIndex : 0];
  box.setDefaultButton(byDefault.button);
  // Escape answers Cancel where there is one, and OK on a box with OK alone.
  if (buttons.size() == 1) box.setEscapeButton(QMessageBox::Ok);
  auto const pressed = static_cast<QMessageBox::StandardButton>(box.exec());
  for (BoxButton const& button : buttons)
    if (button.button == pressed) return button.answer;
  // Closed without a button: Cancel where the box offers it, else its default.
  return buttons.back().answer == IDCANCEL ? IDCANCEL : byDefault.answer;
}

bool QtUserInterface::ChooseFile(FileChooser kind, std::string const& title, std::string const& proposedName,
                                 std::string const& filter, std::string& path, std::string const& defaultExtension) {
  QFileDialog chooser(Owner(), QString::fromStdString(title));
  bool const saving = kind == FileChooser::Save;
  chooser.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  chooser.setFileMode(saving ? QFileDialog::AnyFile
                      : kind == FileChooser::Folder ? QFileDialog::Directory : QFileDialog::ExistingFile);
  if (kind == FileChooser::Folder) chooser.setOption(QFileDialog::ShowDirsOnly);
  QStringList const filters = QtFileFilter::Filters(filter);
  if (!filters.isEmpty()) chooser.setNameFilters(filters);
  chooser.setDefaultSuffix(QtFileFilter::DefaultSuffix(defaultExtension));
  StartIn(chooser, path, proposedName);
  if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty()) return false;
  path = chooser.selectedFiles().front().toStdString();
  return true;
}

bool QtUserInterface::PromptText(std::string const& prompt, std::string const& caption, std::string& text) {
  bool accepted = false;
  QString const answer = QInputDialog::getText(Owner(), Caption(caption), Text(prompt), QLineEdit::Normal,
                                               QString::fromStdString(text), &accepted);
  if (accepted) text = answer.toStdString();
  return accepted;
}

UpgradeChoice QtUserInterface::OfferUpgrade(UpgradeOffer const& offer) {
  QMessageBox box(QMessageBox::Warning, Caption(offer.caption),
                  Text(offer.message + "\n\n" + offer.question + "\n\n" + offer.warning), QMessageBox::NoButton,
                  Owner());
  QPushButton* download = box.addButton(QString::fromStdString(offer.downloadButton), QMessageBox::AcceptRole);
  QPushButton* keepOn = box.addButton("&Continue", QMessageBox::RejectRole);
  QPushButton* exit = box.addButton("E&xit", QMessageBox::DestructiveRole);
  box.setDefaultButton(keepOn);
  box.setEscapeButton(keepOn);
  box.exec();
  if (box.clickedButton() == download) return UpgradeChoice::Download;
  return box.clickedButton() == exit ? UpgradeChoice::Exit : UpgradeChoice::Continue;
}

void QtUserInterface::SetBusyCursor(bool busy) {
  if (busy == m_busy) return;
  m_busy = busy;
  if (busy) QApplication::setOverrideCursor(Qt::WaitCursor);
  else QApplication::restoreOverrideCursor();
}

COLORREF QtUserInterface::WindowColor() const { return ColorRef(QApplication::palette().color(QPalette::Base)); }

COLORREF QtUserInterface::WindowTextColor() const { return ColorRef(QApplication::palette().color(QPalette::Text)); }

bool QtUserInterface::FontSmoothing() const {
  return !(QApplication::font().styleStrategy() & QFont::NoAntialias);
}

HICON QtUserInterface::MakeIcon(QIcon const& icon, int size) {
  auto owned = std::make_unique<QIcon>(icon.pixmap(size, size));
  auto const handle = reinterpret_cast<HICON>(owned.get());
  m_icons.emplace(handle, std::move(owned));
  return handle;
}

bool QtUserInterface::ExtractIcons(std::string const& file, int index, int depth, HICON* large, HICON* small) {
  // Theme icons and image files hold one icon each.
  QIcon const icon = index == 0 && !file.empty() ? NamedIcon(file) : QIcon();
  if (icon.isNull() || !large || !small) return false;
  QIcon shown = icon;
  if (depth > 0 && depth <= 8) {
    // A display of few colours gets images of a palette.
    QIcon reduced;
    for (int size : {16, 32})
      reduced.addPixmap(QPixmap::fromImage(icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_Indexed8)));
    shown = reduced;
  }
  *large = MakeIcon(shown, 32);
  *small = MakeIcon(shown, 16);
  return true;
}

bool QtUserInterface::ExtractShellIcons(int index, HICON* large, HICON* small) {
  if ((index != 3 && index != 4) || !large || !small) return false;
  QIcon const folder = StockIcon(index == 4 ? Stock::OpenFolder : Stock::ClosedFolder);
  *large = MakeIcon(folder, 32);
  *small = MakeIcon(folder, 16);
  return true;
}

HICON QtUserInterface::LoadResourceIcon(unsigned int resource, int size) {
  auto const found = m_resources.find(resource);
  return found == m_resources.end() ? nullptr : MakeIcon(found->second, size);
}

void QtUserInterface::DestroyIcon(HICON icon) { m_icons.erase(icon); }

int QtUserInterface::DisplayBitsPerPixel() const {
  QScreen const* screen = QApplication::primaryScreen();
  return screen ? screen->depth() : 24;
}

QIcon QtUserInterface::StockIcon(Stock stock) {
  switch (stock) {
    case Stock::ClosedFolder: return QIcon::fromTheme("folder", QtDrawnIcons::Folder(false));
    case Stock::OpenFolder: return QIcon::fromTheme("folder-open", QtDrawnIcons::Folder(true));
    case Stock::Session: return QIcon::fromTheme("utilities-terminal", QtDrawnIcons::Session());
  }
  return {};
}

QIcon QtUserInterface::IconOf(HICON icon) const {
  auto const found = m_icons.find(icon);
  return found == m_icons.end() ? QIcon() : *found->second;
}

void QtUserInterface::SetResourceIcon(unsigned int resource, QIcon icon) { m_resources[resource] = std::move(icon); }
