#include "OptionView.h"

#include <charconv>
#include <cstdint>

#include "VOption.h"
#include "VOptionText.h"
#include "VTextList.h"

namespace {

bool IsList(VOptionForm form) {
  return form == VOptionForm::TextList || form == VOptionForm::Lines || form == VOptionForm::List;
}

}  // namespace

nlohmann::ordered_json OptionView::Json(VOption const& option) {
  return Json(option.Name(), option.Form(), option.Text());
}

nlohmann::ordered_json OptionView::Json(std::string const& name, VOptionForm form, VString const& text) {
  return {{"name", name}, {"type", VOptionText::FormName(form)}, {"value", Value(form, text)}};
}

std::string OptionView::Line(VOption const& option) { return Line(option.Name(), option.Form(), option.Text()); }

std::string OptionView::Line(std::string const& name, VOptionForm form, VString const& text) {
  return name + '\t' + VOptionText::FormName(form) + '\t' + text.Str() + '\n';
}

nlohmann::ordered_json OptionView::Value(VOptionForm form, VString const& text) {
  std::string_view const view = text.View();
  if (form == VOptionForm::Flag) {
    bool flag = false;
    if (VOptionText::ParseFlag(view, flag)) return flag;
  } else if (form == VOptionForm::Number || form == VOptionForm::Unsigned) {
    int64_t number = 0;
    auto const [end, error] = std::from_chars(view.data(), view.data() + view.size(), number);
    if (error == std::errc() && end == view.data() + view.size()) return number;
  } else if (IsList(form)) {
    VStringArray items;
    if (VTextList::Parse(view, items)) {
      nlohmann::ordered_json array = nlohmann::ordered_json::array();
      for (int i = 0; i < items.GetSize(); ++i) array.push_back(items[i].Str());
      return array;
    }
  }
  return text.Str();
}
