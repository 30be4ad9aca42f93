#include "OptionsDialogScript.h"

#include "VPropertyTreeSteps.h"
#include "dialogs/MappedKeysSteps.h"
#include "dialogs/SelectedKeySteps.h"

void OptionsDialogScript::AddSteps(HeadlessDialogPresenter& presenter) {
  VPropertyTreeSteps::AddTo(presenter);
  MappedKeysSteps::AddTo(presenter);
  SelectedKeySteps::AddTo(presenter);
}

std::string OptionsDialogScript::Footer(std::string const& middle) {
  return "Steps: select, expand, collapse {\"page\": LABEL}; key {\"keys\": \"Ctrl+PgDn\"}; set {\"control\": ID, "
         "\"value\": TEXT}; choose {\"control\": ID, \"item\": TEXT}; command {\"id\": ID}; ok; cancel. " +
         middle +
         " With --json: {\"endCode\", \"messages\": [{\"text\", \"type\"}], \"title\", \"pages\": [{\"label\", "
         "\"caption\", \"depth\", \"expanded\", \"selected\"}], \"current\", \"controls\": [{\"id\", \"label\", "
         "\"value\", \"enabled\", \"visible\"}], \"saved\"}.";
}
