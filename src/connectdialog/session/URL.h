// A connection URL split into its parts: scheme, login, host, port, path and transfer type,
// for text such as "sftp://user:pw@[::1]:2222/home;type=a". Syntax errors are reported through
// a VReportMessageParams with a code of the library's message table: 0xE160000D (not a URL),
// 0xE160000E (bad syntax), 0xE160000F (a scheme no host application connects with).
// A failed parse leaves the parts split so far; read them only after success.
#pragma once

#include "VReportMessageParams.h"
#include "platform/types/CString.h"

class URL {
 public:
  // Scheme ids; unknown schemes get the 32-bit -1.
  enum Scheme : unsigned long {
    kFtp = 0,
    kSftp = 1,
    kSsh = 2,
    kSsh1 = 3,
    kSsh2 = 4,
    kHttp = 5,
    kHttps = 6,
    kTelnet = 7,
    kRlogin = 8,
    kFile = 9,
    kUnknownScheme = 0xFFFFFFFF,
  };
  // Transfer types of the ";type=" suffix.
  static constexpr int kNoTransferType = -1;
  static constexpr int kAsciiTransfer = 1;
  static constexpr int kBinaryTransfer = 2;

  // `defaultPassword` becomes the password of anonymous FTP logins; null counts as "".
  explicit URL(char const* defaultPassword);

  // Parses `text` with %XX decoding and accepts only the schemes a host connects with (ftp,
  // sftp, ssh, ssh1, ssh2, telnet, rlogin). On failure the report holds the reason.
  bool ParseAppUrl(char const* text, VReportMessageParams& report);
  // Whether ParseAppUrl would accept `text`.
  static bool IsURL(char const* text);

  unsigned long GetScheme() const { return m_scheme; }
  CString GetSchemeName() const { return m_schemeName; }
  char const* GetAddress() const { return m_host; }
  unsigned short GetPort(bool& isDefault) const;
  char const* GetUsername() const { return m_username; }
  char const* GetPassword() const { return m_password; }
  // The path after the host, without its leading slash.
  char const* GetObject() const { return m_object; }
  int GetTransferType() const { return m_transferType; }

 private:
  // Bit of Parse's flags that asks for %XX decoding of host, path and login.
  static constexpr unsigned long kDecode = 0x10000000;

  bool Parse(CString const& text, unsigned long flags, VReportMessageParams& report);
  void Clear();
  bool SplitServerUrl(CString& rest, unsigned short defaultPort);
  bool SplitFileUrl(CString& rest);
  bool DecodeParts();
  void ParseTransferType();

  static unsigned long GetSchemeID(CString const& name, unsigned short& defaultPort);
  static void GetLogin(CString& rest, CString& user, CString& password);
  static bool GetHostPort(CString& rest, CString& host, unsigned short& port, unsigned short defaultPort);
  static bool ParsePortNumber(CString const& portText, unsigned short& port);
  static void GetPath(CString& rest, CString& object);
  static bool Decode(CString& text);
  static bool IsHexDigit(char c);

  CString m_defaultPassword;
  unsigned long m_scheme = kFtp;
  CString m_host;
  unsigned short m_port = 0;
  CString m_username;
  CString m_password;
  CString m_object;
  int m_transferType = kNoTransferType;
  bool m_portIsDefault = false;
  CString m_schemeName;
};
