#include "FileTypesCommand.h"

#include <map>
#include <nlohmann/json.hpp>

#include "CommandOutput.h"
#include "JsonOutput.h"
#include "VProfileStore.h"
#include "transfer/FileTypeManager.h"

namespace {

using Json = nlohmann::ordered_json;

std::map<std::string, int> const kTransfers{{"ascii", FileTypeDefinition::kTransferAscii},
                                            {"binary", FileTypeDefinition::kTransferBinary},
                                            {"prompt", 0}};
std::map<std::string, int> const kOpenActions{{"open", FileTypeDefinition::kOpenActionOpen},
                                              {"save", FileTypeDefinition::kOpenActionSave},
                                              {"prompt", 1}};

std::string Quoted(std::string const& name) { return "\"" + name + "\""; }

std::string TransferText(int transfer) {
  if (transfer == FileTypeDefinition::kTransferAscii) return "ascii";
  return transfer == FileTypeDefinition::kTransferBinary ? "binary" : "prompt";
}

std::string OpenActionText(int action) {
  if (action == FileTypeDefinition::kOpenActionOpen) return "open";
  return action == FileTypeDefinition::kOpenActionSave ? "save" : "prompt";
}

std::string JoinedExtensions(FileTypeDefinition const& type) {
  std::string joined;
  for (VString const& extension : type.extensions) joined += (joined.empty() ? "" : ",") + extension.Str();
  return joined;
}

Json Describe(FileTypeDefinition const& type) {
  Json extensions = Json::array();
  for (VString const& extension : type.extensions) extensions.push_back(extension.Str());
  return {{"name", type.typeName.Str()},         {"extensions", extensions},
          {"transfer", TransferText(type.transferType)}, {"openAction", OpenActionText(type.openAction)},
          {"openCommand", type.openCommand.Str()}, {"iconFile", type.iconFile.Str()},
          {"iconIndex", type.iconIndex}};
}

std::string PlainDetails(FileTypeDefinition const& type) {
  return "Name: " + type.typeName.Str() + "\nExtensions: " + JoinedExtensions(type) +
         "\nTransfer: " + TransferText(type.transferType) + "\nOpen action: " + OpenActionText(type.openAction) +
         "\nOpen command: " + type.openCommand.Str() + "\nIcon: " + type.iconFile.Str() + "," +
         std::to_string(type.iconIndex) + "\n";
}

// An extension the stored form can hold: no dot in front (one is taken off), no "|", no blanks.
bool CleanExtension(std::string& extension) {
  if (extension.starts_with('.')) extension.erase(0, 1);
  return !extension.empty() && extension.find_first_of("| \t\r\n") == std::string::npos;
}

}  // namespace

FileTypesCommand::FileTypesCommand(CLI::App& app) {
  m_filetypes = app.add_subcommand("filetypes", "List, show, add and remove the file types of file transfers");
  m_filetypes->require_subcommand(1);
  CLI::App* ls = AddVerb(*m_filetypes, "ls", "List the types: name, extensions, transfer type, open action",
                         [this] { return List(); });
  ls->add_flag("--json", m_json,
               "Print {\"types\": [{\"name\", \"extensions\", \"transfer\", \"openAction\", \"openCommand\", "
               "\"iconFile\", \"iconIndex\"}]}");
  CLI::App* show = AddVerb(*m_filetypes, "show", "Show one type", [this] { return Show(); });
  show->add_option("NAME", m_name, "The type's name, in any case")->required();
  show->add_flag("--json", m_json, "Print the type as one JSON object, with the fields of ls --json");
  CLI::App* add =
      AddVerb(*m_filetypes, "add", "Add a type, or add extensions to the type of that name", [this] { return Add(); });
  add->add_option("NAME", m_name, "The type's name")->required();
  add->add_option("--ext", m_extensions, "Extensions, comma-separated (an extension of another type is skipped)")
      ->required()
      ->delimiter(',');
  add->add_option("--transfer", m_transfer, "ascii, binary or prompt (default prompt)")
      ->transform(CLI::CheckedTransformer(kTransfers, CLI::ignore_case));
  add->add_option("--open-action", m_openAction, "open, save or prompt (default prompt)")
      ->transform(CLI::CheckedTransformer(kOpenActions, CLI::ignore_case));
  CLI::App* remove = AddVerb(*m_filetypes, "rm", "Remove a type", [this] { return Remove(); });
  remove->add_option("NAME", m_name, "The type's name, in any case")->required();
}

int FileTypesCommand::List() {
  FileTypeManager const types;
  Json list = Json::array();
  std::string plain;
  for (int i = 0; i < types.GetDefinitionCount(); ++i) {
    FileTypeDefinition const& type = *types.Definition(i);
    list.push_back(Describe(type));
    plain += type.typeName.Str() + "\t" + JoinedExtensions(type) + "\t" + TransferText(type.transferType) + "\t" +
             OpenActionText(type.openAction) + "\n";
  }
  return CommandOutput::Print(m_json ? JsonOutput::Dump(Json{{"types", list}}) + "\n" : plain);
}

int FileTypesCommand::Show() {
  FileTypeManager const types;
  FileTypeDefinition const* type = types.Definition(types.FindFileTypeIndex(m_name.c_str(), false));
  if (!type) return CommandOutput::Refuse("no file type named " + Quoted(m_name));
  return CommandOutput::Print(m_json ? JsonOutput::Dump(Describe(*type)) + "\n" : PlainDetails(*type));
}

int FileTypesCommand::Add() {
  FileTypeDefinition added;
  added.SetTypeName(m_name.c_str());
  added.transferType = m_transfer;
  added.openAction = m_openAction;
  for (std::string extension : m_extensions) {
    if (!CleanExtension(extension)) return CommandOutput::Refuse("not a file-name extension: " + Quoted(extension));
    added.extensions.Add(VString(extension));
  }
  {
    VProfileStore work;  // the load, the change and the write form one unit of work
    FileTypeManager types;
    for (VString const& extension : added.extensions)
      if (FileTypeDefinition const* owner = types.FindExtension(extension))
        CommandOutput::Note(extension.Str() + " stays with " + Quoted(owner->typeName.Str()));
    int const index = types.AddType(&added);
    if (index < 0) return CommandOutput::Refuse("a file type needs a name that is not blank");
    m_name = types.Definition(index)->typeName.Str();
    if (!types.StoreDefinitions()) return CommandOutput::Refuse("could not write the file types");
  }
  return Verified(true);
}

int FileTypesCommand::Remove() {
  {
    VProfileStore work;  // the load, the change and the write form one unit of work
    FileTypeManager types;
    int const index = types.FindFileTypeIndex(m_name.c_str(), false);
    if (index < 0) return CommandOutput::Refuse("no file type named " + Quoted(m_name));
    if (types.IsExeIndex(index) || types.IsIconIndex(index))
      return CommandOutput::Refuse(Quoted(m_name) + " comes back from the system's file types at every load");
    types.RemoveType(index);
    if (!types.StoreDefinitions()) return CommandOutput::Refuse("could not write the file types");
  }
  return Verified(false);
}

int FileTypesCommand::Verified(bool present) const {
  FileTypeManager const types;
  if ((types.FindFileTypeIndex(m_name.c_str(), false) >= 0) != present)
    return CommandOutput::Refuse("the store did not take the change to " + Quoted(m_name));
  return 0;
}
