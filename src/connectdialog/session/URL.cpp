#include "session/URL.h"

#include <cstddef>
#include <string>
#include <string_view>

#include "resources/MessageCodes.h"

namespace {

constexpr unsigned long kAppUrlFlags = 0x38000000;

struct SchemeRow {
  char const* name;
  unsigned short defaultPort;
};

// Row i is scheme id i.
constexpr SchemeRow kSchemes[] = {
    {"ftp", 21},     {"sftp", 22}, {"ssh", 22},  {"ssh1", 22},  {"ssh2", 22},
    {"http", 80},    {"https", 443}, {"telnet", 23}, {"rlogin", 0}, {"file", 0},
};

// Byte tests of the C locale, safe for bytes above 0x7F.
bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
char ToLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
// Only for bytes that passed IsHexDigit.
int HexValue(char c) { return IsDigit(c) ? c - '0' : ToLower(c) - 'a' + 10; }

std::string Lowered(std::string_view text) {
  std::string lowered(text);
  for (char& c : lowered) c = ToLower(c);
  return lowered;
}

int Find(CString const& text, char c) {
  size_t const at = text.Str().find(c);
  return at == std::string::npos ? -1 : static_cast<int>(at);
}

CString Left(CString const& text, int count) { return CString(text.Str().substr(0, count)); }
CString Mid(CString const& text, int from) { return CString(text.Str().substr(from)); }

CString Trimmed(CString const& text) {
  std::string_view view = text.Str();
  while (!view.empty() && IsSpace(view.front())) view.remove_prefix(1);
  while (!view.empty() && IsSpace(view.back())) view.remove_suffix(1);
  return CString(std::string(view));
}

bool StartsWithSlashes(CString const& text) { return text.Str().starts_with("//"); }

// Matches "; type = %c" the way scanf would: each blank of the pattern takes any amount of white
// space, and the character is the first one after the '='s white space. Returns 0 on no match.
char TypeLetter(std::string_view tail) {
  auto skipSpace = [&tail] {
    while (!tail.empty() && IsSpace(tail.front())) tail.remove_prefix(1);
  };
  auto take = [&tail](std::string_view word) {
    if (!tail.starts_with(word)) return false;
    tail.remove_prefix(word.size());
    return true;
  };
  if (!take(";")) return 0;
  skipSpace();
  if (!take("type")) return 0;
  skipSpace();
  if (!take("=")) return 0;
  skipSpace();
  return tail.empty() ? 0 : tail.front();
}

int TransferTypeOf(char letter) {
  if (letter == 'a' || letter == 't') return URL::kAsciiTransfer;
  if (letter == 'b' || letter == 'i') return URL::kBinaryTransfer;
  return URL::kNoTransferType;
}

}  // namespace

URL::URL(char const* defaultPassword) : m_defaultPassword(defaultPassword), m_scheme(kFtp) {}

unsigned short URL::GetPort(bool& isDefault) const {
  isDefault = m_portIsDefault;
  return m_port;
}

bool URL::ParseAppUrl(char const* text, VReportMessageParams& report) {
  if (!Parse(CString(text), kAppUrlFlags, report)) return false;
  switch (m_scheme) {
    case kFtp:
    case kSftp:
    case kSsh:
    case kSsh1:
    case kSsh2:
    case kTelnet:
    case kRlogin:
      return true;
    default:
      report.Reset(message::kUrlSchemeNotSupported);
      report.AddString(m_schemeName);
      return false;
  }
}

bool URL::IsURL(char const* text) {
  URL scratch(nullptr);
  VReportMessageParams ignored;
  return scratch.ParseAppUrl(text, ignored);
}

bool URL::Parse(CString const& text, unsigned long flags, VReportMessageParams& report) {
  report.Reset(0);
  Clear();
  CString const trimmed = Trimmed(text);
  int const colon = Find(trimmed, ':');
  if (colon <= 0 || colon >= trimmed.GetLength() - 1) {
    report.Reset(message::kNotAUrl);
    return false;
  }
  m_schemeName = Left(trimmed, colon);
  CString rest = Mid(trimmed, colon + 1);
  unsigned short defaultPort = 0;
  m_scheme = GetSchemeID(m_schemeName, defaultPort);
  bool split = true;
  if (m_scheme <= kRlogin) {
    split = SplitServerUrl(rest, defaultPort);
    m_portIsDefault = split && m_port == defaultPort;
  } else if (m_scheme == kFile) {
    split = SplitFileUrl(rest);
  }
  if (!split || ((flags & kDecode) != 0 && !DecodeParts())) {
    report.Reset(message::kUrlBadSyntax);
    return false;
  }
  ParseTransferType();
  return true;
}

void URL::Clear() {
  m_scheme = kFtp;
  m_port = 0;
  m_portIsDefault = false;
  m_transferType = kNoTransferType;
  m_host.Empty();
  m_username.Empty();
  m_password.Empty();
  m_object.Empty();
  m_schemeName.Empty();
}

