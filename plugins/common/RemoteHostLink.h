// A protocol record's hold on the session's remote-host record (host name, firewall name, user
// name), shared with the other side through the session's common settings. Sessions built
// without common settings get a remote-host record of their own. The library never saves the
// remote-host record, so the records that use it save, checkpoint and roll it back.
#pragma once

#include "session/IRemoteHostConfig.h"

class ICommonConfig;
class VProfileKey;

class RemoteHostLink {
 public:
  RemoteHostLink(VProfileKey* key, ICommonConfig* common);
  // Shares the other link's record; Attach gives the copy one of its own session.
  RemoteHostLink(RemoteHostLink const& other);
  RemoteHostLink& operator=(RemoteHostLink const&) = delete;
  ~RemoteHostLink();

  // For a cloned record: the cloned session's remote-host record, or a copy of ours.
  void Attach(ICommonConfig* common);

  IRemoteHostConfig* operator->() const { return m_host; }

  void Save(VProfileKey* key, bool force);
  bool IsModified() const;
  void Checkpoint();
  void Rollback();

 private:
  IRemoteHostConfig* m_host;
};
