// cdtool: inspect and edit sessions, options and the registry stand-in from the command line.
#include <CLI/CLI.hpp>

#include <stdlib.h>

#include <filesystem>

#include "CommandOutput.h"
#include "DialogCommand.h"
#include "FileTypesCommand.h"
#include "FirewallCommand.h"
#include "GlobalCommand.h"
#include "KeymapCommand.h"
#include "LaunchCommand.h"
#include "LognameCommand.h"
#include "MsgCommand.h"
#include "ProtocolsCommand.h"
#include "RegCommand.h"
#include "SchemesCommand.h"
#include "SessionCommand.h"
#include "SessionFromUrlCommand.h"
#include "SessionTreeCommand.h"
#include "SyncCommand.h"
#include "ToolStartup.h"
#include "TzCommand.h"
#include "UrlCommand.h"
#include "VStoreFailure.h"

int main(int argc, char** argv) {
  CLI::App app{"cdtool: inspect and edit ConnectDialog sessions, options and the registry stand-in"};
  std::string root;
  app.add_option("--root", root, "Keep every hive under this folder (sets BRIMVALE_ROOT), for tests and trials");
  std::string product;
  ToolStartup::AddOption(app, product);
  app.require_subcommand(1);
  RegCommand reg(app);
  MsgCommand msg(app);
  GlobalCommand global(app);
  TzCommand tz(app);
  SchemesCommand schemes(app);
  SyncCommand sync(app);
  KeymapCommand keymap(app);
  LognameCommand logname(app);
  FileTypesCommand filetypes(app);
  FirewallCommand firewall(app);
  ProtocolsCommand protocols(app);
  SessionCommand session(app);
  SessionTreeCommand sessionTree(*app.get_subcommand("session"), session.Loader());
  SessionFromUrlCommand fromUrl(*app.get_subcommand("session"), session.Loader());
  LaunchCommand launch(app);
  UrlCommand url(app);
  DialogCommand dialog(app);
  try {
    app.parse(argc, argv);
  } catch (CLI::ParseError const& error) {
    return app.exit(error) == 0 ? 0 : 2;
  }
  // Set before any call reaches the registry, so that every hive comes from this folder.
  if (!root.empty()) setenv("BRIMVALE_ROOT", std::filesystem::absolute(root).c_str(), 1);
  if (fromUrl.ActsForTransferHost()) product = "halofyx";
  ToolStartup::Run(product);
  // Failures met while starting are met again by the command that needs the store.
  VStoreFailure::Clear();
  int const code = [&] {
    if (reg.Selected()) return reg.Run();
    if (msg.Selected()) return msg.Run();
    if (global.Selected()) return global.Run();
    if (tz.Selected()) return tz.Run();
    if (schemes.Selected()) return schemes.Run();
    if (sync.Selected()) return sync.Run();
    if (keymap.Selected()) return keymap.Run();
    if (logname.Selected()) return logname.Run();
    if (filetypes.Selected()) return filetypes.Run();
    if (firewall.Selected()) return firewall.Run();
    if (protocols.Selected()) return protocols.Run();
    if (sessionTree.Selected()) return sessionTree.Run();
    if (fromUrl.Selected()) return fromUrl.Run();
    if (session.Selected()) return session.Run();
    if (launch.Selected()) return launch.Run();
    if (url.Selected()) return url.Run();
    if (dialog.Selected()) return dialog.Run();
    return 2;
  }();
  // A command that wrote nothing of its own still fails when its store did.
  return code == 0 && VStoreFailure::Any() ? CommandOutput::Refuse(VStoreFailure::Describe()) : code;
}
