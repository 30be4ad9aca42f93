#include "exchange/ImportSource.h"

#include <filesystem>

#include "exchange/PuttySessionReader.h"
#include "exchange/RemminaFileReader.h"
#include "exchange/SshConfigReader.h"

namespace {

constexpr char kPuttySessions[] = "/.putty/sessions";

}  // namespace

std::optional<ImportSource::Format> ImportSource::Parse(std::string const& name) {
  if (name == "ssh-config") return Format::SshConfig;
  if (name == "putty") return Format::Putty;
  if (name == "remmina") return Format::Remmina;
  return std::nullopt;
}

ImportSource::Format ImportSource::Detect(std::string const& path) {
  std::filesystem::path const chosen(path);
  if (chosen.extension() == ".remmina") return Format::Remmina;
  if (chosen.parent_path().string().ends_with(kPuttySessions)) return Format::Putty;
  return Format::SshConfig;
}

std::string ImportSource::DefaultPath(Format format, std::string const& home, std::string const& dataHome) {
  if (format == Format::SshConfig) return home + "/.ssh/config";
  if (format == Format::Putty) return home + kPuttySessions;
  return (dataHome.empty() ? home + "/.local/share" : dataHome) + "/remmina";
}

ImportBatch ImportSource::Read(Format format, std::string const& path, std::string const& home) {
  if (format == Format::SshConfig) return SshConfigReader(home).Read(path);
  if (format == Format::Putty) return PuttySessionReader::Read(path);
  return RemminaFileReader::Read(path);
}
