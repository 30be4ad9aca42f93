#include "VProfileMultiLineString.h"

bool VProfileMultiLineString::Load(VProfileKey* key, char const* name) {
  SetName(name);
  return VProfile2::Load(key, VStringArray());
}

void VProfileMultiLineString::SetText(VString const& text) {
  RemoveAll();
  if (text.IsEmpty()) return;
  std::string_view rest = text.View();
  while (true) {
    size_t const cut = rest.find('\n');
    std::string_view line = rest.substr(0, cut);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    Add(VString(line));
    if (cut == std::string_view::npos) return;
    rest.remove_prefix(cut + 1);
  }
}

VString VProfileMultiLineString::GetText(bool crlf) const {
  VString text;
  for (int i = 0; i < GetSize(); ++i) {
    if (i > 0) text += crlf ? "\r\n" : "\n";
    text += GetAt(i);
  }
  return text;
}
