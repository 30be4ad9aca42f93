// A network record that logs in with a password of its own (SSH2, SSH1, SFTP, FTP). The
// derived record lists the password in its option table with PasswordMember<R>(). On a command
// line "/PASSWORD text" gives a temporary password, which CommandLine() never writes back.
#pragma once

#include "NetworkConfig.h"
#include "PasswordOption.h"

class LoginConfig : public NetworkConfig {
 public:
  VString GetPassword() override { return m_password.Effective(); }
  void SetPassword(char const* password) override { m_password.Set(password); }
  void SetTemporaryPassword(char const* password) override { m_password.SetTemporary(password); }
  void SetPasswordValid(bool valid) override { m_password.SetValid(valid); }
  bool IsPasswordValid() const override { return m_password.IsValid(); }

 protected:
  using NetworkConfig::NetworkConfig;
  LoginConfig(LoginConfig const&) = default;

  template <typename R>
  static PasswordOption R::*PasswordMember() {
    return &LoginConfig::m_password;
  }

  bool TakeOption(std::string const& name, CommandLineReader& reader) override;

 private:
  PasswordOption m_password;
};
