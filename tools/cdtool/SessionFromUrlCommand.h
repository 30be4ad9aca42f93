// `cdtool session from-url TEXT [--save PATH] [--json]`: the file-transfer session a host makes
// from a connection URL or a host name, printed, and stored at PATH when asked. Only the
// file-transfer host (halofyx) makes such sessions, so the verb acts for it unless --product
// names another product.
#pragma once

#include <CLI/CLI.hpp>

#include <optional>
#include <string>

#include "Command.h"
#include "ProtocolTableLoader.h"

class SessionFromUrlCommand : public Command {
 public:
  // Adds the verb to `session`, a subcommand of the app that holds --product; the session is
  // made with the table `loader` fills.
  SessionFromUrlCommand(CLI::App& session, ProtocolTableLoader& loader);

  // Whether the tool must start as the file-transfer host: the verb runs and --product is not given.
  bool ActsForTransferHost() const { return Selected() && m_product->count() == 0; }

 private:
  // 0 made (and stored), 1 when the text or the path is refused.
  int Make();

  ProtocolTableLoader& m_loader;
  CLI::Option const* m_product;
  CLI::App* m_fromUrl = nullptr;
  std::string m_text;
  std::optional<std::string> m_savePath;
  bool m_json = false;
};
