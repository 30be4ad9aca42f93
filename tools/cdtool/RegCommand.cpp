#include "RegCommand.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>

#include "CommandOutput.h"
#include "JsonOutput.h"
#include "RegKeyArgument.h"
#include "RegTreeView.h"
#include "RegValueInput.h"
#include "RegValueView.h"
#include "platform/files/AtomicFileWriter.h"
#include "platform/registry/RegFileApplier.h"
#include "platform/registry/RegFileParser.h"
#include "platform/registry/RegFileWriter.h"
#include "platform/registry/RegHiveName.h"
#include "platform/registry/RegKeyReader.h"
#include "platform/registry/RegStatusText.h"
#include "platform/registry/Registry.h"

namespace {

using KeyHolder = std::unique_ptr<HKEY__, decltype(&RegCloseKey)>;

KeyHolder Hold(HKEY key) { return KeyHolder(key, &RegCloseKey); }

std::string const kKeyHelp =
    "HKEY_CURRENT_USER (HKCU), HKEY_LOCAL_MACHINE (HKLM), HKEY_CLASSES_ROOT (HKCR) or FILE:path (a hive file "
    "anywhere), followed by a backslash path: HKCU\\Software\\Brimvale";

std::string const kValueJsonHelp =
    "With --json: {\"name\": NAME, \"type\": TYPE, \"data\": DATA}. TYPE is REG_SZ, REG_EXPAND_SZ, REG_DWORD, "
    "REG_BINARY, REG_MULTI_SZ, REG_QWORD, REG_NONE and so on (REG_TYPE_0x.. for unnamed kinds). DATA is a string "
    "for REG_SZ and REG_EXPAND_SZ, a number for REG_DWORD, an array of strings for REG_MULTI_SZ, and lowercase hex "
    "for every other kind. The default value has the name \"\". Bytes that are not UTF-8 show as U+FFFD.";

std::size_t CountSteps(std::vector<RegFileOperation> const& steps, RegFileOperation::Kind kind) {
  return std::ranges::count_if(steps, [kind](RegFileOperation const& step) { return step.kind == kind; });
}

std::string LastPart(std::string const& path) { return path.substr(path.rfind('\\') + 1); }

}  // namespace

RegCommand::RegCommand(CLI::App& app) {
  m_reg = app.add_subcommand("reg", "Read and edit the registry: keys, values, export and import files");
  m_reg->require_subcommand(1);
  AddLs();
  AddGet();
  AddSet();
  AddDel();
  AddTree();
  AddExport();
  AddImport();
}

void RegCommand::AddKeyArgument(CLI::App* verb, std::string const& what) {
  verb->add_option("KEY", m_key, what + ": " + kKeyHelp)->required();
}

void RegCommand::AddLs() {
  CLI::App* verb = AddVerb(*m_reg, "ls", "List a key's subkeys (ending in \\) and its values", [this] { return Ls(); });
  AddKeyArgument(verb, "The key to list");
  verb->add_flag("--json", m_json, "Print one JSON document");
  verb->footer("With --json: {\"path\": FULL_KEY_PATH, \"subkeys\": [NAME, ...], \"values\": [VALUE, ...]}, "
               "each VALUE as printed by `cdtool reg get --json`.");
}

void RegCommand::AddGet() {
  CLI::App* verb = AddVerb(*m_reg, "get", "Print one value's data", [this] { return Get(); });
  AddKeyArgument(verb, "The key holding the value");
  verb->add_option("NAME", m_name, "The value's name; \"\" for the key's default value")->required();
  verb->add_flag("--json", m_json, "Print one JSON document");
  verb->footer(kValueJsonHelp);
}

void RegCommand::AddSet() {
  CLI::App* verb = AddVerb(*m_reg, "set", "Write one value, creating the key if needed", [this] { return Set(); });
  AddKeyArgument(verb, "The key to write to");
  verb->add_option("NAME", m_name, "The value's name; \"\" for the key's default value")->required();
  // No option group: CLI11 takes an empty argument for a group's (empty) name, which would end
  // a list at its first empty item.
  m_dwordOption = verb->add_option("--dword", m_dword, "A 32-bit number: decimal, or hex with 0x");
  m_szOption = verb->add_option("--sz", m_sz, "A text");
  m_binaryOption = verb->add_option("--binary", m_binary, "Bytes in hex: 0a1b2c or 0a,1b,2c");
  m_multiSzOption = verb->add_option("--multi-sz", m_multiSz,
                                     "A list of texts: --multi-sz one \"\" three (\"\" is an empty item; no item or {} "
                                     "is the empty list)")
                        ->expected(0, CLI::detail::expected_max_vector_size)
                        ->default_str(RegValueInput::kEmptyList);
  std::vector<CLI::Option*> const kinds = {m_dwordOption, m_szOption, m_binaryOption, m_multiSzOption};
  for (CLI::Option* kind : kinds)
    for (CLI::Option* other : kinds)
      if (other != kind) kind->excludes(other);
  verb->footer("Exactly one of --dword, --sz, --binary and --multi-sz gives the value's kind and data.");
}

