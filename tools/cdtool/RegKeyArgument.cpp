#include "RegKeyArgument.h"

#include "platform/registry/RegHiveName.h"
#include "platform/registry/RegStatusText.h"
#include "platform/registry/Registry.h"

namespace {

constexpr std::string_view kFilePrefix = "FILE:";

bool HasEmptyPart(std::string const& path) {
  return path.starts_with('\\') || path.ends_with('\\') || path.find("\\\\") != std::string::npos;
}

}  // namespace

RegKeyArgument::~RegKeyArgument() {
  if (m_ownsRoot) RegCloseKey(m_root);
}

bool RegKeyArgument::Resolve(std::string const& text) {
  m_text = text;
  bool const isFile = text.starts_with(kFilePrefix);
  std::size_t const slash = text.find('\\', isFile ? kFilePrefix.size() : 0);
  m_subKey = slash == std::string::npos ? std::string() : text.substr(slash + 1);
  if (slash != std::string::npos && (m_subKey.empty() || HasEmptyPart(m_subKey))) {
    m_error = "the key path has an empty part (two backslashes in a row or one at the end): " + text;
    return false;
  }
  return ResolveRoot(text.substr(0, slash));
}

bool RegKeyArgument::ResolveRoot(std::string const& rootText) {
  if (!rootText.starts_with(kFilePrefix)) {
    m_root = RegHiveName::Resolve(rootText);
    m_rootName = RegHiveName::LongName(m_root);
    if (m_root) return true;
    m_error = "unknown hive \"" + rootText + "\"; use HKEY_CURRENT_USER (HKCU), HKEY_LOCAL_MACHINE (HKLM), " +
              "HKEY_CLASSES_ROOT (HKCR) or FILE:path";
    return false;
  }
  std::string const path = rootText.substr(kFilePrefix.size());
  if (LSTATUS const status = RegOpenHiveFile(path.c_str(), &m_root); status != ERROR_SUCCESS) {
    m_error = "cannot open hive file \"" + path + "\": " + RegStatusText::Describe(status);
    return false;
  }
  m_ownsRoot = true;
  m_rootName = std::string(kFilePrefix) + RegHivePath(m_root);
  return true;
}

HKEY RegKeyArgument::Open(REGSAM access) {
  HKEY key = nullptr;
  LSTATUS const status = RegOpenKeyEx(m_root, m_subKey.c_str(), 0, access, &key);
  if (status == ERROR_FILE_NOT_FOUND) m_error = "no such key: " + m_text;
  else if (status != ERROR_SUCCESS) m_error = "cannot open key " + m_text + ": " + RegStatusText::Describe(status);
  return key;
}

HKEY RegKeyArgument::Create() {
  HKEY key = nullptr;
  LSTATUS const status =
      RegCreateKeyEx(m_root, m_subKey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
  if (status != ERROR_SUCCESS) m_error = "cannot create key " + m_text + ": " + RegStatusText::Describe(status);
  return key;
}

std::string RegKeyArgument::Path() const { return Join(m_rootName, m_subKey); }

std::string RegKeyArgument::ExportPath() const {
  std::string const hive = m_ownsRoot ? RegHiveName::LongName(HKEY_CURRENT_USER) : m_rootName;
  return Join(hive, m_subKey);
}

std::string RegKeyArgument::Join(std::string const& root, std::string const& subKey) {
  return subKey.empty() ? root : root + '\\' + subKey;
}
