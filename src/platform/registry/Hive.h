// One hive: a SQLite database file holding a tree of keys (by numeric id, root id 1) with their
// values. It opens lazily: a missing file reads as an empty hive and is created on first write.
// Answers are Win32 result codes. Not thread-safe; one instance per file per process.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/registry/KeyValueCache.h"
#include "platform/registry/RegSubtreeKey.h"
#include "platform/registry/ValueNameTable.h"
#include "platform/types/WinTypes.h"

using KeyId = int64_t;
constexpr KeyId kRootKeyId = 1;

class Hive {
 public:
  explicit Hive(std::string path);
  ~Hive();
  Hive(Hive const&) = delete;
  Hive& operator=(Hive const&) = delete;

  std::string const& Path() const { return m_path; }

  long FindKey(KeyId parent, std::string_view folded, KeyId& id);
  long CreateKey(KeyId parent, std::string_view name, std::string_view folded, KeyId& id, bool& created);
  long HasSubkeys(KeyId key, bool& has);
  // Deletes the key, its values and, when `tree` is set, everything below it.
  long DeleteKey(KeyId key, bool tree);
  // Deletes every subkey and value of the key, keeping the key.
  long EmptyKey(KeyId key);

  // `data` views bytes the hive keeps until its next call.
  long QueryValue(KeyId key, std::string_view folded, unsigned long& type, std::string_view& data);
  long SetValue(KeyId key, std::string_view name, std::string_view folded, unsigned long type,
                unsigned char const* data, size_t size);
  long DeleteValue(KeyId key, std::string_view folded);

  // Names in enumeration order: subkeys by folded name, values by creation.
  long SubkeyNames(KeyId key, std::vector<std::string>& names);
  long ValueNames(KeyId key, std::vector<std::string>& names);
  long MaxValueSize(KeyId key, unsigned long& size);

  // The key and the keys up to `depth` levels below it, each parent before its children and
  // siblings in enumeration order, with the values asked for (names folded; at most
  // kSubtreeValues): one query for the keys and one ordered scan per value name.
  static constexpr size_t kSubtreeValues = RegSubtreeKey::kMostValues;
  long ReadSubtree(KeyId key, unsigned long depth, std::vector<RegSubtreeKey::Wanted> const& folded,
                   std::vector<RegSubtreeKey>& keys);

  // Changes whenever this hive may hold different data than before (our writes or another
  // process's commits), so that callers can cache enumerations.
  std::pair<uint64_t, int64_t> Version();

  long BeginWork(bool write);
  // Ends one level of the unit; the outermost end commits and answers the unit's first failure
  // (or the commit's), so that a caller learns of a read or write the store did not do.
  long EndWork(bool commit);
  bool InWork() const { return m_workDepth > 0; }
  // The first failure of the open unit of work so far: the hive busy past the wait, no access,
  // a damaged or foreign file, a full disk. ERROR_SUCCESS outside a unit or when none.
  long UnitFailure() const { return m_workDepth > 0 ? m_unitFailure : ERROR_SUCCESS; }

 private:
  class Statement;
  enum class State { Closed, Open, ReadOnly, Damaged };

