#include "HostWindow.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <cstdio>

#include "CdhostCallbacks.h"
#include "HostSession.h"
#include "RecentSessions.h"
#include "database/GlobalConfig.h"
#include "database/GlobalConfigChangeListener.h"
#include "database/GlobalConfigInstance.h"
#include "database/SessionDatabase.h"
#include "dialogs/GlobalOptionsDialog.h"
#include "dialogs/QuickConnectDialog.h"
#include "dialogs/ShowConnectDialog.h"
#include "library/ProductInfo.h"
#include "platform/ui/UserInterface.h"
#include "session/ISessionConfig.h"

namespace {

QString Text(std::string const& text) { return QString::fromStdString(text); }

std::string ProductName() { return LookupProductName(GetCurrentAppProductID()).Str(); }

}  // namespace

HostWindow::HostWindow(GlobalConfig& config) : m_config(config) {
  setWindowTitle(Text(ProductName() + " - cdhost"));
  m_file = menuBar()->addMenu(tr("&File"));
  QMenu* options = menuBar()->addMenu(tr("&Options"));
  m_sessionOptions = options->addAction(tr("&Session Options..."), this, &HostWindow::SessionOptions);
  options->addAction(tr("&Global Options..."), this, &HostWindow::GlobalOptions);
  QMenu* help = menuBar()->addMenu(tr("&Help"));
  help->addAction(tr("&Help Topics"), this, [] { CdhostCallbacks::Help(nullptr, 11, 0); });
  m_status = new QLabel(tr("No session is open. Choose File > Connect."), this);
  m_status->setAlignment(Qt::AlignCenter);
  m_status->setWordWrap(true);
  m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
  setCentralWidget(m_status);
  resize(560, 240);
  FillFileMenu();
}

HostWindow::~HostWindow() {
  if (m_current) m_current->Release();
}

void HostWindow::FillFileMenu() {
  m_file->clear();
  m_file->addAction(tr("&Connect..."), QKeySequence(tr("Alt+C")), this, &HostWindow::Connect);
  m_file->addAction(tr("&Quick Connect..."), QKeySequence(tr("Alt+Q")), this, &HostWindow::QuickConnect);
  std::vector<std::string> const recent = RecentSessions::List(m_config.mruCount);
  if (!recent.empty()) m_file->addSeparator();
  for (size_t i = 0; i < recent.size(); ++i) {
    std::string const path = recent[i];
    m_file->addAction(Text("&" + std::to_string(i + 1) + " " + path), this, [this, path] { OpenPath(path); });
  }
  m_file->addSeparator();
  m_file->addAction(tr("E&xit"), qApp, &QApplication::quit);
  m_sessionOptions->setEnabled(m_current != nullptr);
}

void HostWindow::Begin(std::optional<std::string> const& open) {
  if (open) OpenPath(*open);
  else if (m_config.showConnectDialog) Connect();
  else if (m_config.showQuickConnectDialog) QuickConnect();
}

void HostWindow::Connect() {
  ISessionConfig* session = nullptr;
  if (ShowConnectDialog(tr("Connect").toStdString().c_str(), &session, true, false) != IDOK || !session) return;
  Open(session);
  session->Release();
}

void HostWindow::QuickConnect() {
  ISessionConfig* session = nullptr;
  if (QuickConnectDialog::Run("", &session) != IDOK || !session) return;
  Open(session);
  session->Release();
}

void HostWindow::OpenPath(std::string const& path) {
  std::string error;
  ISessionConfig* session = HostSession::Load(path, error);
  if (!session) return Fail(error);
  Open(session);
  session->Release();
}

void HostWindow::Open(ISessionConfig* session) {
  std::string const failure = HostSession::Open(*session);
  if (!failure.empty()) return Fail(failure);
  session->AddRef();
  if (m_current) m_current->Release();
  m_current = session;
  std::string const path = session->GetSessionPath().Str();
  if (!path.empty()) RecentSessions::Add(path);
  m_status->setText(Text(session->GetSessionName().Str() + "\n\n" + HostSession::CommandFor(*session).Display()));
  FillFileMenu();
}

void HostWindow::SessionOptions() {
  if (!m_current) return;
  std::string const path = m_current->GetSessionPath().Str();
  std::string const oldName = m_current->GetSessionName().Str();
  if (CdhostCallbacks::EditSession(m_current, 0) != 1 || path.empty()) return;
  std::string const newName = m_current->GetSessionName().Str();
  // The values go under the old name first; a new name is a rename of that entry.
  m_current->SetSessionName(oldName.c_str());
  SessionDatabase database(m_config.sortAlphabetical);
  database.Save(m_current, false);
  if (newName == oldName) return;
  if (!database.Rename(path.c_str(), newName.c_str(), oldName.c_str()))
    return Fail("The session could not be renamed to \"" + newName + "\".");
  std::string const folder = path.substr(0, path.size() - oldName.size());
  m_current->SetSessionName(newName.c_str());
  m_current->SetSessionPath((folder + newName).c_str());
  FillFileMenu();
}

void HostWindow::GlobalOptions() {
  bool changed = false;
  if (ShowGlobalOptionsDialog("", false, false, false, 0, false, &changed, nullptr, nullptr) != IDOK) return;
  if (!SaveGlobalConfig()) return Fail("The global options could not be saved.");
  AnnounceGlobalConfigChange();
  FillFileMenu();
}

void HostWindow::Fail(std::string const& text) {
  std::fprintf(stderr, "cdhost: %s\n", text.c_str());
  m_status->setText(Text(text));
  GetUserInterface().MessageBox(text, "", MB_OK | MB_ICONEXCLAMATION);
}