void RegCommand::AddDel() {
  CLI::App* verb =
      AddVerb(*m_reg, "del", "Delete a value, or a key with everything below it", [this] { return Del(); });
  AddKeyArgument(verb, "The key to delete, or that holds the value");
  m_nameOption = verb->add_option("NAME", m_name, "The value to delete; without it the whole key goes");
}

void RegCommand::AddTree() {
  CLI::App* verb =
      AddVerb(*m_reg, "tree", "Show a key with all its values and subkeys, recursively", [this] { return Tree(); });
  AddKeyArgument(verb, "The top key");
  verb->add_flag("--json", m_json, "Print one JSON document");
  verb->footer("With --json: a NODE {\"name\": KEY_NAME, \"path\": FULL_KEY_PATH, \"values\": [VALUE, ...], "
               "\"subkeys\": [NODE, ...]}, each VALUE as printed by `cdtool reg get --json`.");
}

void RegCommand::AddExport() {
  CLI::App* verb = AddVerb(*m_reg, "export", "Write a key and everything below it as a registry export file",
                           [this] { return Export(); });
  AddKeyArgument(verb, "The top key");
  verb->add_flag("--v5", m_version5,
                 "Write \"Windows Registry Editor Version 5.00\" as UTF-16LE (default: REGEDIT4, plain bytes)");
  verb->add_option("-o,--output", m_output, "Write to this file instead of standard output");
  verb->footer("The keys of a FILE: hive are written under HKEY_CURRENT_USER.");
}

void RegCommand::AddImport() {
  CLI::App* verb = AddVerb(*m_reg, "import", "Apply a registry export file (REGEDIT4 or version 5.00), all or nothing",
                           [this] { return Import(); });
  verb->add_option("FILE", m_file, "The file to import")->required();
  verb->add_option("--into", m_into, "Put the file's keys under this key instead of the hives it names: " + kKeyHelp);
  verb->footer("A malformed file is refused with its line number, and then nothing of it is applied.");
}

int RegCommand::Ls() {
  RegKeyArgument key;
  if (!key.Resolve(m_key)) return CommandOutput::Refuse(key.Error());
  KeyHolder handle = Hold(key.Open());
  if (!handle) return CommandOutput::Refuse(key.Error());
  nlohmann::ordered_json document;
  if (LSTATUS const status = RegTreeView::Listing(handle.get(), key.Path(), document); status != ERROR_SUCCESS)
    return CommandOutput::Refuse("cannot read " + m_key + ": " + RegStatusText::Describe(status));
  return CommandOutput::Print(m_json ? JsonOutput::Dump(document) + '\n' : RegTreeView::PlainListing(document));
}

int RegCommand::Get() {
  RegKeyArgument key;
  if (!key.Resolve(m_key)) return CommandOutput::Refuse(key.Error());
  KeyHolder handle = Hold(key.Open());
  if (!handle) return CommandOutput::Refuse(key.Error());
  RegFileOperation value;
  value.name = m_name;
  LSTATUS const status = RegKeyReader::QueryValue(handle.get(), m_name, value.type, value.data);
  if (status == ERROR_FILE_NOT_FOUND) return CommandOutput::Refuse("no such value: \"" + m_name + "\" in " + m_key);
  if (status != ERROR_SUCCESS)
    return CommandOutput::Refuse("cannot read " + m_key + ": " + RegStatusText::Describe(status));
  nlohmann::ordered_json const json = RegValueView::ToJson(value);
  return CommandOutput::Print(m_json ? JsonOutput::Dump(json) + '\n' : RegValueView::PlainDataLines(json));
}

int RegCommand::Set() {
  if (!m_dwordOption->count() && !m_szOption->count() && !m_binaryOption->count() && !m_multiSzOption->count())
    return CommandOutput::Usage("give the value's data with one of --dword, --sz, --binary and --multi-sz");
  RegValueInput input;
  bool const ok = m_dwordOption->count()    ? input.FromDword(m_dword)
                  : m_szOption->count()     ? input.FromSz(m_sz)
                  : m_binaryOption->count() ? input.FromBinary(m_binary)
                                            : input.FromMultiSz(m_multiSz);
  if (!ok) return CommandOutput::Usage(input.Error());
  RegKeyArgument key;
  if (!key.Resolve(m_key)) return CommandOutput::Refuse(key.Error());
  KeyHolder handle = Hold(key.Create());
  if (!handle) return CommandOutput::Refuse(key.Error());
  LSTATUS const status = RegSetValueEx(handle.get(), m_name.empty() ? nullptr : m_name.c_str(), 0, input.Type(),
                                       reinterpret_cast<unsigned char const*>(input.Data().data()),
                                       input.Data().size());
  if (status != ERROR_SUCCESS)
    return CommandOutput::Refuse("cannot set \"" + m_name + "\" in " + m_key + ": " + RegStatusText::Describe(status));
  return 0;
}

