#include "ConnectDialogView.h"

#include "dialogs/ConnectDialog.h"
#include "dialogs/FolderTreeRecord.h"
#include "platform/clipboard/Clipboard.h"

namespace {

using Json = nlohmann::ordered_json;

std::string Hex(std::vector<unsigned char> const& bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text;
  for (unsigned char byte : bytes) {
    text += kDigits[byte >> 4];
    text += kDigits[byte & 0x0F];
  }
  return text;
}

Json Tree(ConnectDialog& dialog) {
  Json items = Json::array();
  for (ConnectTreeItem* item : dialog.VisibleItems())
    items.push_back({{"path", item->Path()},
                     {"kind", item->IsFolder() ? "folder" : "session"},
                     {"label", item->Label()},
                     {"cut", dialog.IsCut(*item)},
                     {"expanded", item->expanded}});
  return items;
}

Json Commands(ConnectDialog& dialog) {
  Json commands = Json::object();
  for (int id : dialog.CommandIds()) {
    Json state{{"enabled", dialog.IsEnabled(id)}};
    if (std::optional<bool> const checked = dialog.IsChecked(id)) state["checked"] = *checked;
    commands[std::to_string(id)] = state;
  }
  return commands;
}

}  // namespace

void ConnectDialogView::Describe(ConnectDialog& dialog, Json const& launched, Json& output) {
  output["tree"] = Tree(dialog);
  output["selected"] = dialog.SelectedPath();
  output["commands"] = Commands(dialog);
  output["result"] = {{"name", dialog.ResultName()}, {"path", dialog.ResultPath()}};
  output["launched"] = launched;
  std::vector<unsigned char> record;
  GetClipboard().GetData(FolderTreeRecord::kFormat, record);
  output["clipboard"] = Hex(record);
}
