// The base of every protocol's connection record: the settings one side of a session keeps
// for its protocol. Protocol plug-ins derive their records from it (usually through
// ConnectConfigRecord, which adds the option-table mechanics) and hand them to the library
// through their record factory; the library calls only the virtual operations below, in this
// order, so plug-ins built against this header agree with it.
//
// Reference counting: a new record holds one reference for its creator; Release destroys it
// through the virtual destructor when the count reaches 0. Counting is not interlocked: records
// belong to the user-interface thread.
//
// Besides the record's options the base keeps three flags that are copied with it: the
// default-session flag (the session is the default session), the command-line flag (the
// session's command line is this record's CommandLine()) and one field left to the plug-ins.
#pragma once

#include "VProfileRecord.h"
#include "VString.h"
#include "platform/types/CMapStringToPtr.h"
#include "platform/types/CString.h"
#include "platform/types/CStringList.h"
#include "platform/types/WinTypes.h"

class ICommonConfig;

class ConnectConfig : public VProfileRecord, public IUnknown {
 public:
  ConnectConfig();
  // Copies the three flags; the copy holds one reference of its own.
  ConnectConfig(ConnectConfig const& other);
  ConnectConfig& operator=(ConnectConfig const&) = delete;
  ~ConnectConfig() override = default;

  HRESULT QueryInterface(REFIID iid, void** object) override;
  unsigned long AddRef() override;
  unsigned long Release() override;

  // The record operations. The base saves nothing and always reports itself modified;
  // records with an option table take ConnectConfigRecord's table loops instead.
  void Save(VProfileKey* /*key*/, bool /*force*/) override {}
  bool IsModified() const override { return true; }
  void Checkpoint() override {}
  void Rollback() override {}
  void ApplyDelta(VProfileData const* other) override = 0;
  VProfileData* Lookup(int index) const override = 0;

  // A copy of this record for a cloned session whose common settings are `common`.
  virtual ConnectConfig* Clone(ICommonConfig* common) const = 0;
  // Hands the settings another protocol can take over to `map`, or takes them from it, when a
  // session switches protocol. The keys and what they point at are the plug-ins' agreement;
  // the map owns nothing.
  virtual void SaveToMap(CMapStringToPtr& /*map*/) {}
  virtual void LoadFromMap(CMapStringToPtr const& /*map*/) {}
  // Takes this protocol's arguments from `arguments`, starting at `position` and moving it on.
  virtual void ProcessCommandLine(CStringList& /*arguments*/, POSITION& /*position*/) {}
  // Non-zero when the record holds enough to connect.
  virtual int CanConnect() const = 0;
  virtual CString GetHostname() { return CString(); }
  virtual void SetHostname(char const* /*hostname*/) {}
  virtual VString GetUsername() { return VString(); }
  virtual VString GetPassword() { return VString(); }
  virtual VString GetFirewallName() { return VString("None"); }
  virtual void SetFirewallName(VString /*name*/) {}
  // The arguments that describe this connection on a command line.
  virtual CString CommandLine() { return CString(); }
  // -1 when the protocol has no port.
  virtual int GetPort() const { return -1; }
  virtual void SetPassword(char const* /*password*/) {}
  // A password for this connection only, never saved.
  virtual void SetTemporaryPassword(char const* /*password*/) {}
  virtual void SetPort(int /*port*/) {}
  virtual void SetPasswordValid(bool /*valid*/) {}
  virtual bool IsPasswordValid() const { return false; }
  virtual unsigned long GetListFlags() const { return 0; }
  virtual void SetUsername(char const* /*username*/) {}
  virtual void SetInitialDirectory(char const* /*directory*/) {}
  virtual VString GetInitialDirectory() { return VString(); }
  virtual void SetAccount(char const* /*account*/) {}
  virtual char const* GetAccount() const { return nullptr; }
  // A record that overrides one IsAnonymousLogin overrides both (or brings the other in with
  // a using-declaration): C++ hides the overload left out.
  virtual bool IsAnonymousLogin() const { return false; }
  virtual void IsAnonymousLogin(bool /*anonymous*/) {}
  virtual int GetDataConnectionType() const { return 0; }
  virtual bool UseDataConnectionType() const { return false; }

  int IsDefaultSession() const { return m_defaultSession; }
  void IsDefaultSession(int defaultSession) { m_defaultSession = defaultSession; }
  int HasCommandLine() const { return m_commandLine; }
  void HasCommandLine(int commandLine) { m_commandLine = commandLine; }
  int PluginField() const { return m_pluginField; }
  void PluginField(int value) { m_pluginField = value; }

 private:
  int m_defaultSession = 0;
  int m_commandLine = 0;
  int m_pluginField = 0;
  int m_refs = 0;
};
