#include "VTraceFile.h"

#include <cerrno>
#include <cstdlib>
#include <mutex>

#include "platform/dynlib/DynamicLibrary.h"
#include "platform/files/DescriptorIo.h"

namespace {

std::mutex startedLock;
std::string startedPath;  // the file this process has started, if any

std::string ExecutableStem() {
  std::string name = GetDynamicLibrary().ExecutablePath();
  if (name.empty()) name = program_invocation_short_name;
  name = name.substr(name.find_last_of('/') + 1);
  size_t dot = name.find_last_of('.');
  if (dot != std::string::npos && dot > 0) name.resize(dot);
  return name.empty() ? "connectdialog" : name;
}

}  // namespace

std::string VTraceFile::Path() {
  char const* folder = std::getenv("TMPDIR");
  return std::string(folder && *folder ? folder : "/tmp") + "/" + ExecutableStem() + ".trace.log";
}

void VTraceFile::WriteLine(char const* text) {
  std::string path = Path();
  bool truncate = false;
  {
    std::lock_guard<std::mutex> lock(startedLock);
    truncate = startedPath != path;
    startedPath = path;
  }
  AppendToFile(path, std::string(text ? text : "") + "\n", truncate, 0600);
}
