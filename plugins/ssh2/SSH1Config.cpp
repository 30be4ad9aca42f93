#include "SSH1Config.h"

#include "ChoiceList.h"
#include "CommandLineReader.h"
#include "CommandLineWriter.h"

namespace {

constexpr NetworkConfig::Protocol kSSH1 = {"SSH1", 22, CarryOver::kSshPort};
constexpr char kDefaultCipher[] = "3DES";

ChoiceList const kCiphers = {{"3DES", 0}, {"Blowfish", 1}, {"DES", 2}};

}  // namespace

VProfileTable<SSH1Config> const SSH1Config::_profileOffsets{
    {"SSH1 Port", PortMember<SSH1Config>(), 22},
    {"SSH1 Password", PasswordMember<SSH1Config>(), VString()},
    {"SSH1 Identity Filename", &SSH1Config::m_identityFile, VString()},
    {"SSH1 Cipher", &SSH1Config::m_cipher, VString(kDefaultCipher)},
};

SSH1Config::SSH1Config(VProfileKey* key, ICommonConfig* common) : LoginConfig(key, common, kSSH1) {
  Load(key);
  int code = 0;
  if (!kCiphers.Find(m_cipher.View(), code)) m_cipher = kDefaultCipher;
}

ConnectConfig* SSH1Config::Create(VProfileKey* key, ICommonConfig* common) { return new SSH1Config(key, common); }

bool SSH1Config::TakeProtocolOption(std::string const& name, CommandLineReader& reader) {
  if (name != "I" && name != "C") return false;
  std::string value;
  int code = 0;
  if (!reader.Value(value) || value.empty()) return false;
  if (name == "I")
    m_identityFile = VString(value);
  else if (kCiphers.Find(value, code))
    m_cipher = kCiphers.Name(code);
  else
    return false;
  return true;
}

void SSH1Config::WriteProtocolOptions(CommandLineWriter& writer) const {
  if (!m_identityFile.IsEmpty()) writer.AddOption("I", m_identityFile.View());
  if (m_cipher != kDefaultCipher) writer.AddOption("C", m_cipher.View());
}
