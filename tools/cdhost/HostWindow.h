// cdhost's main window: the File menu (Connect, Quick Connect, the recent sessions up to "MRU
// Count", Exit), the Options menu (Session Options of the current session, Global Options) and
// Help. The current session is the one opened last; its client runs in a terminal emulator and
// the window says which command was started, or why none was.
#pragma once

#include <QMainWindow>
#include <optional>
#include <string>

class GlobalConfig;
class ISessionConfig;
class QAction;
class QLabel;
class QMenu;

class HostWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit HostWindow(GlobalConfig& config);
  ~HostWindow() override;

  // At start: the session /S named, else the dialog the options ask for.
  void Begin(std::optional<std::string> const& open);
  void Connect();
  void QuickConnect();
  void OpenPath(std::string const& path);
  void SessionOptions();
  void GlobalOptions();

 private:
  // Opens `session` (the caller keeps its reference) and makes it the current one.
  void Open(ISessionConfig* session);
  void Fail(std::string const& text);
  void FillFileMenu();

  GlobalConfig& m_config;
  ISessionConfig* m_current = nullptr;
  QMenu* m_file = nullptr;
  QAction* m_sessionOptions = nullptr;
  QLabel* m_status = nullptr;
};