// "//user:password@host:port/path", the slashes optional.
bool URL::SplitServerUrl(CString& rest, unsigned short defaultPort) {
  if (StartsWithSlashes(rest)) {
    if (rest.GetLength() < 3) return false;
    rest = Mid(rest, 2);
  }
  GetLogin(rest, m_username, m_password);
  if (!GetHostPort(rest, m_host, m_port, defaultPort)) return false;
  GetPath(rest, m_object);
  return true;
}

// "//host/path": no login and no port.
bool URL::SplitFileUrl(CString& rest) {
  if (rest.GetLength() < 3 || !StartsWithSlashes(rest)) return false;
  rest = Mid(rest, 2);
  GetPath(rest, m_object);
  m_host = rest;
  return true;
}

// A path that does not decode is kept as written; the other parts must decode.
bool URL::DecodeParts() {
  bool ok = true;
  for (CString* part : {&m_host, &m_username, &m_password}) {
    if (!Decode(*part)) {
      part->Empty();
      ok = false;
    }
  }
  Decode(m_object);
  return ok;
}

void URL::ParseTransferType() {
  m_transferType = kNoTransferType;
  size_t const semicolon = m_object.Str().rfind(';');
  if (semicolon == 0) {
    m_object.Empty();
  } else if (semicolon != std::string::npos) {
    char const letter = TypeLetter(Lowered(std::string_view(m_object.Str()).substr(semicolon)));
    if (letter != 0) {
      m_object = Left(m_object, static_cast<int>(semicolon));
      m_transferType = TransferTypeOf(letter);
    }
  }
  if (m_object == "/") m_object.Empty();
  if (m_scheme == kFtp && m_username.IsEmpty() && m_password.IsEmpty()) {
    m_username = "anonymous";
    m_password = m_defaultPassword;
  }
}

unsigned long URL::GetSchemeID(CString const& name, unsigned short& defaultPort) {
  std::string const lowered = Lowered(name.Str());
  for (unsigned long id = 0; id < std::size(kSchemes); ++id) {
    if (lowered == kSchemes[id].name) {
      defaultPort = kSchemes[id].defaultPort;
      return id;
    }
  }
  defaultPort = 0;
  return kUnknownScheme;
}

void URL::GetLogin(CString& rest, CString& user, CString& password) {
  int const at = Find(rest, '@');
  user.Empty();
  password.Empty();
  if (at >= 1) {
    CString const login = Left(rest, at);
    int const colon = Find(login, ':');
    user = colon < 0 ? login : Left(login, colon);
    if (colon >= 0) password = Mid(login, colon + 1);
  }
  if (at >= 0) rest = Mid(rest, at + 1);
}

bool URL::GetHostPort(CString& rest, CString& host, unsigned short& port, unsigned short defaultPort) {
  int const slash = Find(rest, '/');
  if (slash == 0) {
    host.Empty();
    port = defaultPort;
    return true;
  }
  CString hostPort = slash > 0 ? Left(rest, slash) : rest;
  rest = slash > 0 ? Mid(rest, slash) : CString();
  int const bracket = Find(hostPort, '[');
  if (bracket > 0) return false;
  if (bracket == 0) {
    int const close = Find(hostPort, ']');
    if (close <= 0) return false;
    host = CString(hostPort.Str().substr(1, close - 1));
    hostPort = Mid(hostPort, close + 1);
  } else {
    int const colon = Find(hostPort, ':');
    host = colon < 0 ? hostPort : Left(hostPort, colon);
    hostPort = colon < 0 ? CString() : Mid(hostPort, colon);
  }
  if (hostPort.GetLength() < 2) {
    port = defaultPort;
    return true;
  }
  return ParsePortNumber(hostPort, port);
}

// ":digits". The value is taken as a 32-bit signed number (a wrapped negative one gives 0) and
// kept as its low 16 bits, so ":65557" is port 21.
bool URL::ParsePortNumber(CString const& portText, unsigned short& port) {
  std::string_view digits = portText.Str();
  if (!digits.starts_with(':')) return false;
  digits.remove_prefix(1);
  unsigned int value = 0;
  for (char c : digits) {
    if (!IsDigit(c)) return false;
    value = value * 10u + static_cast<unsigned int>(c - '0');
  }
  port = static_cast<int>(value) < 0 ? 0 : static_cast<unsigned short>(value & 0xFFFFu);
  return true;
}

void URL::GetPath(CString& rest, CString& object) {
  int const slash = Find(rest, '/');
  if (slash < 0) {
    object.Empty();
    return;
  }
  object = Mid(rest, slash + 1);
  rest = Left(rest, slash);
}

bool URL::Decode(CString& text) {
  std::string const& in = text.Str();
  std::string out;
  out.reserve(in.size());
  for (size_t i = 0; i < in.size(); ++i) {
    if (in[i] != '%') {
      out += in[i];
      continue;
    }
    if (i + 2 >= in.size() || !IsHexDigit(in[i + 1]) || !IsHexDigit(in[i + 2])) return false;
    out += static_cast<char>(HexValue(in[i + 1]) * 16 + HexValue(in[i + 2]));
    i += 2;
  }
  text = CString(std::move(out));
  return true;
}

bool URL::IsHexDigit(char c) {
  return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
