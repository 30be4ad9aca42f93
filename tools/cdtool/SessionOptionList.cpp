#include "SessionOptionList.h"

#include <cstdint>

#include "RegValueView.h"
#include "VMemoryStoreFactory.h"
#include "VProfile.h"
#include "VProfileEncodedString.h"
#include "VProfileKey.h"
#include "VProfileMultiSz.h"
#include "VProfileStore.h"
#include "platform/registry/NameFolding.h"
#include "session/SessionConfig.h"

namespace {

std::string TypeOf(VProfileData const* member, VProfileKind kind) {
  if (kind == VProfileKind::Key) return "list";
  if (dynamic_cast<VProfile<bool> const*>(member)) return "flag";
  if (dynamic_cast<VProfile<unsigned int> const*>(member)) return "unsigned";
  if (dynamic_cast<VProfileDword const*>(member)) return "number";
  if (dynamic_cast<VProfileEncodedString const*>(member)) return "encoded text";
  if (dynamic_cast<VProfileSz const*>(member)) return "text";
  if (dynamic_cast<VProfileMultiSz const*>(member)) return "lines";
  return dynamic_cast<VProfileBinary const*>(member) ? "record" : "bytes";
}

nlohmann::ordered_json Rendered(VProfileKey& key, SessionOption const& option) {
  char const* name = option.name.c_str();
  if (option.type == "flag" || option.type == "number" || option.type == "unsigned") {
    unsigned long number = 0;
    key.GetDword(name, number);
    if (option.type == "flag") return number != 0;
    if (option.type == "unsigned") return static_cast<uint32_t>(number);
    return static_cast<int32_t>(static_cast<uint32_t>(number));
  }
  if (option.type == "text" || option.type == "encoded text") {
    VString text;
    key.GetSz(name, text);
    return option.type == "text" ? text.Str() : VProfileEncodedString::Decode(text).Str();
  }
  if (option.type == "lines") {
    VStringArray lines;
    key.GetMultiSz(name, lines);
    nlohmann::ordered_json array = nlohmann::ordered_json::array();
    for (int i = 0; i < lines.GetSize(); ++i) array.push_back(lines[i].Str());
    return array;
  }
  std::string bytes(65536, '\0');
  unsigned long size = static_cast<unsigned long>(bytes.size());
  bytes.resize(key.GetBinary(name, bytes.data(), size) ? size : 0);
  return RegValueView::Hex(bytes);
}

}  // namespace

SessionOptionList::SessionOptionList(SessionConfig& session) { Walk(session); }

void SessionOptionList::Walk(VProfileRecord& record) {
  VProfileOptionTable const& table = record.ProfileTable();
  for (int i = 0; i < table.Count(); ++i) {
    VProfileData* member = table.Member(record, i);
    if (auto* side = dynamic_cast<ConnectConfigPtr*>(member)) {
      m_options.push_back({table.Name(i), "protocol", &record, i, member, side});
      ConnectConfig* selected = *side;
      if (selected && side->Protocol() != "None") Walk(*selected);
    } else if (auto* nested = dynamic_cast<VProfileRecord*>(member)) {
      Walk(*nested);
    } else {
      m_options.push_back({table.Name(i), TypeOf(member, table.Kind(i)), &record, i, member, nullptr});
    }
  }
}

SessionOption const* SessionOptionList::Find(std::string const& name) const {
  std::string const folded = FoldName(name);
  for (SessionOption const& option : m_options)
    if (FoldName(option.name) == folded) return &option;
  return nullptr;
}

nlohmann::ordered_json SessionOptionList::Value(SessionOption const& option) {
  if (option.side) return option.side->Protocol().Str();
  if (option.type == "list") return nullptr;
  VMemoryStoreFactory scratch;
  VProfileStore store(&scratch);
  option.member->Save(store.Root(), true);
  return Rendered(*store.Root(), option);
}
