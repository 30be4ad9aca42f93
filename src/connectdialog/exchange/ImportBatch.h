// What an importer read: the sessions to store, and the entries it skipped or refused on the way.
#pragma once

#include <vector>

#include "exchange/ImportOutcome.h"
#include "exchange/ImportedSession.h"

struct ImportBatch {
  std::vector<ImportedSession> sessions;
  std::vector<ImportOutcome> outcomes;
  // Set when the source itself cannot be read; then nothing is imported.
  std::string error;

  void Skip(std::string subject, std::string source, std::string reason) {
    outcomes.push_back({ImportOutcome::Kind::Skipped, std::move(subject), std::move(source), std::move(reason)});
  }
  void Refuse(std::string subject, std::string source, std::string reason) {
    outcomes.push_back({ImportOutcome::Kind::Refused, std::move(subject), std::move(source), std::move(reason)});
  }
};
