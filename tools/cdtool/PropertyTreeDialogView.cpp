#include "PropertyTreeDialogView.h"

#include "VPropertyTreeDialog.h"
#include "VPropertyTreePage.h"

void PropertyTreeDialogView::Describe(VPropertyTreeDialog const& dialog, nlohmann::ordered_json& output) {
  using Json = nlohmann::ordered_json;
  VTreeControl const& tree = dialog.Tree();
  output["pages"] = Json::array();
  for (VTreeItem item : tree.AllItems()) {
    VPropertyTreePage const* page = dialog.PageOf(item);
    output["pages"].push_back({{"label", tree.Label(item)},
                               {"caption", "  " + page->CaptionPart()},
                               {"depth", tree.Depth(item)},
                               {"expanded", tree.IsExpanded(item)},
                               {"selected", tree.Selected() == item}});
  }
  VPropertyTreePage const* current = dialog.CurrentPage();
  output["current"] = current ? current->Label() : std::string();
  output["controls"] = Json::array();
  if (!current) return;
  for (VPageControl const& control : current->Controls()) {
    output["controls"].push_back({{"id", control.id},
                                  {"label", control.label},
                                  {"value", control.value},
                                  {"enabled", control.enabled},
                                  {"visible", control.visible}});
  }
}
