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

inline FaultyFile* Of(sqlite3_file* file) { return reinterpret_cast<FaultyFile*>(file); }
inline sqlite3_file* Real(sqlite3_file* file) { return Of(file)->real(); }

inline int Close(sqlite3_file* f) { return Real(f)->pMethods->xClose(Real(f)); }
inline int Read(sqlite3_file* f, void* data, int amount, sqlite3_int64 offset) {
  return Real(f)->pMethods->xRead(Real(f), data, amount, offset);
}
inline int Write(sqlite3_file* f, void const* data, int amount, sqlite3_int64 offset) {
  if (currentFault == 1) return SQLITE_FULL;
  if (Of(f)->log && logWritesLeft > 0 && --logWritesLeft == 0) raise(SIGKILL);
  return Real(f)->pMethods->xWrite(Real(f), data, amount, offset);
}
inline int Truncate(sqlite3_file* f, sqlite3_int64 size) { return Real(f)->pMethods->xTruncate(Real(f), size); }
inline int Sync(sqlite3_file* f, int flags) { return Real(f)->pMethods->xSync(Real(f), flags); }
inline int FileSize(sqlite3_file* f, sqlite3_int64* size) { return Real(f)->pMethods->xFileSize(Real(f), size); }
inline int Lock(sqlite3_file* f, int level) { return Real(f)->pMethods->xLock(Real(f), level); }
inline int Unlock(sqlite3_file* f, int level) { return Real(f)->pMethods->xUnlock(Real(f), level); }
inline int CheckReservedLock(sqlite3_file* f, int* out) { return Real(f)->pMethods->xCheckReservedLock(Real(f), out); }
inline int FileControl(sqlite3_file* f, int op, void* arg) { return Real(f)->pMethods->xFileControl(Real(f), op, arg); }
inline int SectorSize(sqlite3_file* f) { return Real(f)->pMethods->xSectorSize(Real(f)); }
inline int DeviceCharacteristics(sqlite3_file* f) { return Real(f)->pMethods->xDeviceCharacteristics(Real(f)); }
inline int ShmMap(sqlite3_file* f, int page, int size, int extend, void volatile** out) {
  return Real(f)->pMethods->xShmMap(Real(f), page, size, extend, out);
}
inline int ShmLock(sqlite3_file* f, int offset, int n, int flags) { return Real(f)->pMethods->xShmLock(Real(f), offset, n, flags); }
inline void ShmBarrier(sqlite3_file* f) { Real(f)->pMethods->xShmBarrier(Real(f)); }
inline int ShmUnmap(sqlite3_file* f, int remove) { return Real(f)->pMethods->xShmUnmap(Real(f), remove); }

inline sqlite3_io_methods const kMethods = {2,         Close,         Read,        Write,  Truncate,          Sync,
                                     FileSize,  Lock,          Unlock,      CheckReservedLock, FileControl,
                                     SectorSize, DeviceCharacteristics, ShmMap, ShmLock, ShmBarrier, ShmUnmap,
                                     nullptr,   nullptr};

inline int Open(sqlite3_vfs*, char const* name, sqlite3_file* file, int flags, int* outFlags) {
  // Only the database file itself is read-only, as a file of mode 0444 is to its owner.
  if (currentFault == 2 && (flags & SQLITE_OPEN_MAIN_DB) && (flags & SQLITE_OPEN_READWRITE))
    flags = (flags & ~(SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE)) | SQLITE_OPEN_READONLY;
  FaultyFile* faulty = Of(file);
  std::memset(faulty, 0, sizeof(faulty_disk::FaultyFile));
  int const rc = realVfs->xOpen(realVfs, name, faulty->real(), flags, outFlags);
  faulty->base.pMethods = faulty->real()->pMethods ? &kMethods : nullptr;
  faulty->log = (flags & SQLITE_OPEN_WAL) != 0;
  return rc;
}

inline int Delete(sqlite3_vfs*, char const* name, int syncDir) { return realVfs->xDelete(realVfs, name, syncDir); }
inline int Access(sqlite3_vfs*, char const* name, int flags, int* out) { return realVfs->xAccess(realVfs, name, flags, out); }
inline int FullPathname(sqlite3_vfs*, char const* name, int size, char* out) {
  return realVfs->xFullPathname(realVfs, name, size, out);
}
inline int Randomness(sqlite3_vfs*, int size, char* out) { return realVfs->xRandomness(realVfs, size, out); }
inline int Sleep(sqlite3_vfs*, int microseconds) { return realVfs->xSleep(realVfs, microseconds); }
inline int CurrentTime(sqlite3_vfs*, double* out) { return realVfs->xCurrentTime(realVfs, out); }
inline int LastError(sqlite3_vfs*, int size, char* out) { return realVfs->xGetLastError(realVfs, size, out); }
inline int CurrentTimeInt64(sqlite3_vfs*, sqlite3_int64* out) { return realVfs->xCurrentTimeInt64(realVfs, out); }

}  // namespace faulty_disk


inline FaultyDiskVfs::FaultyDiskVfs() {
  faulty_disk::realVfs = sqlite3_vfs_find(nullptr);
  m_vfs.iVersion = 2;
  m_vfs.szOsFile = static_cast<int>(sizeof(faulty_disk::FaultyFile)) + faulty_disk::realVfs->szOsFile;
  m_vfs.mxPathname = faulty_disk::realVfs->mxPathname;
  m_vfs.zName = "faulty-disk";
  m_vfs.xOpen = faulty_disk::Open;
  m_vfs.xDelete = faulty_disk::Delete;
  m_vfs.xAccess = faulty_disk::Access;
  m_vfs.xFullPathname = faulty_disk::FullPathname;
  m_vfs.xRandomness = faulty_disk::Randomness;
  m_vfs.xSleep = faulty_disk::Sleep;
  m_vfs.xCurrentTime = faulty_disk::CurrentTime;
  m_vfs.xGetLastError = faulty_disk::LastError;
  m_vfs.xCurrentTimeInt64 = faulty_disk::CurrentTimeInt64;
  sqlite3_vfs_register(&m_vfs, 1);
}

inline FaultyDiskVfs::~FaultyDiskVfs() {
  faulty_disk::currentFault = 0;
  faulty_disk::logWritesLeft = 0;
  sqlite3_vfs_unregister(&m_vfs);
}

inline void FaultyDiskVfs::Set(Fault fault) { faulty_disk::currentFault = static_cast<int>(fault); }

inline void FaultyDiskVfs::KillAtLogWrite(int n) { faulty_disk::logWritesLeft = n; }
