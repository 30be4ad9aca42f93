// Renders the Qt windows of the dialogs to PNG files, for the README: Session Options on some of
// its pages (Mapped Keys with two keys of the session mapped), Global Options and its colour scheme
// editor, Map Selected Key, the property-tree demonstration and the New Session
// Wizard page by page, each over a demonstration store made in a temporary folder.
// Usage: screenshots OUTPUT_FOLDER.
// Runs without a display (the offscreen platform unless QT_QPA_PLATFORM says otherwise).
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "VPropertyTreeDemoDialog.h"
#include "VPropertyTreePage.h"
#include "database/GlobalConfigInstance.h"
#include "database/HostStartup.h"
#include "database/SessionDatabase.h"
#include "dialogs/ConnectDialog.h"
#include "dialogs/GlobalColorSchemesPage.h"
#include "dialogs/GlobalOptionsDialog.h"
#include "dialogs/KeyboardButton.h"
#include "dialogs/NewSessionWizard.h"
#include "dialogs/SelectedKeyDialog.h"
#include "dialogs/SessionOptionsDialog.h"
#include "library/ProductInfo.h"
#include "qt/ConnectDialogQtInit.h"
#include "qt/QtControlPanel.h"
#include "qt/QtNewSessionWizardWindow.h"
#include "qt/QtPageDialogWindow.h"
#include "qt/QtPropertyTreeWindow.h"
#include "qt/connect/ConnectDialogWindow.h"
#include "qt/connect/ConnectTreeModel.h"
#include "qt/connect/ConnectTreeView.h"
#include "session/BuiltInProtocol.h"
#include "session/ConnectConfig.h"
#include "session/LoadProtocolDll.h"
#include "session/SessionConfig.h"
#include "terminal/Keymap.h"
#include "terminal/KeymapCode.h"