  long EnsureOpen(bool forWrite);
  long OpenForUse(bool forWrite);
  void NoteFailure(long rc);
  long OpenDatabase(bool create);
  long PrepareSchema();
  long MakeHive();
  int64_t TableCount();
  int64_t ApplicationId();
  int64_t SchemaVersion();
  long CheckVersion();
  long StartTransaction();
  void Doom(long reason);
  long FinishTransaction(bool commit);
  long ErrorFrom(int sqliteCode);
  long CacheValues(KeyId key);
  long LoadValues(KeyId key, bool withNames);
  long WriteValue(KeyId key, std::string_view name, std::string_view folded, unsigned long type,
                  unsigned char const* data, size_t size);
  long NextOrd(KeyId key, int64_t& ord);
  long NameIdOf(std::string_view folded, int64_t& id);
  long CatchUpNames();
  // `added` tells a name new to the hive.
  long AddName(std::string_view name, std::string_view folded, int64_t& id, bool& added);
  long ReadOldLayout();
  long NameIdsOf(std::vector<RegSubtreeKey::Wanted> const& folded, std::vector<int64_t>& names);
  long ReadDeep(KeyId key, unsigned long depth, std::vector<RegSubtreeKey::Wanted> const& folded,
                std::vector<int64_t> const& names, std::vector<RegSubtreeKey>& keys);
  long ReadSubtreeKeys(KeyId key, unsigned long depth, std::vector<RegSubtreeKey>& keys, std::vector<KeyId>& ids,
                       std::vector<std::string>& folded);
  long ReadDeepSubtreeKeys(KeyId key, unsigned long depth, std::vector<RegSubtreeKey>& keys, std::vector<KeyId>& ids,
                           std::vector<std::string>& folded);
  struct FirstValue {
    bool has = false;
    int64_t name = 0;
    unsigned long type = 0;
    std::string data;
  };
  long ReadFirstValues(std::vector<KeyId> const& ids, std::vector<size_t> const& byId, std::vector<FirstValue>& first,
                       int64_t& lastId);
  long ReadChildren(KeyId key, unsigned long depth, std::vector<RegSubtreeKey::Wanted> const& folded,
                    std::vector<int64_t> const& names, std::vector<RegSubtreeKey>& keys);
  long ReadValue(KeyId key, int64_t name, RegSubtreeKey::Value& value);
  long ReadValueOfKeys(int64_t name, std::vector<KeyId> const& ids, std::vector<size_t> const& byId,
                       std::vector<char> const& own, size_t slot, std::vector<RegSubtreeKey>& keys);
  long DeleteSubtrees(KeyId key, std::string const (&statements)[2]);
  long EnsureKeyAlive(KeyId key);
  bool CacheIsCurrent(KeyId key) const;
  KeyId const* FoundBefore(KeyId parent, std::string_view folded);
  void RememberFound(KeyId parent, std::string_view folded, KeyId id);
  sqlite3_stmt* Prepare(char const* sql);
  int Run(char const* sql);
  void CloseDatabase();
  bool OpenedHere() const;

  std::string m_path;
  sqlite3* m_db = nullptr;
  State m_state = State::Closed;
  int m_layout = 0;  // the schema version of the open file
  uint64_t m_forkGeneration = 0;
  std::vector<std::pair<char const*, sqlite3_stmt*>> m_statements;
  uint64_t m_writes = 0;

  int m_workDepth = 0;
  bool m_workWrite = false;
  bool m_doomed = false;
  long m_doomReason = 0;
  long m_unitFailure = 0;
  bool m_txOpen = false;
  bool m_txWrite = false;
  uint64_t m_txSerial = 0;

  // Inside a transaction nobody else changes what we read, so a key's values are read in one
  // query and kept until our next write or the transaction's end.
  KeyId m_cachedKey = 0;
  uint64_t m_cachedWrites = 0;
  uint64_t m_cachedTx = 0;
  KeyValueCache m_cachedValues;
  uint64_t m_deletes = 0;  // deletions and rollbacks so far, which may end keys
  KeyId m_aliveKey = 0;
  uint64_t m_aliveTx = 0;
  uint64_t m_aliveDeletes = 0;

  // Inside a transaction a key found stays where it was until a deletion: the last few found
  // answer again without a query (a session's path is opened several times when it loads).
  struct FoundKey {
    KeyId parent = 0;
    std::string folded;
    KeyId id = 0;
  };
  static constexpr size_t kFoundKeys = 8;
  FoundKey m_found[kFoundKeys];
  size_t m_foundNext = 0;
  uint64_t m_foundTx = 0;
  uint64_t m_foundDeletes = 0;

  KeyId m_nextOrdKey = 0;
  uint64_t m_nextOrdTx = 0;
  uint64_t m_nextOrdDeletes = 0;
  int64_t m_nextOrd = 0;

  ValueNameTable m_names;
  uint64_t m_namesTx = 0;  // the writing transaction in which m_names last caught up with the hive

  std::string m_queried;  // the bytes of the last value read by its own query
  KeyId m_probedKey = 0;  // the key whose one value was last read by its own query
};
