#include "platform/registry/RegFileApplier.h"

#include <algorithm>

#include "platform/registry/RegStatusText.h"
#include "platform/registry/Registry.h"

namespace {

// Keeps messages readable when a name runs to thousands of bytes.
std::string Shown(std::string const& name) { return name.size() <= 60 ? name : name.substr(0, 10) + "..."; }

}  // namespace

bool RegFileApplier::Apply(std::vector<RegFileOperation> const& steps) {
  m_error.clear();
  std::vector<Place> places(steps.size());
  for (std::size_t i = 0; i < steps.size(); ++i)
    if (!Resolve(steps[i], places[i])) return false;
  if (!BeginUnits(places)) return false;
  for (std::size_t i = 0; i < steps.size(); ++i) {
    if (!ApplyStep(steps[i], places[i])) {
      EndUnits(false);
      return false;
    }
  }
  return EndUnits(true);
}

bool RegFileApplier::Resolve(RegFileOperation const& step, Place& place) {
  // The registry calls end names at a NUL, so such a step would reach another key or value.
  if (step.key.find('\0') != std::string::npos || step.name.find('\0') != std::string::npos) {
    m_error = "line " + std::to_string(step.line) + ": a key or value name holds a NUL byte";
    return false;
  }
  std::size_t const slash = step.key.find('\\');
  std::string_view const hive = std::string_view(step.key).substr(0, slash);
  std::string prefix;
  if (!m_target(hive, place.root, prefix)) {
    m_error = "line " + std::to_string(step.line) + ": there is no hive \"" + std::string(hive) + "\" to import into";
    return false;
  }
  std::string const rest = slash == std::string::npos ? std::string() : step.key.substr(slash + 1);
  place.subKey = prefix.empty() || rest.empty() ? prefix + rest : prefix + '\\' + rest;
  return true;
}

bool RegFileApplier::BeginUnits(std::vector<Place> const& places) {
  m_openUnits.clear();
  for (auto const& place : places) {
    if (std::ranges::find(m_openUnits, place.root) != m_openUnits.end()) continue;
    if (LSTATUS const status = RegBeginUnitOfWork(place.root, true); status != ERROR_SUCCESS) {
      m_error = "could not start writing to " + RegHivePath(place.root) + ": " + RegStatusText::Describe(status);
      EndUnits(false);
      return false;
    }
    m_openUnits.push_back(place.root);
  }
  return true;
}

bool RegFileApplier::EndUnits(bool commit) {
  bool ok = true;
  for (HKEY root : m_openUnits) {
    LSTATUS const status = RegEndUnitOfWork(root, commit);
    if (commit && status != ERROR_SUCCESS && ok) {
      m_error = "could not save " + RegHivePath(root) + ": " + RegStatusText::Describe(status);
      ok = false;
    }
  }
  m_openUnits.clear();
  return ok;
}

bool RegFileApplier::ApplyStep(RegFileOperation const& step, Place const& place) {
  using Kind = RegFileOperation::Kind;
  if (step.kind == Kind::CreateKey) return CreateKey(step, place);
  if (step.kind == Kind::DeleteKey) return DeleteKey(step, place);
  if (step.kind == Kind::SetValue) return SetValue(step, place);
  return DeleteValue(step, place);
}

bool RegFileApplier::CreateKey(RegFileOperation const& step, Place const& place) {
  if (place.subKey.empty()) return true;
  HKEY key = nullptr;
  LSTATUS const status =
      RegCreateKeyEx(place.root, place.subKey.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
  if (status != ERROR_SUCCESS) return Fail(step, "could not create key " + step.key, status);
  RegCloseKey(key);
  return true;
}

bool RegFileApplier::DeleteKey(RegFileOperation const& step, Place const& place) {
  if (place.subKey.empty()) return Fail(step, "a whole hive cannot be deleted", ERROR_ACCESS_DENIED);
  LSTATUS const status = RegDeleteTree(place.root, place.subKey.c_str());
  if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND)
    return Fail(step, "could not delete key " + step.key, status);
  return true;
}

bool RegFileApplier::SetValue(RegFileOperation const& step, Place const& place) {
  HKEY key = place.root;
  if (!place.subKey.empty()) {
    LSTATUS const status =
        RegCreateKeyEx(place.root, place.subKey.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS) return Fail(step, "could not create key " + step.key, status);
  }
  LSTATUS const status = RegSetValueEx(key, step.name.empty() ? nullptr : step.name.c_str(), 0, step.type,
                                       reinterpret_cast<unsigned char const*>(step.data.data()), step.data.size());
  if (key != place.root) RegCloseKey(key);
  if (status != ERROR_SUCCESS) return Fail(step, "could not set value \"" + Shown(step.name) + "\" in " + step.key, status);
  return true;
}

bool RegFileApplier::DeleteValue(RegFileOperation const& step, Place const& place) {
  HKEY key = place.root;
  if (!place.subKey.empty()) {
    LSTATUS const status = RegOpenKeyEx(place.root, place.subKey.c_str(), 0, KEY_SET_VALUE, &key);
    if (status == ERROR_FILE_NOT_FOUND) return true;
    if (status != ERROR_SUCCESS) return Fail(step, "could not open key " + step.key, status);
  }
  LSTATUS const status = RegDeleteValue(key, step.name.empty() ? nullptr : step.name.c_str());
  if (key != place.root) RegCloseKey(key);
  if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND)
    return Fail(step, "could not delete value \"" + Shown(step.name) + "\" in " + step.key, status);
  return true;
}

bool RegFileApplier::Fail(RegFileOperation const& step, std::string const& what, LSTATUS status) {
  m_error = "line " + std::to_string(step.line) + ": " + what + ": " + RegStatusText::Describe(status);
  return false;
}
