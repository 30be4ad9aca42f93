#include "ProtocolsCommand.h"

#include <nlohmann/json.hpp>

#include "CommandOutput.h"
#include "JsonOutput.h"
#include "session/ConnectProtocolTable.h"

ProtocolsCommand::ProtocolsCommand(CLI::App& app) {
  CLI::App* protocols = AddVerb(app, "protocols", "List the connection protocols the product's plug-ins provide",
                                [this] { return List(); });
  m_loader.AddOption(*protocols);
  protocols->add_flag("--json", m_json, "Print one JSON document");
  protocols->footer(
      "Plain: INDEX<tab>PROTOCOL<tab>PRODUCT<tab>FILE per table entry (FILE is empty for None), then a line "
      "\"missing<tab>PROTOCOL<tab>FILE\" per plug-in that could not be loaded. With --json: {\"folder\": DIR, "
      "\"protocols\": [{\"index\", \"protocol\", \"product\", \"file\"}...], \"missing\": [{\"protocol\", "
      "\"file\"}...]}.");
}

int ProtocolsCommand::List() {
  if (!m_loader.Fill()) return CommandOutput::Refuse(m_loader.Error());
  ConnectProtocolTable const& table = GetConnectProtocolTable();
  nlohmann::ordered_json protocols = nlohmann::ordered_json::array();
  std::string text;
  for (int i = 0; i < table.GetSize(); ++i) {
    ConnectProtocolTableElement const& entry = table[i];
    protocols.push_back({{"index", i},
                         {"protocol", entry.protocolName.Str()},
                         {"product", entry.productId},
                         {"file", entry.filePath.Str()}});
    text += std::to_string(i) + '\t' + entry.protocolName.Str() + '\t' + std::to_string(entry.productId) + '\t' +
            entry.filePath.Str() + '\n';
  }
  nlohmann::ordered_json missing = nlohmann::ordered_json::array();
  for (ProtocolTableLoader::Missing const& row : m_loader.MissingRows()) {
    missing.push_back({{"protocol", row.protocol}, {"file", row.file}});
    text += "missing\t" + row.protocol + '\t' + row.file + '\n';
  }
  if (!m_json) return CommandOutput::Print(text);
  nlohmann::ordered_json const document{{"folder", m_loader.Folder()}, {"protocols", protocols}, {"missing", missing}};
  return JsonOutput::Print(document);
}
