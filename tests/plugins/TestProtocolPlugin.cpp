// A protocol plug-in for the tests, loaded through dlopen like a real one. Its record keeps a
// host ("Test Host") and a port ("Test Port") and carries the host across a protocol switch.
// Built twice: as the plug-in of this version, and (FOREIGN_GUID) as one of another version.
#include <cstring>

#include "VProfile.h"
#include "VProfile2.h"
#include "VProfileTable.h"
#include "session/ConnectConfigRecord.h"
#include "session/ProtocolPlugin.h"

namespace {

class TestConfig : public ConnectConfigRecord {
 public:
  explicit TestConfig(VProfileKey* key) { Load(key); }

  VProfileOptionTable const& ProfileTable() const override { return _profileOffsets; }
  ConnectConfig* Clone(ICommonConfig*) const override { return new TestConfig(*this); }
  int CanConnect() const override { return m_host.IsEmpty() ? 0 : 1; }
  CString GetHostname() override { return CString(m_host.c_str()); }
  void SetHostname(char const* host) override { m_host = host; }
  int GetPort() const override { return m_port; }
  void SetPort(int port) override { m_port = port; }
  // The map holds VString pointers: convert before the pointer loses its type.
  void SaveToMap(CMapStringToPtr& map) override { map.SetAt("Hostname", static_cast<VString*>(&m_host)); }
  void LoadFromMap(CMapStringToPtr const& map) override {
    void* host = nullptr;
    if (map.Lookup("Hostname", host)) m_host = *static_cast<VString*>(host);
  }

 private:
  TestConfig(TestConfig const&) = default;

  static VProfileTable<TestConfig> const _profileOffsets;

  VProfile2<VString, VProfileSz> m_host;
  VProfile<int> m_port;
};

VProfileTable<TestConfig> const TestConfig::_profileOffsets{
    {"Test Host", &TestConfig::m_host, VString()},
    {"Test Port", &TestConfig::m_port, 22},
};

ConnectConfig* CreateTestConfig(VProfileKey* key, ICommonConfig*) { return new TestConfig(key); }

// The tests hand the Global Options callbacks an int in place of a dialog, to see them called.
void AddGlobalPages(IPropertyTreeDialog* dialog, int flag) { *reinterpret_cast<int*>(dialog) = flag; }

int TextLength(HostTextGetter getter) { return getter ? static_cast<int>(std::strlen(getter())) : -1; }

#ifdef FOREIGN_GUID
constexpr GUID kAnswer = {0x01234567, 0x89AB, 0xCDEF, {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF}};
#else
constexpr GUID kAnswer = kProtocolPluginGuid;
#endif

}  // namespace

extern "C" GUID const* GetProtocolGuid() { return &kAnswer; }

extern "C" void LoadProtocol(HostCallbacks const* callbacks, ConnectProtocolTableElement* element,
                             IHostnameResolver*) {
  element->recordFactory = CreateTestConfig;
  element->addGlobalPages = AddGlobalPages;
  // What the block held, for the tests to check its order.
  element->pluginFields[0] = TextLength(callbacks->appName);
  element->pluginFields[1] = TextLength(callbacks->textGetter);
  element->pluginFields[2] = callbacks->profileFactoryGetter ? 1 : 0;
}
