#include "HostSession.h"

#include <cstdio>

#include "HostUrlSession.h"
#include "VStoreFailure.h"
#include "clients/ClientCommandBuilder.h"
#include "clients/ClientLauncher.h"
#include "database/SessionDatabase.h"
#include "library/ProductInfo.h"
#include "session/SessionConfig.h"

namespace {

ClientCommand Refusal(std::string error) {
  ClientCommand command;
  command.error = std::move(error);
  return command;
}

}  // namespace

ISessionConfig* HostSession::Load(std::string const& path, std::string& error) {
  if (HostUrlSession::IsUrl(path)) return HostUrlSession::Make(path, error);
  VStoreFailure::Clear();
  ISessionConfig* session = nullptr;
  if (!path.empty() && SessionDatabase::Exists(path.c_str()) && !SessionDatabase(0).IsFolder(path.c_str()))
    session = SessionDatabase(0).Lookup(path.c_str());
  if (!session) error = VStoreFailure::Any() ? VStoreFailure::Describe() : "no session at \"" + path + "\"";
  return session;
}

ClientCommand HostSession::CommandFor(ISessionConfig& session) {
  auto* const record = dynamic_cast<SessionConfig*>(&session);
  if (!record) return Refusal("the session is of a kind no client opens");
  return ClientCommandBuilder().For(*record, GetCurrentAppProductID() != kProductHaloFyx);
}

std::string HostSession::Open(ISessionConfig& session) { return ClientLauncher().Launch(CommandFor(session)); }

int HostSession::PrintCommand(std::string const& path) {
  std::string error;
  ISessionConfig* session = Load(path, error);
  ClientCommand const command = session ? CommandFor(*session) : Refusal(error);
  if (session) session->Release();
  if (!command.error.empty()) {
    std::fprintf(stderr, "cdhost: %s\n", command.error.c_str());
    return 1;
  }
  std::printf("%s\n", command.Display().c_str());
  return 0;
}
