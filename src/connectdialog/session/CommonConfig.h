// The common settings of one session (see ICommonConfig). Owns one reference to the
// remote-host record and to each shared object, released when it is destroyed.
#pragma once

#include "ICommonConfig.h"

class CommonConfig : public ICommonConfig {
 public:
  CommonConfig() = default;
  // For a cloned session: copies of the other session's remote-host record and shared objects.
  CommonConfig(CommonConfig const& other);
  CommonConfig& operator=(CommonConfig const&) = delete;
  ~CommonConfig() override;

  IRemoteHostConfig* GetRemoteHostConfig(VProfileKey* key) override;
  ISharedConfigObject* GetSharedObject(VProfileKey* key, bool second, SharedObjectFactory factory) override;

 private:
  IRemoteHostConfig* m_remoteHost = nullptr;
  ISharedConfigObject* m_shared[2] = {nullptr, nullptr};
};
