#include "RegTreeView.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "RegValueView.h"
#include "platform/registry/RegKeyReader.h"

LSTATUS RegTreeView::Listing(HKEY key, std::string const& path, nlohmann::ordered_json& document) {
  std::vector<std::string> names;
  nlohmann::ordered_json values;
  LSTATUS status = RegKeyReader::SubkeyNames(key, names);
  if (status == ERROR_SUCCESS) status = ValuesJson(key, path, values);
  document = {{"path", path}, {"subkeys", names}, {"values", std::move(values)}};
  return status;
}

// One walk collects the subtree; the nodes are nested here from the depth of each key's path.
LSTATUS RegTreeView::Tree(HKEY key, std::string const& path, std::string const& name, nlohmann::ordered_json& document) {
  std::vector<RegFileOperation> steps;
  if (LSTATUS const status = RegKeyReader::Collect(key, path, steps, true); status != ERROR_SUCCESS) return status;
  std::size_t const top = std::ranges::count(path, '\\');
  nlohmann::ordered_json tree;
  std::vector<nlohmann::ordered_json*> open;  // the node of each level down to the current key
  for (RegFileOperation const& step : steps) {
    if (step.kind == RegFileOperation::Kind::SetValue) {
      open.back()->at("values").push_back(RegValueView::ToJson(step));
      continue;
    }
    std::size_t const level = std::ranges::count(step.key, '\\') - top;
    open.resize(level);
    nlohmann::ordered_json node = {{"name", level == 0 ? name : step.key.substr(step.key.rfind('\\') + 1)},
                                   {"path", step.key},
                                   {"values", nlohmann::ordered_json::array()},
                                   {"subkeys", nlohmann::ordered_json::array()}};
    if (open.empty()) {
      tree = std::move(node);
      open.push_back(&tree);
    } else {
      open.push_back(&open.back()->at("subkeys").emplace_back(std::move(node)));
    }
  }
  document = std::move(tree);
  return ERROR_SUCCESS;
}

std::string RegTreeView::PlainListing(nlohmann::ordered_json const& document) {
  std::string text;
  for (auto const& name : document["subkeys"]) text += name.get<std::string>() + "\\\n";
  for (auto const& value : document["values"]) text += RegValueView::PlainLine(value) + '\n';
  return text;
}

// Appends to one text, so the time grows with the output, whatever the depth.
std::string RegTreeView::PlainTree(nlohmann::ordered_json const& document) {
  std::string text;
  AppendKey(document, document.at("path").get_ref<std::string const&>(), 0, text);
  std::vector<std::pair<nlohmann::ordered_json const*, std::size_t>> levels{{&document, 0}};
  while (!levels.empty()) {
    auto& [node, next] = levels.back();
    nlohmann::ordered_json const& subkeys = node->at("subkeys");
    if (next == subkeys.size()) {
      levels.pop_back();
      continue;
    }
    nlohmann::ordered_json const& child = subkeys[next++];
    AppendKey(child, child.at("name").get_ref<std::string const&>(), levels.size(), text);
    levels.emplace_back(&child, 0);
  }
  return text;
}

void RegTreeView::AppendKey(nlohmann::ordered_json const& node, std::string const& label, std::size_t level,
                            std::string& text) {
  text.append(2 * level, ' ').append(label).append("\\\n");
  for (auto const& value : node.at("values"))
    text.append(2 * level + 2, ' ').append(RegValueView::PlainLine(value)).append("\n");
}

LSTATUS RegTreeView::ValuesJson(HKEY key, std::string const& path, nlohmann::ordered_json& values) {
  std::vector<RegFileOperation> found;
  LSTATUS const status = RegKeyReader::Values(key, path, found);
  values = nlohmann::ordered_json::array();
  for (auto const& value : found) values.push_back(RegValueView::ToJson(value));
  return status;
}
