#include "GlobalOptionView.h"

#include <cstdint>

#include "RegValueView.h"
#include "VMemoryStoreFactory.h"
#include "VProfile.h"
#include "VProfileKey.h"
#include "VProfileRecord.h"
#include "VProfileStore.h"
#include "database/GlobalConfig.h"
#include "platform/registry/NameFolding.h"
#include "terminal/ProfileColorSchemeList.h"

namespace {

// The colour schemes are listed by name; `cdtool schemes` shows and edits them.
GlobalOption RenderList(char const* name, VProfileData const* member) {
  GlobalOption option{name, "list", nlohmann::ordered_json::array(), 0};
  if (auto const* schemes = dynamic_cast<ProfileColorSchemeList const*>(member))
    for (int i = 0; i < schemes->GetCount(); ++i) option.value.push_back(schemes->GetAt(i).GetName().Str());
  return option;
}

GlobalOption Render(VProfileKey& key, char const* name, VProfileKind kind, VProfileData const* member) {
  GlobalOption option{name, "", nullptr, 0};
  if (kind == VProfileKind::Number) {
    unsigned long number = 0;
    key.GetDword(name, number);
    bool const flag = dynamic_cast<VProfile<bool> const*>(member) != nullptr;
    option.type = flag ? "flag" : "number";
    option.value = flag ? nlohmann::ordered_json(number != 0)
                        : nlohmann::ordered_json(static_cast<int32_t>(static_cast<uint32_t>(number)));
  } else if (kind == VProfileKind::Text) {
    VString text;
    key.GetSz(name, text);
    option.type = "text";
    option.value = text.Str();
  } else {
    std::string bytes(4096, '\0');
    unsigned long size = static_cast<unsigned long>(bytes.size());
    bytes.resize(key.GetBinary(name, bytes.data(), size) ? size : 0);
    option.type = "record";
    option.value = RegValueView::Hex(bytes);
    option.size = dynamic_cast<VProfileBlob const*>(member) ? 0 : bytes.size();
  }
  return option;
}

}  // namespace

std::vector<GlobalOption> GlobalOptionView::Options(GlobalConfig& config) {
  VMemoryStoreFactory scratch;
  VProfileStore store(&scratch);
  std::vector<GlobalOption> options;
  AddOptions(config, *store.Root(), options);
  options.push_back(GlobalOption{"Config Path", "text", config.configPath.Str(), 0});
  return options;
}

// A nested record's options are listed in its place, under their own stored names.
void GlobalOptionView::AddOptions(VProfileRecord& record, VProfileKey& scratch, std::vector<GlobalOption>& options) {
  VProfileOptionTable const& table = record.ProfileTable();
  for (int i = 0; i < table.Count(); ++i) {
    VProfileData* member = table.Member(record, i);
    if (table.Kind(i) == VProfileKind::Key) {
      // A list in its own key saves to the installed store, never to the scratch one.
      options.push_back(RenderList(table.Name(i), member));
    } else if (table.Kind(i) == VProfileKind::Record) {
      AddOptions(*dynamic_cast<VProfileRecord*>(member), scratch, options);
    } else {
      member->Save(&scratch, true);
      options.push_back(Render(scratch, table.Name(i), table.Kind(i), member));
    }
  }
}

GlobalOption const* GlobalOptionView::Find(std::vector<GlobalOption> const& options, std::string const& name) {
  std::string const folded = FoldName(name);
  for (GlobalOption const& option : options)
    if (FoldName(option.name) == folded) return &option;
  return nullptr;
}

nlohmann::ordered_json GlobalOptionView::ToJson(GlobalOption const& option) {
  return {{"name", option.name}, {"type", option.type}, {"value", option.value}};
}

std::string GlobalOptionView::PlainValue(GlobalOption const& option) {
  return option.value.is_string() ? option.value.get<std::string>() : RegValueView::Dump(option.value);
}
