#include "RegTreeView.h"

#include "RegValueView.h"
#include "platform/registry/RegKeyReader.h"
#include "platform/registry/Registry.h"

LSTATUS RegTreeView::Listing(HKEY key, std::string const& path, nlohmann::ordered_json& document) {
  std::vector<std::string> names;
  nlohmann::ordered_json values;
  LSTATUS status = RegKeyReader::SubkeyNames(key, names);
  if (status == ERROR_SUCCESS) status = ValuesJson(key, path, values);
  document = {{"path", path}, {"subkeys", names}, {"values", std::move(values)}};
  return status;
}

LSTATUS RegTreeView::Tree(HKEY key, std::string const& path, std::string const& name, nlohmann::ordered_json& document) {
  std::vector<std::string> names;
  nlohmann::ordered_json values;
  LSTATUS status = RegKeyReader::SubkeyNames(key, names);
  if (status == ERROR_SUCCESS) status = ValuesJson(key, path, values);
  document = {{"name", name}, {"path", path}, {"values", std::move(values)}, {"subkeys", nlohmann::ordered_json::array()}};
  for (std::size_t i = 0; status == ERROR_SUCCESS && i < names.size(); ++i) {
    HKEY subkey = nullptr;
    status = RegOpenKeyEx(key, names[i].c_str(), 0, KEY_READ, &subkey);
    if (status != ERROR_SUCCESS) break;
    nlohmann::ordered_json child;
    status = Tree(subkey, path + '\\' + names[i], names[i], child);
    RegCloseKey(subkey);
    document["subkeys"].push_back(std::move(child));
  }
  return status;
}

std::string RegTreeView::PlainListing(nlohmann::ordered_json const& document) {
  std::string text;
  for (auto const& name : document["subkeys"]) text += name.get<std::string>() + "\\\n";
  for (auto const& value : document["values"]) text += RegValueView::PlainLine(value) + '\n';
  return text;
}

std::string RegTreeView::PlainTree(nlohmann::ordered_json const& document, std::string const& indent) {
  std::string const& label = document[indent.empty() ? "path" : "name"].get_ref<std::string const&>();
  std::string text = indent + label + "\\\n";
  for (auto const& value : document["values"]) text += indent + "  " + RegValueView::PlainLine(value) + '\n';
  for (auto const& child : document["subkeys"]) text += PlainTree(child, indent + "  ");
  return text;
}

LSTATUS RegTreeView::ValuesJson(HKEY key, std::string const& path, nlohmann::ordered_json& values) {
  std::vector<RegFileOperation> found;
  LSTATUS const status = RegKeyReader::Values(key, path, found);
  values = nlohmann::ordered_json::array();
  for (auto const& value : found) values.push_back(RegValueView::ToJson(value));
  return status;
}
