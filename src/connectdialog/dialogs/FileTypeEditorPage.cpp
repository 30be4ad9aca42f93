#include "dialogs/FileTypeEditorPage.h"

#include <charconv>

#include "VPageControls.h"
#include "VPageDialog.h"
#include "transfer/FileTypeManager.h"

namespace {

std::vector<VPageControl> Declarations() {
  using VPageControls::Edit, VPageControls::List, VPageControls::Number;
  using Page = FileTypeEditorPage;
  return {Edit(Page::kName, "&Name:", ""),
          Edit(Page::kExtensions, "&Extensions (separated by commas):", ""),
          List(Page::kTransferType, "&Transfer type:", "", {{"Ask", "0"}, {"ASCII", "1"}, {"Binary", "2"}}),
          List(Page::kOpenAction, "When opening a &remote file:", "", {{"Ask", "1"}, {"Open it", "2"}, {"Save it", "4"}}),
          Edit(Page::kOpenCommand, "Open &command (%1 for the file):", ""),
          Edit(Page::kIconFile, "&Icon:", ""),
          Number(Page::kIconIndex, "Icon inde&x:", "", 0, 9999)};
}

std::string Trimmed(std::string const& text) {
  size_t const first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

FileTypeEditorPage::FileTypeEditorPage(FileTypeDefinition& definition, FileTypeManager const& types, int index)
    : VPropertyTreePage(0, "File Type", Declarations()), m_definition(definition), m_types(types), m_index(index) {}

std::vector<std::string> FileTypeEditorPage::SplitExtensions(std::string const& text) {
  std::vector<std::string> extensions;
  size_t start = 0;
  while (start <= text.size()) {
    size_t const comma = std::min(text.find(',', start), text.size());
    std::string extension = Trimmed(text.substr(start, comma - start));
    extension.erase(0, extension.find_first_not_of('.') == std::string::npos ? extension.size()
                                                                              : extension.find_first_not_of('.'));
    extensions.push_back(extension);
    start = comma + 1;
  }
  if (extensions.size() == 1 && extensions.front().empty()) extensions.clear();
  return extensions;
}

bool FileTypeEditorPage::OnSetActive() {
  std::string extensions;
  for (int i = 0; i < m_definition.extensions.GetSize(); ++i)
    extensions += (i ? "," : "") + m_definition.extensions[i].Str();
  Control(kName)->value = m_definition.typeName.Str();
  Control(kExtensions)->value = extensions;
  Control(kTransferType)->Load(std::to_string(m_definition.transferType));
  Control(kOpenAction)->Load(std::to_string(m_definition.openAction));
  Control(kOpenCommand)->value = m_definition.openCommand.Str();
  Control(kIconFile)->value = m_definition.iconFile.Str();
  Control(kIconIndex)->value = std::to_string(m_definition.iconIndex);
  return true;
}

std::string FileTypeEditorPage::Problem(std::vector<std::string> const& extensions, int& control) const {
  control = kName;
  std::string const name = Trimmed(Control(kName)->value);
  if (name.empty()) return "Please enter a name for the file type.";
  int const named = m_types.FindFileTypeIndex(name.c_str(), false);
  if (named >= 0 && named != m_index) return "A file type named \"" + name + "\" already exists.";
  FileTypeDefinition const* own = m_index >= 0 ? m_types.Definition(m_index) : nullptr;
  control = kExtensions;
  for (std::string const& extension : extensions) {
    if (extension.empty() || extension.find('|') != std::string::npos)
      return "\"" + extension + "\" is not an extension: leave out empty ones and \"|\".";
    FileTypeDefinition const* owner = m_types.FindExtension(extension.c_str());
    if (owner && owner != own)
      return "The extension \"" + extension + "\" belongs to the file type \"" + owner->typeName.Str() + "\".";
  }
  return "";
}

bool FileTypeEditorPage::OnKillActive() {
  std::vector<std::string> const extensions = SplitExtensions(Control(kExtensions)->value);
  int faulty = 0;
  if (std::string const problem = Problem(extensions, faulty); !problem.empty()) return Refuse(faulty, problem);
  if (!VPropertyTreePage::OnKillActive()) return false;
  m_definition.SetTypeName(Trimmed(Control(kName)->value).c_str());
  m_definition.extensions.RemoveAll();
  for (std::string const& extension : extensions) m_definition.extensions.Add(VString(extension));
  std::from_chars(Control(kIconIndex)->value.data(), Control(kIconIndex)->value.data() + Control(kIconIndex)->value.size(),
                  m_definition.iconIndex);
  for (auto [id, field] : {std::pair{kTransferType, &m_definition.transferType}, {kOpenAction, &m_definition.openAction}}) {
    std::string const text = Control(id)->OptionText(false);
    std::from_chars(text.data(), text.data() + text.size(), *field);
  }
  m_definition.openCommand = Control(kOpenCommand)->value.c_str();
  m_definition.iconFile = Control(kIconFile)->value.c_str();
  m_definition.valid = 1;
  return true;
}

bool FileTypeEditorPage::Edit(FileTypeDefinition& definition, FileTypeManager const& types, int index) {
  FileTypeDefinition edited = definition;
  FileTypeEditorPage page(edited, types, index);
  std::string const title = index < 0 ? "New File Type" : "File Type - " + definition.typeName.Str();
  if (VPageDialog(title, page).DoModal() != IDOK) return false;
  definition = edited;
  return true;
}
