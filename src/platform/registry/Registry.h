// The registry stand-in: hives of named keys holding typed values, reached through opaque key
// handles and the Win32-style calls below. A hive is one SQLite database file (WAL mode).
//
// Guarantees:
// - Names compare case-insensitively (ICU case folding) and keep the spelling they were
//   created with. Subkeys enumerate in folded-name order, values in creation order.
// - Subkey paths may hold several levels joined by backslashes; a component is 1-255 bytes,
//   a value name at most 16,383 bytes. Longer names fail with ERROR_INVALID_PARAMETER.
// - A key lies at most kRegMaxKeyDepth levels below its hive's root; creating a deeper one fails
//   with ERROR_BADKEY. Deeper keys that a hive already holds can still be opened and deleted.
// - Every call is atomic. Calls between RegBeginUnitOfWork and RegEndUnitOfWork on the same
//   hive form one unit of work that reaches the file whole or not at all; units nest, and the
//   outermost one commits. A writer that finds the hive locked by another process waits up to
//   ten seconds before failing with ERROR_BUSY.
// - A hive file that is missing is created on the first write; a missing hive reads as empty.
//   A damaged or foreign file answers ERROR_BADDB and is never overwritten; a file that cannot
//   be written answers ERROR_ACCESS_DENIED to writes.
// - Hive files live in a per-user folder ($XDG_CONFIG_HOME/Brimvale, else ~/.config/Brimvale)
//   and a machine folder (/etc/xdg/Brimvale); BRIMVALE_ROOT=DIR moves them to DIR/user and
//   DIR/machine. HKEY_CURRENT_USER is user/registry.db, HKEY_LOCAL_MACHINE machine/registry.db,
//   HKEY_CLASSES_ROOT machine/classes.db.
// Threads: one thread at a time (the host's user-interface thread).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/registry/RegSubtreeKey.h"
#include "platform/types/WinTypes.h"

constexpr size_t kRegMaxKeyDepth = 512;

LSTATUS RegOpenKeyEx(HKEY key, char const* subKey, unsigned long options, REGSAM access, HKEY* result);
LSTATUS RegCreateKeyEx(HKEY key, char const* subKey, unsigned long reserved, char* keyClass, unsigned long options,
                       REGSAM access, void const* securityAttributes, HKEY* result, unsigned long* disposition);
LSTATUS RegCloseKey(HKEY key);

// data may be null to learn the type and size; a short buffer answers ERROR_MORE_DATA with the
// needed size in *size. A null or empty name is the key's default value.
LSTATUS RegQueryValueEx(HKEY key, char const* name, unsigned long* reserved, unsigned long* type, unsigned char* data,
                        unsigned long* size);
LSTATUS RegSetValueEx(HKEY key, char const* name, unsigned long reserved, unsigned long type,
                      unsigned char const* data, unsigned long size);
LSTATUS RegDeleteValue(HKEY key, char const* name);

// Deletes one key that has no subkeys (ERROR_ACCESS_DENIED otherwise), with its values.
LSTATUS RegDeleteKey(HKEY key, char const* subKey);
// Deletes a key with everything below it; a null or empty subKey empties `key` itself.
LSTATUS RegDeleteTree(HKEY key, char const* subKey);

// *nameLength: in, the buffer's size in bytes with room for the terminator; out, the name's
// length. A buffer too small answers ERROR_MORE_DATA; past the end, ERROR_NO_MORE_ITEMS.
LSTATUS RegEnumKeyEx(HKEY key, unsigned long index, char* name, unsigned long* nameLength, unsigned long* reserved,
                     char* keyClass, unsigned long* classLength, void* lastWriteTime);
LSTATUS RegEnumValue(HKEY key, unsigned long index, char* name, unsigned long* nameLength, unsigned long* reserved,
                     unsigned long* type, unsigned char* data, unsigned long* dataLength);
LSTATUS RegQueryInfoKey(HKEY key, char* keyClass, unsigned long* classLength, unsigned long* reserved,
                        unsigned long* subKeys, unsigned long* maxSubKeyLength, unsigned long* maxClassLength,
                        unsigned long* values, unsigned long* maxValueNameLength, unsigned long* maxValueLength,
                        unsigned long* securityDescriptor, void* lastWriteTime);

// `key` and every key up to `depth` levels below it (0: the key alone), each parent before its
// children and siblings in RegEnumKeyEx order, each with the values asked for in `values` (at
// most RegSubtreeKey::kMostValues; names as RegQueryValueEx takes them, a value with a key name
// read only of the keys so named): one query for the keys, one ordered scan of first values,
// and for a value many keys hold elsewhere one statement, whatever the number of keys. A
// missing hive or a deleted key gives an empty list.
LSTATUS RegReadSubtree(HKEY key, unsigned long depth, std::vector<RegSubtreeKey::Wanted> const& values,
                       std::vector<RegSubtreeKey>& keys);

// Opens a hive file anywhere (created on first write) as its own root handle; close it with
// RegCloseKey. Two openings of the same file share one hive.
LSTATUS RegOpenHiveFile(char const* path, HKEY* root);

// Units of work on the hive of `key`. `write` takes the hive's write lock at once, so that the
// unit cannot be refused halfway. RegEndUnitOfWork with commit=false dooms the whole unit:
// the outermost end then rolls everything back.
LSTATUS RegBeginUnitOfWork(HKEY key, bool write);
// The outermost end answers the unit's first failure (see RegUnitOfWorkStatus) when it had one.
LSTATUS RegEndUnitOfWork(HKEY key, bool commit = true);
// The first failure of the open unit of work on the hive of `key` so far: ERROR_BUSY (locked by
// another process past the wait), ERROR_ACCESS_DENIED (the file or its folder cannot be written),
// ERROR_BADDB (a damaged or foreign file), ERROR_DISK_FULL ...; reads that found nothing are no
// failure. ERROR_SUCCESS when there is none or no unit is open.
LSTATUS RegUnitOfWorkStatus(HKEY key);

// The file behind the hive of `key` (for messages and tools).
std::string RegHivePath(HKEY key);

// Closes every cached hive so that the next call finds the files afresh (after BRIMVALE_ROOT
// changed, or before fork). Fails with ERROR_BUSY while a handle or a unit of work is open.
LSTATUS RegUnloadHives();