int RegCommand::Del() {
  if (m_nameOption->count()) return DelValue();
  RegKeyArgument key;
  if (!key.Resolve(m_key)) return CommandOutput::Refuse(key.Error());
  if (key.SubKey().empty()) return CommandOutput::Refuse("a whole hive cannot be deleted; name a key under it");
  LSTATUS const status = RegDeleteTree(key.Root(), key.SubKey().c_str());
  if (status == ERROR_FILE_NOT_FOUND) return CommandOutput::Refuse("no such key: " + m_key);
  if (status != ERROR_SUCCESS)
    return CommandOutput::Refuse("cannot delete " + m_key + ": " + RegStatusText::Describe(status));
  return 0;
}

int RegCommand::DelValue() {
  RegKeyArgument key;
  if (!key.Resolve(m_key)) return CommandOutput::Refuse(key.Error());
  KeyHolder handle = Hold(key.Open(KEY_READ | KEY_SET_VALUE));
  if (!handle) return CommandOutput::Refuse(key.Error());
  LSTATUS const status = RegDeleteValue(handle.get(), m_name.empty() ? nullptr : m_name.c_str());
  if (status == ERROR_FILE_NOT_FOUND) return CommandOutput::Refuse("no such value: \"" + m_name + "\" in " + m_key);
  if (status != ERROR_SUCCESS)
    return CommandOutput::Refuse("cannot delete \"" + m_name + "\" in " + m_key + ": " +
                                 RegStatusText::Describe(status));
  return 0;
}

int RegCommand::Tree() {
  RegKeyArgument key;
  if (!key.Resolve(m_key)) return CommandOutput::Refuse(key.Error());
  KeyHolder handle = Hold(key.Open());
  if (!handle) return CommandOutput::Refuse(key.Error());
  nlohmann::ordered_json document;
  LSTATUS const status = RegTreeView::Tree(handle.get(), key.Path(), LastPart(key.Path()), document);
  if (status != ERROR_SUCCESS)
    return CommandOutput::Refuse("cannot read " + m_key + ": " + RegStatusText::Describe(status));
  return CommandOutput::Print(m_json ? JsonOutput::Dump(document) + '\n' : RegTreeView::PlainTree(document));
}

int RegCommand::Export() {
  RegKeyArgument key;
  if (!key.Resolve(m_key)) return CommandOutput::Refuse(key.Error());
  KeyHolder handle = Hold(key.Open());
  if (!handle) return CommandOutput::Refuse(key.Error());
  std::vector<RegFileOperation> steps;
  if (LSTATUS const status = RegKeyReader::Collect(handle.get(), key.ExportPath(), steps); status != ERROR_SUCCESS)
    return CommandOutput::Refuse("cannot read " + m_key + ": " + RegStatusText::Describe(status));
  RegFileWriter writer(m_version5 ? RegFileFormat::Version5 : RegFileFormat::Regedit4);
  std::string file;
  if (!writer.Write(steps, file)) return CommandOutput::Refuse(writer.Error());
  if (m_output.empty()) return CommandOutput::Print(file);
  AtomicFileWriter output;
  AtomicFileWriter::Result const written = output.Write(m_output, file);
  if (written == AtomicFileWriter::Result::Failed) return CommandOutput::Refuse(output.Report());
  if (written == AtomicFileWriter::Result::WrittenInPlace) std::cerr << "cdtool: " << output.Report() << "\n";
  return 0;
}

int RegCommand::Import() {
  std::string bytes;
  if (!ReadFile(m_file, bytes)) return CommandOutput::Refuse("cannot read " + m_file + ": " + std::strerror(errno));
  RegFileParser parser;
  if (!parser.Parse(bytes)) return CommandOutput::Refuse(m_file + ": " + parser.ErrorText() + "; nothing was imported");
  RegKeyArgument into;
  if (!m_into.empty() && !into.Resolve(m_into)) return CommandOutput::Refuse(into.Error());
  RegFileApplier applier([&](std::string_view hive, HKEY& root, std::string& prefix) {
    root = m_into.empty() ? RegHiveName::Resolve(hive) : into.Root();
    prefix = m_into.empty() ? std::string() : into.SubKey();
    return root != nullptr;
  });
  auto const& steps = parser.Operations();
  if (!applier.Apply(steps)) return CommandOutput::Refuse(m_file + ": " + applier.Error() + "; nothing was imported");
  using Kind = RegFileOperation::Kind;
  std::size_t const deleted = CountSteps(steps, Kind::DeleteKey) + CountSteps(steps, Kind::DeleteValue);
  return CommandOutput::Print("imported " + m_file + ": " + std::to_string(CountSteps(steps, Kind::CreateKey)) +
                              " keys, " + std::to_string(CountSteps(steps, Kind::SetValue)) + " values, " +
                              std::to_string(deleted) + " deletions\n");
}

bool RegCommand::ReadFile(std::string const& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}
