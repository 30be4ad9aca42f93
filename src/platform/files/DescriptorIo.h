// The few loops every writer of a file needs, written once: whole writes and reads that survive
// signals and short transfers, appending a record, and syncing a folder so that a rename or a
// creation in it reaches the disk. Failures leave errno as the system set it.
#pragma once

#include <cstddef>
#include <string>
#include <sys/types.h>

// Writes all `size` bytes to `fd`; false on the first error (a zero-byte write counts as EIO).
bool WriteAll(int fd, void const* data, size_t size);
// Reads until `size` bytes or end of file; the bytes read, or -1 on an error.
ssize_t ReadFull(int fd, void* data, size_t size);
// fsync of the folder itself; false when it cannot be opened or synced.
bool SyncFolder(std::string const& folder);
// Appends `bytes` to the file at `path`, created with `mode` when missing and emptied first when
// `truncate`; never follows a symbolic link at `path`.
bool AppendToFile(std::string const& path, std::string const& bytes, bool truncate, mode_t mode);
