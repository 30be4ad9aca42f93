#include <cstdlib>

#include "dialogs/ConnectDialog.h"
#include "dialogs/ConnectDialogTexts.h"
#include "exchange/ImportSource.h"
#include "exchange/SessionImporter.h"
#include "platform/ui/UserInterface.h"

namespace {

using Kind = ImportOutcome::Kind;

// At most this many entries' reasons are shown; the counts cover every one.
constexpr size_t kReasonsShown = 10;

std::string Summary(SessionImporter::Summary const& summary) {
  using namespace ConnectDialogTexts;
  std::string text = kImportMade + std::to_string(summary.Count(Kind::Made)) + kImportSkipped +
                     std::to_string(summary.Count(Kind::Skipped)) + kImportRefused +
                     std::to_string(summary.Count(Kind::Refused)) + ".";
  size_t shown = 0;
  for (ImportOutcome const& outcome : summary.outcomes) {
    if (outcome.kind == Kind::Made || shown++ == kReasonsShown) continue;
    text += "\n" + outcome.subject + ": " + outcome.reason;
  }
  return text;
}

}  // namespace

void ConnectDialog::Import() {
  UserInterface& ui = GetUserInterface();
  std::string path;
  if (!ui.ChooseFile(UserInterface::FileChooser::Open, ConnectDialogTexts::kImportTitle, "",
                     ConnectDialogTexts::kImportFilter, path))
    return;
  char const* home = std::getenv("HOME");
  ImportSource::Format const format = ImportSource::Detect(path);
  std::string const source = format == ImportSource::Format::Putty ? path.substr(0, path.rfind('/')) : path;
  ImportBatch const batch = ImportSource::Read(format, source, home ? home : "");
  if (!batch.error.empty()) {
    ui.MessageBox(ConnectDialogTexts::kImportNotRead + batch.error, "", MB_OK | MB_ICONERROR);
    return;
  }
  ConnectTreeItem* folder = m_selected ? m_selected->Folder() : nullptr;
  std::string const folderPath = folder ? folder->Path() : "";
  SessionImporter::Summary const summary =
      SessionImporter(folderPath, SessionImporter::OnConflict::Skip, false).Import(batch);
  if (!summary.stored) {
    ui.MessageBox(ConnectDialogTexts::kImportNotStored, "", MB_OK | MB_ICONERROR);
    return;
  }
  Changed(folder ? std::vector<ConnectTreeItem*>{folder} : std::vector<ConnectTreeItem*>{}, folderPath);
  // The folder opens on what was brought in.
  std::string unused;
  Expand(folderPath, unused);
  ui.MessageBox(Summary(summary), ConnectDialogTexts::kImportCaption, MB_OK | MB_ICONINFORMATION);
}
