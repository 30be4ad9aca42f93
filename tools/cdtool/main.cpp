// cdtool: inspect and edit sessions, options and the registry stand-in from the command line.
#include <CLI/CLI.hpp>

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "CommandList.h"
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
#include "SessionExportCommand.h"
#include "SessionFromUrlCommand.h"
#include "SessionImportCommand.h"
#include "SessionTreeCommand.h"
#include "SyncCommand.h"
#include "ToolStartup.h"
#include "TzCommand.h"
#include "UrlCommand.h"
#include "VStoreFailure.h"

namespace {

// The innermost subcommand the command line chose, or the tool itself.
CLI::App const& InnermostChosen(CLI::App const& app) {
  CLI::App const* chosen = &app;
  while (!chosen->get_subcommands().empty()) chosen = chosen->get_subcommands().front();
  return *chosen;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"cdtool: inspect and edit ConnectDialog sessions, options and the registry stand-in"};
  std::string root;
  app.add_option("--root", root, "Keep every hive under this folder (sets BRIMVALE_ROOT), for tests and trials");
  std::string product;
  ToolStartup::AddOption(app, product);
  app.require_subcommand(1);
  CommandList commands;
  commands.Add<RegCommand>(app);
  commands.Add<MsgCommand>(app);
  commands.Add<GlobalCommand>(app);
  commands.Add<TzCommand>(app);
  commands.Add<SchemesCommand>(app);
  commands.Add<SyncCommand>(app);
  commands.Add<KeymapCommand>(app);
  commands.Add<LognameCommand>(app);
  commands.Add<FileTypesCommand>(app);
  commands.Add<FirewallCommand>(app);
  commands.Add<ProtocolsCommand>(app);
  SessionCommand& session = commands.Add<SessionCommand>(app);
  CLI::App& sessionNoun = *app.get_subcommand("session");
  commands.Add<SessionTreeCommand>(sessionNoun, session.Loader());
  SessionFromUrlCommand const& fromUrl = commands.Add<SessionFromUrlCommand>(sessionNoun, session.Loader());
  commands.Add<SessionImportCommand>(sessionNoun, session.Loader());
  commands.Add<SessionExportCommand>(sessionNoun, session.Loader());
  commands.Add<LaunchCommand>(app);
  commands.Add<UrlCommand>(app);
  commands.Add<DialogCommand>(app);
  try {
    app.parse(argc, argv);
  } catch (CLI::RequiredError const& error) {
    // An unknown word where a subcommand belongs is named, not taken for a missing subcommand.
    std::vector<std::string> unknown = InnermostChosen(app).remaining();
    std::reverse(unknown.begin(), unknown.end());  // kept last word first
    if (!unknown.empty()) return app.exit(CLI::ExtrasError(unknown)) == 0 ? 0 : 2;
    return app.exit(error) == 0 ? 0 : 2;
  } catch (CLI::ParseError const& error) {
    return app.exit(error) == 0 ? 0 : 2;
  }
  // Set before any call reaches the registry, so that every hive comes from this folder.
  if (!root.empty()) setenv("BRIMVALE_ROOT", std::filesystem::absolute(root).c_str(), 1);
  if (fromUrl.ActsForTransferHost()) product = "halofyx";
  ToolStartup::Run(product);
  // Failures met while starting are met again by the command that needs the store.
  VStoreFailure::Clear();
  int const code = commands.RunChosen();
  // A command that wrote nothing of its own still fails when its store did.
  return code == 0 && VStoreFailure::Any() ? CommandOutput::Refuse(VStoreFailure::Describe()) : code;
}
