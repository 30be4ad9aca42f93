#include "VTraceFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <mutex>

namespace {

std::mutex startedLock;
std::string startedPath;  // the file this process has started, if any

std::string ExecutableStem() {
  char path[4096];
  ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  std::string name = length > 0 ? std::string(path, static_cast<size_t>(length)) : program_invocation_short_name;
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
  int flags = O_WRONLY | O_CREAT | O_APPEND | O_NOFOLLOW | O_CLOEXEC;
  {
    std::lock_guard<std::mutex> lock(startedLock);
    if (startedPath != path) flags |= O_TRUNC;
    startedPath = path;
  }
  int fd = open(path.c_str(), flags, 0600);
  if (fd < 0) return;
  std::string line = std::string(text ? text : "") + "\n";
  for (size_t done = 0; done < line.size();) {
    ssize_t n = write(fd, line.data() + done, line.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<size_t>(n);
  }
  close(fd);
}
