// Stores what an importer read, below one folder, in one unit of work: all of it or, when the
// store refuses, none of it. Folders named by a session's path are made as needed; a name that
// exists already is skipped, renamed ("name (2)") or replaced, as asked; characters no name may
// hold become '_'; a jump host becomes a
// firewall of the jump-host kind, made once per hop list and shared. A dry run does the same work
// and takes it back, so its report says exactly what a real run would make.
// New sessions start as copies of the default session. Protocol plug-ins must be loaded (the protocol table filled) before an import.
#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "exchange/ImportBatch.h"
#include "session/ISessionConfig.h"

class SessionDatabase;

class SessionImporter {
 public:
  enum class OnConflict { Skip, Rename, Replace };

  struct Summary {
    std::vector<ImportOutcome> outcomes;
    // False when the store did not take the unit of work (VStoreFailure says why) or the
    // target folder does not exist (`error` says so); then nothing was stored.
    bool stored = false;
    std::string error;

    int Count(ImportOutcome::Kind kind) const;
  };

  // `folder`: the session path (backslash-separated, "" for the top) to import into.
  SessionImporter(std::string folder, OnConflict onConflict, bool dryRun)
      : m_folder(std::move(folder)), m_onConflict(onConflict), m_dryRun(dryRun) {}

  Summary Import(ImportBatch const& batch);

 private:
  ImportOutcome ImportOne(SessionDatabase& database, ImportedSession const& session);
  // Stores a session whose names are all allowed; `note` goes into the report.
  ImportOutcome Store(SessionDatabase& database, ImportedSession const& session, std::string note);
  std::string FolderOf(SessionDatabase& database, ImportedSession const& session, std::string& refusal);
  // Makes the folders of the session's path that are missing; false with `refusal` set on failure.
  bool MakeFolders(SessionDatabase& database, ImportedSession const& session, std::string& refusal);
  // The name to store under, or empty with `outcome` set when the session is not to be stored.
  // `replacing` is set when the name holds a session that is to be replaced.
  std::string ResolveConflict(SessionDatabase& database, std::string const& folder, std::string const& name,
                              ImportOutcome& outcome, bool& replacing);
  // The firewall that passes `hops`, made when missing; empty with `refusal` set on failure.
  std::string JumpFirewall(std::string const& hops, std::string& refusal);

  std::string m_folder;
  OnConflict m_onConflict;
  bool m_dryRun;
  struct Releaser {
    void operator()(ISessionConfig* session) const { session->Release(); }
  };
  using SessionPtr = std::unique_ptr<ISessionConfig, Releaser>;

  std::map<std::string, std::string> m_firewallOfHops;
  SessionPtr m_template;
  // Folders (folded paths) known to exist in this import's unit of work.
  std::set<std::string> m_folders;
};
