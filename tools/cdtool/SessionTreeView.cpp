#include "SessionTreeView.h"

#include <vector>

#include "database/SessionDatabase.h"

namespace {

std::vector<std::string> Names(CStringList& list) {
  std::vector<std::string> names;
  for (POSITION p = list.GetHeadPosition(); p;) names.push_back(list.GetNext(p).Str());
  return names;
}

std::string Join(std::string const& folder, std::string const& name) {
  return folder.empty() ? name : folder + "\\" + name;
}

std::vector<std::string> Folders(SessionDatabase& db, std::string const& folder) {
  CStringList list;
  db.GetFolderList(folder, list);
  return Names(list);
}

std::vector<std::string> Sessions(SessionDatabase& db, std::string const& folder) {
  CStringList list;
  db.GetSessionList(folder, list);
  return Names(list);
}

}  // namespace

std::string SessionTreeView::Text(SessionDatabase& db, std::string const& folder, bool tree) {
  std::string text;
  AppendText(db, folder, tree, "", text);
  return text;
}

void SessionTreeView::AppendText(SessionDatabase& db, std::string const& folder, bool tree,
                                 std::string const& indent, std::string& text) {
  for (std::string const& name : Folders(db, folder)) {
    text += indent + name + "\\\n";
    if (tree) AppendText(db, Join(folder, name), tree, indent + "  ", text);
  }
  for (std::string const& name : Sessions(db, folder)) text += indent + name + "\n";
}

nlohmann::ordered_json SessionTreeView::Json(SessionDatabase& db, std::string const& folder, bool tree) {
  nlohmann::ordered_json node;
  size_t const slash = folder.rfind('\\');
  node["name"] = slash == std::string::npos ? folder : folder.substr(slash + 1);
  node["path"] = folder;
  nlohmann::ordered_json folders = nlohmann::ordered_json::array();
  for (std::string const& name : Folders(db, folder)) {
    if (tree) {
      folders.push_back(Json(db, Join(folder, name), tree));
    } else {
      folders.push_back(name);
    }
  }
  node["folders"] = std::move(folders);
  node["sessions"] = Sessions(db, folder);
  return node;
}
