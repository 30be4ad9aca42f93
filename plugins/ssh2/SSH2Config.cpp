#include "SSH2Config.h"

#include "ChoiceList.h"
#include "CommandLineReader.h"
#include "CommandLineWriter.h"

namespace {

constexpr NetworkConfig::Protocol kSSH2 = {"SSH2", 22, CarryOver::kSshPort};
constexpr char kDefaultOrder[] = "publickey,keyboard-interactive,password";

ChoiceList const kMethods = {{"publickey", 0}, {"keyboard-interactive", 1}, {"password", 2}, {"gssapi", 3}};

}  // namespace

VProfileTable<SSH2Config> const SSH2Config::_profileOffsets{
    {"SSH2 Port", PortMember<SSH2Config>(), 22},
    {"SSH2 Password", PasswordMember<SSH2Config>(), VString()},
    {"SSH2 Identity Filename", &SSH2Config::m_identityFile, VString()},
    {"SSH2 Compression", &SSH2Config::m_compression, false},
    {"SSH2 Authentication Order", &SSH2Config::m_authenticationOrder, VString(kDefaultOrder)},
};

SSH2Config::SSH2Config(VProfileKey* key, ICommonConfig* common) : LoginConfig(key, common, kSSH2) {
  Load(key);
  std::string methods;
  // A stored order this version cannot follow is replaced by the usual one.
  if (!NormaliseMethods(m_authenticationOrder.View(), methods)) m_authenticationOrder = kDefaultOrder;
}

ConnectConfig* SSH2Config::Create(VProfileKey* key, ICommonConfig* common) { return new SSH2Config(key, common); }

bool SSH2Config::TakeProtocolOption(std::string const& name, CommandLineReader& reader) {
  if (name == "Z") {
    m_compression = true;
    return true;
  }
  if (name != "I" && name != "AUTH") return false;
  std::string value;
  if (!reader.Value(value) || value.empty()) return false;
  if (name == "I") {
    m_identityFile = VString(value);
    return true;
  }
  std::string methods;
  if (!NormaliseMethods(value, methods)) return false;
  m_authenticationOrder = VString(methods);
  return true;
}

void SSH2Config::WriteProtocolOptions(CommandLineWriter& writer) const {
  if (!m_identityFile.IsEmpty()) writer.AddOption("I", m_identityFile.View());
  if (m_compression) writer.Add("/Z");
  if (m_authenticationOrder != kDefaultOrder) writer.AddOption("AUTH", m_authenticationOrder.View());
}

bool SSH2Config::NormaliseMethods(std::string_view text, std::string& methods) {
  std::string result;
  unsigned seen = 0;
  while (true) {
    size_t const comma = text.find(',');
    int code = 0;
    if (!kMethods.Find(text.substr(0, comma), code) || (seen & (1u << code))) return false;
    seen |= 1u << code;
    result += (result.empty() ? "" : ",") + std::string(kMethods.Name(code));
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  methods = result;
  return true;
}
