// OpenSSH configurations from anywhere: reading must report or skip, never crash or hang. The
// file lies in its own .ssh folder, so that Include can name it (and loop) but reach nothing else.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "exchange/SshConfigReader.h"

namespace {

// Absolute and upward paths would let Include read the machine's files: not this target's subject.
bool ReachesOutside(std::string_view text) { return text.find('/') != std::string_view::npos || text.find('~') != std::string_view::npos; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size) {
  std::string_view const text(reinterpret_cast<char const*>(data), size);
  if (ReachesOutside(text)) return 0;
  char const* tmp = std::getenv("TMPDIR");
  static std::string const home =
      std::string(tmp && *tmp ? tmp : "/tmp") + "/fuzz_ssh_config." + std::to_string(getpid());
  std::filesystem::create_directories(home + "/.ssh");
  std::string const path = home + "/.ssh/config";
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(text.data(), static_cast<std::streamsize>(text.size()));
  ImportBatch const batch = SshConfigReader(home).Read(path);
  for (ImportedSession const& session : batch.sessions)
    for (std::string const& part : session.path)
      if (part.empty()) std::abort();
  std::filesystem::remove(path);
  return 0;
}
