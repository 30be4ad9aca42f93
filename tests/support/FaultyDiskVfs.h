// A SQLite file system for tests that wraps the real one and can fail as a disk does: every
// write answers "disk full", or every file opens read-only. Installed as the default while an
// object lives, so hives opened meanwhile use it; hives must be opened afresh (RegUnloadHives)
// after installing and before removing it.
#pragma once

#include <signal.h>
#include <sqlite3.h>

#include <cstring>

class FaultyDiskVfs {
 public:
  enum class Fault { None, DiskFull, ReadOnly };

  FaultyDiskVfs();
  ~FaultyDiskVfs();
  FaultyDiskVfs(FaultyDiskVfs const&) = delete;
  FaultyDiskVfs& operator=(FaultyDiskVfs const&) = delete;

  static void Set(Fault fault);
  // Kills the process (SIGKILL, as a crash would) at the nth write to a write-ahead log from
  // now; 0 never. Use it in a forked child only.
  static void KillAtLogWrite(int n);

 private:
  sqlite3_vfs m_vfs{};
};

namespace faulty_disk {

inline int currentFault = 0;  // a FaultyDiskVfs::Fault
inline int logWritesLeft = 0;
inline sqlite3_vfs* realVfs = nullptr;

// Our file: the methods we answer with first, then the real file.
struct FaultyFile {
  sqlite3_file base;
  bool log;
  sqlite3_file* real() { return reinterpret_cast<sqlite3_file*>(this + 1); }
};

inline sqlite3_file* Real(sqlite3_file* file) { return reinterpret_cast<FaultyFile*>(file)->real(); }

// The real file's method `Method`, called with the same arguments.
template <auto Method, typename... Args>
auto Forward(sqlite3_file* f, Args... args) {
  return (Real(f)->pMethods->*Method)(Real(f), args...);
}

inline int Write(sqlite3_file* f, void const* data, int amount, sqlite3_int64 offset) {
  if (currentFault == 1) return SQLITE_FULL;
  if (reinterpret_cast<FaultyFile*>(f)->log && logWritesLeft > 0 && --logWritesLeft == 0) raise(SIGKILL);
  return Forward<&sqlite3_io_methods::xWrite>(f, data, amount, offset);
}

using M = sqlite3_io_methods;
inline sqlite3_io_methods const kMethods = {
    2, Forward<&M::xClose>, Forward<&M::xRead, void*, int, sqlite3_int64>, Write,
    Forward<&M::xTruncate, sqlite3_int64>, Forward<&M::xSync, int>, Forward<&M::xFileSize, sqlite3_int64*>,
    Forward<&M::xLock, int>, Forward<&M::xUnlock, int>, Forward<&M::xCheckReservedLock, int*>,
    Forward<&M::xFileControl, int, void*>, Forward<&M::xSectorSize>, Forward<&M::xDeviceCharacteristics>,
    Forward<&M::xShmMap, int, int, int, void volatile**>, Forward<&M::xShmLock, int, int, int>,
    Forward<&M::xShmBarrier>, Forward<&M::xShmUnmap, int>, nullptr, nullptr};

inline int Open(sqlite3_vfs*, char const* name, sqlite3_file* file, int flags, int* outFlags) {
  // Only the database file itself is read-only, as a file of mode 0444 is to its owner.
  if (currentFault == 2 && (flags & SQLITE_OPEN_MAIN_DB) && (flags & SQLITE_OPEN_READWRITE))
    flags = (flags & ~(SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE)) | SQLITE_OPEN_READONLY;
  FaultyFile* faulty = reinterpret_cast<FaultyFile*>(file);
  std::memset(faulty, 0, sizeof(faulty_disk::FaultyFile));
  int const rc = realVfs->xOpen(realVfs, name, faulty->real(), flags, outFlags);
  faulty->base.pMethods = faulty->real()->pMethods ? &kMethods : nullptr;
  faulty->log = (flags & SQLITE_OPEN_WAL) != 0;
  return rc;
}

// The real file system's method `Method`, called with the same arguments.
template <auto Method, typename... Args>
int ForwardVfs(sqlite3_vfs*, Args... args) {
  return (realVfs->*Method)(realVfs, args...);
}

}  // namespace faulty_disk

inline FaultyDiskVfs::FaultyDiskVfs() {
  using namespace faulty_disk;
  using V = sqlite3_vfs;
  realVfs = sqlite3_vfs_find(nullptr);
  m_vfs = {2, static_cast<int>(sizeof(FaultyFile)) + realVfs->szOsFile, realVfs->mxPathname, nullptr, "faulty-disk",
           nullptr, Open, ForwardVfs<&V::xDelete, char const*, int>, ForwardVfs<&V::xAccess, char const*, int, int*>,
           ForwardVfs<&V::xFullPathname, char const*, int, char*>, nullptr, nullptr, nullptr, nullptr,
           ForwardVfs<&V::xRandomness, int, char*>, ForwardVfs<&V::xSleep, int>, ForwardVfs<&V::xCurrentTime, double*>,
           ForwardVfs<&V::xGetLastError, int, char*>, ForwardVfs<&V::xCurrentTimeInt64, sqlite3_int64*>, nullptr, nullptr,
           nullptr};
  sqlite3_vfs_register(&m_vfs, 1);
}

inline FaultyDiskVfs::~FaultyDiskVfs() {
  faulty_disk::currentFault = 0;
  faulty_disk::logWritesLeft = 0;
  sqlite3_vfs_unregister(&m_vfs);
}

inline void FaultyDiskVfs::Set(Fault fault) { faulty_disk::currentFault = static_cast<int>(fault); }

inline void FaultyDiskVfs::KillAtLogWrite(int n) { faulty_disk::logWritesLeft = n; }
