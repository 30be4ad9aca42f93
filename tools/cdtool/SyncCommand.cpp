#include "SyncCommand.h"

#include <nlohmann/json.hpp>

#include <string>

#include "CommandOutput.h"
#include "JsonOutput.h"
#include "transfer/SynchronizeProfile.h"

namespace {

nlohmann::ordered_json ToJson(SynchronizeTask const& task) {
  nlohmann::ordered_json sources = nlohmann::ordered_json::array();
  for (SynchronizeSource const& source : task.sources)
    sources.push_back({{"session", source.session.Str()}, {"path", source.path.Str()}, {"recurse", source.recurse}});
  nlohmann::ordered_json targets = nlohmann::ordered_json::array();
  for (SynchronizeTarget const& target : task.targets)
    targets.push_back({{"session", target.session.Str()}, {"path", target.path.Str()}});
  return {{"name", task.name.Str()}, {"type", task.type}, {"sources", sources}, {"targets", targets}};
}

std::string Place(VString const& session, VString const& path) {
  return "session \"" + session.Str() + "\"  path \"" + path.Str() + "\"";
}

std::string Plain(SynchronizeProfile const& profile) {
  if (profile.tasks.empty()) return "no synchronisation tasks\n";
  std::string text;
  for (SynchronizeTask const& task : profile.tasks) {
    text += task.name.Str() + " (type " + std::to_string(task.type) + ")\n";
    for (SynchronizeSource const& source : task.sources)
      text += "  from " + Place(source.session, source.path) + (source.recurse ? "  with subfolders\n" : "\n");
    for (SynchronizeTarget const& target : task.targets) text += "  to   " + Place(target.session, target.path) + "\n";
  }
  return text;
}

}  // namespace

SyncCommand::SyncCommand(CLI::App& app) {
  CLI::App* sync = app.add_subcommand("sync", "Show the synchronisation profile of the file-transfer host");
  sync->require_subcommand(1);
  CLI::App* show = AddVerb(*sync, "show", "Print every synchronisation task with its sources and targets",
                           [this] { return Show(); });
  show->add_flag("--json", m_json, "Print one JSON document");
  show->footer("With --json: {\"tasks\": [{\"name\": TEXT, \"type\": NUMBER, \"sources\": [{\"session\": TEXT, "
               "\"path\": TEXT, \"recurse\": BOOL}, ...], \"targets\": [{\"session\": TEXT, \"path\": TEXT}, ...]}, "
               "...]}. Bytes that are not UTF-8 show as U+FFFD.");
}

int SyncCommand::Show() {
  SynchronizeProfile profile;
  profile.Load(nullptr, SynchronizeProfile::kKeyName);
  if (!m_json) return CommandOutput::Print(Plain(profile));
  nlohmann::ordered_json tasks = nlohmann::ordered_json::array();
  for (SynchronizeTask const& task : profile.tasks) tasks.push_back(ToJson(task));
  return JsonOutput::Print({{"tasks", tasks}});
}
