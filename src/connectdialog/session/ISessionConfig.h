// One session as hosts and dialogs hold it: reference-counted (whoever receives one releases
// it), editable between Checkpoint and Rollback, saved into the key the caller names. The
// operations are in slot order; hosts built against this header call them by slot.
// Only AddRef and Release may be called from another thread.
#pragma once

#include "VString.h"
#include "platform/types/CString.h"
#include "platform/types/WinTypes.h"

class ConnectConfig;
class VProfileKey;
struct IBuffer;

class ISessionConfig : public IUnknown {
 public:
  virtual bool IsModified() const = 0;
  virtual void Checkpoint() = 0;
  virtual void Rollback() = 0;
  virtual void Save(VProfileKey* key, bool force) = 0;
  virtual CString const& GetSessionPath() const = 0;
  virtual void SetSessionPath(CString const& path) = 0;
  virtual CString const& GetSessionName() const = 0;
  virtual void SetSessionName(CString const& name) = 0;
  // What the Connect dialog shows: the host (or phone number, or port) and the description.
  virtual CString GetConnectDialogDescription() = 0;
  // A new session with one reference, owned by the caller.
  virtual ISessionConfig* Clone() const = 0;
  // Restart files belong to the transfer host; the library keeps none.
  virtual void RenameRestartParamsFile(CString const& name) = 0;
  virtual void DeleteRestartParamsFile() = 0;
  virtual bool CanConnectTerminalConfig() = 0;
  virtual bool CanConnectTransferConfig() = 0;
  // The side's selected record, not reference-added; null when the side has none.
  virtual ConnectConfig* GetTermConnectConfig() = 0;
  virtual ConnectConfig* GetTransferConnectConfig() = 0;
  virtual VString GetTerminalProtocol() const = 0;
  virtual VString GetTransferProtocol() const = 0;
  virtual void SetInitialDirectory(char const* directory) = 0;
  // Replaces the buffer's contents with the firewall names the session database lists ("None",
  // then every stored firewall), each as a 32-bit big-endian length and its bytes, after a
  // 32-bit big-endian count of the bytes that follow.
  virtual void GetSerializedFirewallNames(IBuffer* buffer) = 0;
  virtual ~ISessionConfig() = default;
};
