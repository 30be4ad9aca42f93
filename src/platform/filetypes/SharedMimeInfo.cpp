#include "platform/filetypes/SharedMimeInfo.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ranges>
#include <set>
#include <sstream>
#include <string_view>

namespace {

std::string Lower(std::string text) {
  std::ranges::transform(text, text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::vector<std::string> Fields(std::string const& line) {
  std::vector<std::string> fields;
  std::istringstream in(line);
  for (std::string field; std::getline(in, field, ':');) fields.push_back(field);
  return fields;
}

// "*.ext" with no further wildcard gives "ext"; anything else is not an extension.
std::string ExtensionOfGlob(std::string const& glob) {
  if (glob.size() < 3 || glob.compare(0, 2, "*.") != 0) return {};
  std::string extension = glob.substr(2);
  if (extension.find_first_of("*?[]\\") != std::string::npos) return {};
  return extension;
}

std::string ReadText(std::string const& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string DecodeEntities(std::string_view text) {
  static constexpr std::pair<std::string_view, char> kEntities[] = {
      {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}};
  std::string decoded;
  for (size_t i = 0; i < text.size();) {
    auto const entity = std::ranges::find_if(kEntities, [&](auto const& e) { return text.substr(i).starts_with(e.first); });
    if (entity == std::end(kEntities)) {
      decoded += text[i++];
    } else {
      decoded += entity->second;
      i += entity->first.size();
    }
  }
  return decoded;
}

// "media/subtype" with no path tricks, so that a type name never leaves the mime folder.
bool IsTypeName(std::string const& mimeType) {
  size_t const slash = mimeType.find('/');
  if (slash == std::string::npos || slash == 0 || slash + 1 == mimeType.size()) return false;
  if (mimeType.find('/', slash + 1) != std::string::npos) return false;
  return mimeType.front() != '.' && mimeType[slash + 1] != '.';
}

}  // namespace

SharedMimeInfo::SharedMimeInfo(std::vector<std::string> mimeFolders) : m_folders(std::move(mimeFolders)) {
  for (std::string const& folder : m_folders) {
    LoadGlobs(folder);
    LoadIcons(folder + "/icons", m_icons);
    LoadIcons(folder + "/generic-icons", m_genericIcons);
  }
}

void SharedMimeInfo::LoadGlobs(std::string const& folder) {
  // globs2 carries weights and case flags; the older globs is read only where it is alone.
  std::ifstream in(folder + "/globs2");
  bool const weighted = in.is_open();
  if (!weighted) in.open(folder + "/globs");
  for (std::string line; std::getline(in, line);)
    if (!line.empty() && line.front() != '#') AddGlob(line, weighted);
}

void SharedMimeInfo::AddGlob(std::string const& line, bool weighted) {
  std::vector<std::string> const fields = Fields(line);
  size_t const first = weighted ? 1 : 0;
  if (fields.size() < first + 2) return;
  Glob glob;
  if (weighted) {
    auto const [end, error] = std::from_chars(fields[0].data(), fields[0].data() + fields[0].size(), glob.weight);
    if (error != std::errc() || end != fields[0].data() + fields[0].size()) return;
  }
  glob.mimeType = fields[first];
  std::string const extension = ExtensionOfGlob(fields[first + 1]);
  if (extension.empty() || !IsTypeName(glob.mimeType)) return;
  if (fields.size() > first + 2) glob.caseSensitive = fields[first + 2].find("cs") != std::string::npos;
  m_globs.emplace(Lower(extension), std::pair{extension, glob});
}

void SharedMimeInfo::LoadIcons(std::string const& path, std::map<std::string, std::string>& icons) {
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);) {
    size_t const colon = line.find(':');
    if (colon != std::string::npos && colon > 0 && colon + 1 < line.size())
      icons.try_emplace(line.substr(0, colon), line.substr(colon + 1));
  }
}

std::string SharedMimeInfo::TypeOfExtension(std::string const& extension) const {
  Glob const* best = nullptr;
  auto const [from, to] = m_globs.equal_range(Lower(extension));
  for (auto it = from; it != to; ++it) {
    auto const& [spelling, glob] = it->second;
    if (glob.caseSensitive && spelling != extension) continue;
    // Equal weights keep the earlier glob: the earlier folder, then the earlier line.
    if (!best || glob.weight > best->weight) best = &glob;
  }
  return best ? best->mimeType : std::string();
}

std::vector<std::string> SharedMimeInfo::Extensions() const {
  std::vector<std::string> extensions;
  std::set<std::string> seen;
  for (auto const& entry : m_globs) {
    auto const& [spelling, glob] = entry.second;
    if (seen.insert(glob.caseSensitive ? spelling : Lower(spelling)).second) extensions.push_back(spelling);
  }
  return extensions;
}

std::string SharedMimeInfo::TypeFile(std::string const& mimeType) const {
  if (!IsTypeName(mimeType)) return {};
  for (std::string const& folder : m_folders) {
    std::string const path = folder + "/" + mimeType + ".xml";
    std::error_code ignored;
    if (std::filesystem::is_regular_file(path, ignored)) return path;
  }
  return {};
}

bool SharedMimeInfo::IsKnownType(std::string const& mimeType) const { return !TypeFile(mimeType).empty(); }

std::string SharedMimeInfo::Comment(std::string const& mimeType) const {
  std::string const path = TypeFile(mimeType);
  if (path.empty()) return {};
  std::string const text = ReadText(path);
  // The untranslated comment is the one without an xml:lang attribute.
  static constexpr std::string_view kOpen = "<comment>";
  size_t const start = text.find(kOpen);
  if (start == std::string::npos) return {};
  size_t const end = text.find("</comment>", start);
  if (end == std::string::npos) return {};
  return DecodeEntities(std::string_view(text).substr(start + kOpen.size(), end - start - kOpen.size()));
}

std::string SharedMimeInfo::IconName(std::string const& mimeType) const {
  if (mimeType.empty()) return {};
  if (auto const icon = m_icons.find(mimeType); icon != m_icons.end()) return icon->second;
  if (auto const icon = m_genericIcons.find(mimeType); icon != m_genericIcons.end()) return icon->second;
  std::string name = mimeType;
  std::ranges::replace(name, '/', '-');
  return name;
}
