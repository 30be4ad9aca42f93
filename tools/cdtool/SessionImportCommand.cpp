#include "SessionImportCommand.h"

#include <cstdlib>
#include <nlohmann/json.hpp>

#include "CommandOutput.h"
#include "JsonOutput.h"
#include "exchange/ImportSource.h"
#include "exchange/SessionImporter.h"

namespace {

std::string Environment(char const* name) {
  char const* value = std::getenv(name);
  return value ? value : "";
}

SessionImporter::OnConflict ConflictPolicy(std::string const& name) {
  if (name == "rename") return SessionImporter::OnConflict::Rename;
  if (name == "replace") return SessionImporter::OnConflict::Replace;
  return SessionImporter::OnConflict::Skip;
}

nlohmann::ordered_json Json(SessionImporter::Summary const& summary, bool dryRun) {
  using Kind = ImportOutcome::Kind;
  nlohmann::ordered_json entries = nlohmann::ordered_json::array();
  for (ImportOutcome const& outcome : summary.outcomes)
    entries.push_back({{"outcome", ImportOutcome::KindName(outcome.kind)},
                       {"subject", outcome.subject},
                       {"source", outcome.source},
                       {"reason", outcome.reason}});
  return {{"dryRun", dryRun},
          {"made", summary.Count(Kind::Made)},
          {"skipped", summary.Count(Kind::Skipped)},
          {"refused", summary.Count(Kind::Refused)},
          {"entries", entries}};
}

std::string Text(SessionImporter::Summary const& summary, bool dryRun) {
  using Kind = ImportOutcome::Kind;
  std::string text;
  for (ImportOutcome const& outcome : summary.outcomes) {
    text += std::string(ImportOutcome::KindName(outcome.kind)) + "\t" + outcome.subject + "\t" + outcome.source;
    text += outcome.reason.empty() ? "\n" : "\t" + outcome.reason + "\n";
  }
  text += std::string(dryRun ? "would make " : "made ") + std::to_string(summary.Count(Kind::Made)) + ", skipped " +
          std::to_string(summary.Count(Kind::Skipped)) + ", refused " + std::to_string(summary.Count(Kind::Refused)) +
          "\n";
  return text;
}

}  // namespace

SessionImportCommand::SessionImportCommand(CLI::App& session, ProtocolTableLoader& loader) : m_loader(loader) {
  CLI::App* import = AddVerb(session, "import", "Bring sessions in from another tool's files", [this] { return Import(); });
  import->add_option("FORMAT", m_format, "ssh-config, putty or remmina")
      ->required()
      ->check(CLI::IsMember({"ssh-config", "putty", "remmina"}));
  import->add_option("SOURCE", m_source,
                     "The file or folder to read; by default ~/.ssh/config, ~/.putty/sessions or "
                     "$XDG_DATA_HOME/remmina (~/.local/share/remmina)");
  import->add_option("--into", m_into, "The folder to import into (backslash-separated); the top by default");
  import->add_flag("--dry-run", m_dryRun, "Report what would be made and change nothing");
  import->add_option("--on-conflict", m_onConflict, "What to do with a name that exists: skip, rename or replace")
      ->check(CLI::IsMember({"skip", "rename", "replace"}))
      ->capture_default_str();
  import->add_flag("--json", m_json,
                   "Print {\"dryRun\",\"made\",\"skipped\",\"refused\",\"entries\":[{\"outcome\",\"subject\","
                   "\"source\",\"reason\"}]}");
  import->footer(
      "One unit of work: everything is stored, or nothing when the store refuses. Plain output: one line per "
      "entry (outcome, subject, source, reason), then the counts. Exit 0 when the import was stored (entries "
      "may still be skipped or refused, each with its reason); 1 when the source cannot be read or the store "
      "refused.");
}

ImportBatch SessionImportCommand::ReadSource() const {
  // The option's check admits the three names only.
  ImportSource::Format const format = *ImportSource::Parse(m_format);
  std::string const home = Environment("HOME");
  std::string const source =
      m_source.empty() ? ImportSource::DefaultPath(format, home, Environment("XDG_DATA_HOME")) : m_source;
  return ImportSource::Read(format, source, home);
}

int SessionImportCommand::Import() {
  if (!m_loader.Fill()) return CommandOutput::Refuse(m_loader.Error());
  ImportBatch const batch = ReadSource();
  if (!batch.error.empty()) return CommandOutput::Refuse(batch.error);
  SessionImporter importer(m_into, ConflictPolicy(m_onConflict), m_dryRun);
  SessionImporter::Summary const summary = importer.Import(batch);
  if (!summary.error.empty()) return CommandOutput::Refuse(summary.error);
  if (!summary.stored) return CommandOutput::Refuse("the import was not stored");
  return m_json ? JsonOutput::Print(Json(summary, m_dryRun)) : CommandOutput::Print(Text(summary, m_dryRun));
}