namespace {

constexpr char kSessionPath[] = "Lab\\core-router";

QString g_output;
int g_failures = 0;

char const* ApplicationName() { return GetApplicationName().c_str(); }

// The plug-ins of `product` from the build.
void LoadPlugins(int product) {
  std::string const base = std::string(CONNECTION_PROTOCOLS_DIR) + "/../";
  for (int row = 0; row < kBuiltInProtocolCount; ++row) {
    if (builtInProtocols[row].productId != product) continue;
    int index = -1;
    bool exitRequested = false, warn = false;
    LoadProtocolDll(base.c_str(), row, product, nullptr, nullptr, nullptr, ApplicationName, nullptr, nullptr, &index,
                    &exitRequested, &warn);
  }
}

// The product's plug-ins from the build, as its host loads them at start-up.
void LoadProtocols() {
  int const product = GetCurrentAppProductID();
  LoadPlugins(product);
  LoadProtocolDll(nullptr, 0, product, nullptr, nullptr, nullptr, ApplicationName, nullptr, nullptr, nullptr, nullptr,
                  nullptr);
}

bool SeedSession() {
  ISessionConfig* created = CreateSessionConfig("core-router", nullptr);
  auto* session = dynamic_cast<SessionConfig*>(created);
  if (!session) return false;
  session->SetRelevantProtocol("SSH2");
  if (ConnectConfig* connection = session->GetRelevantConnectConfig()) {
    connection->SetHostname("core1.lab.example.net");
    connection->SetUsername("netops");
  }
  // Two keys of its own, which the Mapped Keys page marks: F5 sends a command, Home goes to the top.
  session->terminal.keymap.SetKeyCode(0x74, KeymapCode::SEND);
  session->terminal.keymap.SetKeyValue(0x74, "uptime\\r");
  session->terminal.keymap.SetKeyCode(Keymap::kExtended | 0x24, KeymapCode::SB_BEGIN);
  SessionDatabase db(false);
  bool const stored = db.InsertFolder("", "Lab", "", true) && db.InsertSession("Lab", "core-router", created, "", true);
  created->Release();
  return stored;
}

void Save(QWidget& window, QString const& name) {
  QString const path = QDir(g_output).filePath(name + ".png");
  if (window.grab().save(path)) {
    std::printf("%s\n", path.toLocal8Bit().constData());
  } else {
    std::fprintf(stderr, "cannot write %s\n", path.toLocal8Bit().constData());
    ++g_failures;
  }
}

// Shows each page named in `pages` that the dialog has and saves it as `prefix`-page.png.
void ShootPages(VPropertyTreeDialog& dialog, QString const& prefix, QStringList const& pages) {
  QTimer::singleShot(0, [&dialog, prefix, pages] {
    auto* window = qobject_cast<QtPropertyTreeWindow*>(QApplication::activeModalWidget());
    if (!window) return;
    for (QString const& page : pages) {
      QList<QTreeWidgetItem*> const found = window->Tree()->findItems(page, Qt::MatchExactly | Qt::MatchRecursive);
      if (found.isEmpty()) continue;
      // Opened down to the page first, as a user reaches a page inside a collapsed one.
      for (QTreeWidgetItem* above = found.front()->parent(); above; above = above->parent()) above->setExpanded(true);
      window->Tree()->setCurrentItem(found.front());
      QApplication::processEvents();
      // A page that declares no controls yet has nothing to show.
      VPropertyTreePage const* shown = dialog.CurrentPage();
      if (shown && shown->Label() == page.toStdString() && !shown->Controls().empty())
        Save(*window, prefix + "-" + page.toLower().replace(' ', '-'));
    }
    window->reject();
  });
  dialog.DoModal();
}

void ShootSessionOptions(GlobalConfig* config) {
  ISessionConfig* session = SessionDatabase(false).Lookup(kSessionPath);
  if (!session) {
    std::fprintf(stderr, "the demonstration session was not stored\n");
    ++g_failures;
    return;
  }
  SessionOptionsDialog::DeleteStateMap();
  SessionOptionsDialog dialog(config, session);
  ShootPages(dialog, "session-options", {"Connection", "SSH2", "Appearance", "Mapped Keys"});
  session->Release();
}

void ShootGlobalOptions(GlobalConfig& config) {
  GlobalOptionsDialog dialog(config);
  ShootPages(dialog, "global-options", {"General", "Color Schemes"});
}

// The colour scheme editor over Global Options, opened by Edit on the Color Schemes page.
void ShootSchemeEditor(GlobalConfig& config) {
  GlobalOptionsDialog dialog(config);
  dialog.SetStartPage("Color Schemes");
  QTimer::singleShot(0, [&dialog] {
    auto* window = qobject_cast<QtPropertyTreeWindow*>(QApplication::activeModalWidget());
    if (!window) return;
    QtControlPanel* panel = window->Panel(dialog.CurrentPage());
    auto* edit = panel ? qobject_cast<QPushButton*>(panel->Field(GlobalColorSchemesPage::kEdit)) : nullptr;
    QTimer::singleShot(0, [] {
      auto* editor = qobject_cast<QtPageDialogWindow*>(QApplication::activeModalWidget());
      if (!editor) return;
      Save(*editor, "color-scheme-editor");
      editor->reject();
    });
    if (edit) {
      edit->click();
    } else {
      std::fprintf(stderr, "the Color Schemes page has no Edit button\n");
      ++g_failures;
    }
    window->reject();
  });
  dialog.DoModal();
}

void ShootMapSelectedKey(GlobalConfig* config) {
  Keymap keymap;
  keymap.LoadDefault();
  KeyboardButton key(50, 0, "M", 1, 0);  // the M key, mapped under Ctrl
  keymap.SetKeyCode(Keymap::kCtrl | static_cast<int>(key.VirtualKey()), KeymapCode::MENU_COPY);
  SelectedKeyDialog dialog(config, &keymap, &key, Keymap::kCtrl);
  QTimer::singleShot(0, [] {
    QWidget* window = QApplication::activeModalWidget();
    if (!window) return;
    window->adjustSize();
    Save(*window, "map-selected-key");
    window->close();
  });
  dialog.DoModal();
}

void ShootDemo() {
  VPropertyTreeDemoSettings settings;
  VPropertyTreeDemoDialog::DeleteStateMap();
  VPropertyTreeDemoDialog dialog(settings);
  ShootPages(dialog, "property-tree-demo", {"Terminal"});
}

// Saves each page the wizard shows on its way to the finish page as wizard-TEMPLATE.png.
void ShootWizardPages(NewSessionWizard& wizard) {
  auto* window = qobject_cast<QtNewSessionWizardWindow*>(QApplication::activeModalWidget());
  if (!window) return;
  for (VPropertyTreePage const* page = wizard.CurrentPage(); page;) {
    Save(*window, QString("wizard-%1").arg(page->TemplateId()));
    if (page->TemplateId() == NewSessionWizard::kFinishPage) break;
    window->NextButton()->click();
    VPropertyTreePage const* next = wizard.CurrentPage();
    page = next == page ? nullptr : next;
  }
  window->reject();
}

// A new session in Lab with the host and user filled in, so the pages show what a user typed.
// With the transfer client installed too, its plug-ins add their pages after the transfer page.
void ShootWizard() {
  LoadPlugins(kProductHaloFyx);
  ISessionConfig* created = SessionDatabase(false).Lookup(SessionDatabase::kDefaultName);
  auto* session = dynamic_cast<SessionConfig*>(created);
  if (!session) {
    std::fprintf(stderr, "the default session cannot be read\n");
    ++g_failures;
    return;
  }
  session->SetSessionPath("Lab");
  session->SetSessionName("New");
  session->SetRelevantProtocol("SSH2");
  if (ConnectConfig* connection = session->GetRelevantConnectConfig()) {
    connection->SetHostname("edge2.lab.example.net");
    connection->SetUsername("netops");
  }
  {
    NewSessionWizard wizard(session, GetCurrentAppProductID());
    QTimer::singleShot(0, [&wizard] { ShootWizardPages(wizard); });
    wizard.DoModal();
  }
  created->Release();
}

// A tree of folders and sessions beside the demonstration session, for the Connect dialog.
bool SeedTree() {
  SessionDatabase db(false);
  bool stored = db.InsertFolder("", "Customers", "", true) && db.InsertFolder("Customers", "Acme", "", true) &&
                db.InsertFolder("", "Staging", "", true);
  struct Entry {
    char const* folder;
    char const* name;
  } const entries[] = {{"Customers\\Acme", "acme-web"}, {"Customers\\Acme", "acme-db"}, {"Lab", "edge-switch"},
                       {"Lab", "lab-jump"},            {"Staging", "stage-app"},       {"", "backup-nas"}};
  for (Entry const& entry : entries) {
    ISessionConfig* session = CreateSessionConfig(entry.name, nullptr);
    stored = stored && db.InsertSession(entry.folder, entry.name, session, "", true);
    session->Release();
  }
  return stored;
}

// Types `text` into `widget` key by key, as the user would.
void TypeInto(QWidget& widget, QString const& text) {
  for (QChar const c : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(&widget, &press);
  }
}

// The Connect dialog with its folders open and one session cut, then with the filter in use.
void ShootConnectDialog() {
  if (!SeedTree()) {
    std::fprintf(stderr, "cannot store the demonstration tree\n");
    ++g_failures;
    return;
  }
  ConnectDialog dialog("Connect", true, false);
  QTimer::singleShot(0, [] {
    auto* window = qobject_cast<ConnectDialogWindow*>(QApplication::activeModalWidget());
    if (!window) return;
    for (char const* folder : {"Customers", "Customers\\Acme", "Lab"}) window->Tree()->expand(window->TreeModel()->IndexOf(folder));
    window->Tree()->setCurrentIndex(window->TreeModel()->IndexOf("Lab\\edge-switch"));
    for (QAction* action : window->findChild<QToolBar*>()->actions())
      if (action->toolTip() == "Cut") action->trigger();
    window->Tree()->setCurrentIndex(window->TreeModel()->IndexOf(kSessionPath));
    Save(*window, "connect-dialog");
    auto* filter = window->findChild<QLineEdit*>();
    TypeInto(*filter, "acme");
    Save(*window, "connect-dialog-filter");
    window->reject();
  });
  dialog.DoModal();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: screenshots OUTPUT_FOLDER\n");
    return 2;
  }
  QTemporaryDir root;
  if (!root.isValid() || !QDir().mkpath(argv[1])) {
    std::fprintf(stderr, "cannot make the folders for the store and the pictures\n");
    return 1;
  }
  setenv("BRIMVALE_ROOT", root.path().toLocal8Bit().constData(), 1);
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  g_output = QString::fromLocal8Bit(argv[1]);
  QApplication app(argc, argv);

  HostStartup::Host host;
  host.productId = kProductHaloKorvo;
  host.haloKorvoOrKorvoInstalled = true;
  host.haloFyxInstalled = true;
  GlobalConfig* config = HostStartup::Start(host);
  if (!config) return 1;
  LoadProtocols();
  ConnectDialogQtInit();
  if (!SeedSession()) {
    std::fprintf(stderr, "cannot store the demonstration session\n");
    return 1;
  }
  ShootSessionOptions(config);
  ShootGlobalOptions(*config);
  ShootSchemeEditor(*config);
  ShootMapSelectedKey(config);
  ShootDemo();
  ShootWizard();
  ShootConnectDialog();
  return g_failures == 0 ? 0 : 1;
}
