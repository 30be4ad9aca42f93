#include "platform/registry/Hive.h"

#include <pthread.h>
#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <unordered_map>

#include "platform/registry/HiveLocations.h"
#include "platform/types/FileConstants.h"
#include "platform/types/WinTypes.h"

namespace {

constexpr int kApplicationId = 0x42564852;  // "BVHR": marks a file as one of our hives
constexpr int kBusyTimeoutMs = 10000;

constexpr int kSchemaVersion = 2;

// A value's id packs its key and its place among the key's values (key << 24 | n), so a key's
// values are one range of the table in creation order: reading them all is one ordered scan,
// and adding one costs no more than a rowid table does. The check keeps every id in its range.
constexpr int kValueIdBits = 24;

std::string ValsColumns() {
  return "(id INTEGER PRIMARY KEY, key INTEGER NOT NULL, name BLOB NOT NULL, folded BLOB NOT NULL,"
         " type INTEGER NOT NULL, data BLOB NOT NULL, CHECK (id >> " + std::to_string(kValueIdBits) + " = key));";
}

constexpr std::string_view kLatestIndexes =
    "CREATE UNIQUE INDEX vals_by_key ON vals(key, folded);"
    "CREATE INDEX keys_listing ON keys(parent, folded, name);";

std::string Schema() {
  return std::string(
             "CREATE TABLE keys(id INTEGER PRIMARY KEY, parent INTEGER,"
             " name BLOB NOT NULL, folded BLOB NOT NULL);"
             "CREATE UNIQUE INDEX keys_by_parent ON keys(parent, folded);"
             "CREATE TABLE vals") +
         ValsColumns() + std::string(kLatestIndexes) +
         "INSERT INTO keys(id, parent, name, folded) VALUES(1, NULL, x'', x'');"
         "PRAGMA user_version = " + std::to_string(kSchemaVersion) + ";";
}

// The first layout numbered values across the whole hive; their order within a key is kept.
std::string UpgradeFromVersion1() {
  return "CREATE TABLE vals_next" + ValsColumns() +
         "INSERT INTO vals_next(id, key, name, folded, type, data) SELECT (key << " + std::to_string(kValueIdBits) +
         ") + row_number() OVER (PARTITION BY key ORDER BY id), key, name, folded, type, data FROM vals;"
         "DROP TABLE vals;"
         "ALTER TABLE vals_next RENAME TO vals;" +
         std::string(kLatestIndexes) + "PRAGMA user_version = " + std::to_string(kSchemaVersion) + ";";
}

// Counts the forks of this process, so that a connection inherited from a parent is noticed
// without a getpid() system call on every registry call.
std::atomic<uint64_t> g_forks{0};
[[maybe_unused]] int const g_forkWatch =
    pthread_atfork(nullptr, nullptr, [] { g_forks.fetch_add(1, std::memory_order_relaxed); });

uint64_t ForkGeneration() { return g_forks.load(std::memory_order_relaxed); }

// Every unit of work runs these; kept prepared, they are not parsed again each time.
char const* const kBeginRead = "BEGIN";
char const* const kBeginWrite = "BEGIN IMMEDIATE";
char const* const kCommit = "COMMIT";
char const* const kRollback = "ROLLBACK";

// Deletes of whole subtrees, values first: a recursive `tree` of key ids seeded by `seed`.
std::string SubtreeDelete(char const* seed, char const* action) {
  return std::string("WITH RECURSIVE tree(id) AS (") + seed +
         " UNION ALL SELECT keys.id FROM keys JOIN tree ON keys.parent = tree.id) " + action;
}
// Statements are cached by the address of their text, so these texts live as long as the process.
std::string const kSubtreeOfKey[2] = {SubtreeDelete("SELECT ?1", "DELETE FROM vals WHERE key IN tree"),
                                      SubtreeDelete("SELECT ?1", "DELETE FROM keys WHERE id IN tree")};
std::string const kSubtreesBelowKey[2] = {
    SubtreeDelete("SELECT id FROM keys WHERE parent = ?1", "DELETE FROM vals WHERE key IN tree"),
    SubtreeDelete("SELECT id FROM keys WHERE parent = ?1", "DELETE FROM keys WHERE id IN tree")};

char const* const kInsertValue =
    "INSERT INTO vals(key, id, name, folded, type, data) VALUES(?1, ?6, ?2, ?3, ?4, ?5)"
    " ON CONFLICT(key, folded) DO UPDATE SET type = excluded.type, data = excluded.data";

// A subtree breadth first: the queue takes each key's children in folded-name order (the
// listing index), and each key's asked-for values join it through the (key, folded) index.
char const* const kSubtree =
    "WITH RECURSIVE tree(id, depth) AS (SELECT ?1, 0 UNION ALL SELECT keys.id, tree.depth + 1"
    " FROM tree JOIN keys ON keys.parent = tree.id WHERE tree.depth < ?2)"
    " SELECT keys.id, keys.parent, keys.name, vals.folded, vals.type, vals.data FROM tree"
    " JOIN keys ON keys.id = tree.id LEFT JOIN vals ON vals.key = keys.id AND vals.folded IN (?3, ?4, ?5, ?6)";

std::string FolderOf(std::string const& path) {
  size_t const slash = path.find_last_of('/');
  return slash == std::string::npos ? "." : path.substr(0, slash);
}

}  // namespace

// A cached statement bound for one use and reset when the use ends.
class Hive::Statement {
 public:
  Statement(Hive& hive, char const* sql) : m_stmt(hive.Prepare(sql)) {}
  ~Statement() {
    if (m_stmt) {
      sqlite3_reset(m_stmt);
      sqlite3_clear_bindings(m_stmt);
    }
  }
  explicit operator bool() const { return m_stmt != nullptr; }
  Statement& Bind(int index, int64_t value) {
    sqlite3_bind_int64(m_stmt, index, value);
    return *this;
  }
  Statement& Bind(int index, std::string_view bytes) {
    sqlite3_bind_blob64(m_stmt, index, bytes.empty() ? "" : bytes.data(), bytes.size(), SQLITE_STATIC);
    return *this;
  }
  int Step() { return sqlite3_step(m_stmt); }
  int64_t Int(int column) { return sqlite3_column_int64(m_stmt, column); }
  bool IsNull(int column) { return sqlite3_column_type(m_stmt, column) == SQLITE_NULL; }
  // Binds the first id of a key's values at `index` and the first id past them at `index + 1`.
  Statement& BindValueRange(int index, KeyId key) {
    return Bind(index, key << kValueIdBits).Bind(index + 1, (key + 1) << kValueIdBits);
  }
  std::string_view Bytes(int column) {
    auto const* data = static_cast<char const*>(sqlite3_column_blob(m_stmt, column));
    return {data ? data : "", static_cast<size_t>(sqlite3_column_bytes(m_stmt, column))};
  }

 private:
  sqlite3_stmt* m_stmt;
};

Hive::Hive(std::string path) : m_path(std::move(path)) {}

Hive::~Hive() { CloseDatabase(); }

bool Hive::OpenedHere() const { return m_forkGeneration == ForkGeneration(); }

void Hive::CloseDatabase() {
  if (m_db && OpenedHere()) {
    if (m_txOpen) sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
    for (auto& entry : m_statements) sqlite3_finalize(entry.second);
    sqlite3_close_v2(m_db);
  }
  // A connection inherited across fork belongs to the parent: drop it without touching it.
  m_db = nullptr;
  m_statements.clear();
  m_state = State::Closed;
  m_txOpen = false;
}

sqlite3_stmt* Hive::Prepare(char const* sql) {
  for (auto& entry : m_statements)
    if (entry.first == sql) return entry.second;
  sqlite3_stmt* stmt = nullptr;
  if (sqlite3_prepare_v3(m_db, sql, -1, SQLITE_PREPARE_PERSISTENT, &stmt, nullptr) != SQLITE_OK) return nullptr;
  m_statements.emplace_back(sql, stmt);
  return stmt;
}

long Hive::ErrorFrom(int code) {
  if (m_db && m_txOpen && sqlite3_get_autocommit(m_db)) {
    // SQLite rolled the transaction back on its own: the unit of work is lost.
    m_txOpen = false;
    Doom(code);
    ++m_writes;
  }
  long rc = ERROR_BADDB;
  switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED: rc = ERROR_BUSY; break;
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_CANTOPEN:
    case SQLITE_AUTH: rc = ERROR_ACCESS_DENIED; break;
    case SQLITE_CONSTRAINT: return ERROR_KEY_DELETED;  // an answer about a key, not a failure of the store
    case SQLITE_NOMEM: rc = ERROR_NOT_ENOUGH_MEMORY; break;
    case SQLITE_FULL: rc = ERROR_DISK_FULL; break;
    case SQLITE_NOTADB: m_state = State::Damaged; break;
    default: break;
  }
  NoteFailure(rc);
  return rc;
}

void Hive::NoteFailure(long rc) {
  if (m_workDepth > 0 && m_unitFailure == ERROR_SUCCESS) m_unitFailure = rc;
}

long Hive::EnsureOpen(bool forWrite) {
  long const rc = OpenForUse(forWrite);
  // A missing file is an empty hive to a reader, not a failure.
  if (rc != ERROR_SUCCESS && rc != ERROR_FILE_NOT_FOUND) NoteFailure(rc);
  return rc;
}

long Hive::OpenForUse(bool forWrite) {
  if (m_db && !OpenedHere()) {
    CloseDatabase();
    m_workDepth = 0;
  }
  if (m_state == State::Closed) {
    struct stat info {};
    bool const exists = stat(m_path.c_str(), &info) == 0;
    if (!exists && !forWrite) return ERROR_FILE_NOT_FOUND;
    if (!exists && !CreateFolders(FolderOf(m_path), 0700)) return ERROR_ACCESS_DENIED;
    if (long const rc = OpenDatabase(!exists); rc != ERROR_SUCCESS) return rc;
  }
  if (m_state == State::Damaged) return ERROR_BADDB;
  if (forWrite && m_state == State::ReadOnly) return ERROR_ACCESS_DENIED;
  if (m_workDepth > 0 && !m_txOpen) return StartTransaction();
  return ERROR_SUCCESS;
}

long Hive::OpenDatabase(bool create) {
  int const flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0) | SQLITE_OPEN_NOMUTEX;
  int rc = sqlite3_open_v2(m_path.c_str(), &m_db, flags, nullptr);
  State opened = State::Open;
  if (rc != SQLITE_OK && !create) {
    sqlite3_close_v2(m_db);
    m_db = nullptr;
    rc = sqlite3_open_v2(m_path.c_str(), &m_db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr);
    opened = State::ReadOnly;
  }
  if (rc != SQLITE_OK) {
    sqlite3_close_v2(m_db);
    m_db = nullptr;
    return ERROR_ACCESS_DENIED;
  }
  m_forkGeneration = ForkGeneration();
  m_state = opened;
  sqlite3_busy_timeout(m_db, kBusyTimeoutMs);
  sqlite3_extended_result_codes(m_db, 1);
  // Keeping the WAL file when the last connection closes spares every later open a file
  // creation and every close an unlink; it is emptied, not removed, by the final checkpoint.
  int persistWal = 1;
  sqlite3_file_control(m_db, "main", SQLITE_FCNTL_PERSIST_WAL, &persistWal);
  long const schema = PrepareSchema();
  if (schema != ERROR_SUCCESS) {
    State const keep = m_state == State::Damaged ? State::Damaged : State::Closed;
    CloseDatabase();
    m_state = keep;
  }
  return schema;
}

long Hive::PrepareSchema() {
  // Deletions take a key's subtree and values explicitly, and writes check their key once per
  // transaction, which spares every insert a foreign-key lookup.
  sqlite3_db_config(m_db, SQLITE_DBCONFIG_ENABLE_FKEY, 0, nullptr);
  // A kept WAL file is cut back to 4 MiB after a checkpoint, so one big import does not keep its size.
  sqlite3_exec(m_db, "PRAGMA journal_size_limit=4194304", nullptr, nullptr, nullptr);
  int64_t const id = ApplicationId();
  if (id < 0) {
    m_state = State::Damaged;
    return ErrorFrom(sqlite3_errcode(m_db));
  }
  if (id != kApplicationId) {
    // Only an empty file becomes a hive; anybody else's database is left alone.
    if (m_state == State::ReadOnly) {
      m_state = State::Damaged;
      return ERROR_BADDB;
    }
    if (long const rc = MakeHive(); rc != ERROR_SUCCESS) return rc;
    // The journal mode is kept in the file, so a hive is switched to WAL once, when it is made.
    sqlite3_exec(m_db, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr);
  }
  if (long const rc = CheckVersion(); rc != ERROR_SUCCESS) return rc;
  if (m_state == State::Open) sqlite3_exec(m_db, "PRAGMA synchronous=NORMAL", nullptr, nullptr, nullptr);
  return ERROR_SUCCESS;
}

// Lays the schema into an empty file, unless another process did so first.
long Hive::MakeHive() {
  if (sqlite3_exec(m_db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK) return ERROR_BUSY;
  bool ok = ApplicationId() == kApplicationId;
  if (!ok && TableCount() == 0) {
    std::string const init = Schema() + "PRAGMA application_id = " + std::to_string(kApplicationId) + ";";
    ok = sqlite3_exec(m_db, init.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
  }
  if (ok && sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK) return ERROR_SUCCESS;
  sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
  m_state = State::Damaged;
  return ERROR_BADDB;
}

int64_t Hive::TableCount() {
  Statement count(*this, "SELECT count(*) FROM sqlite_master");
  return count && count.Step() == SQLITE_ROW ? count.Int(0) : -1;
}

int64_t Hive::ApplicationId() {
  Statement query(*this, "PRAGMA application_id");
  return query && query.Step() == SQLITE_ROW ? query.Int(0) : -1;
}

int64_t Hive::SchemaVersion() {
  Statement query(*this, "PRAGMA user_version");
  return query && query.Step() == SQLITE_ROW ? query.Int(0) : -1;
}

// A hive of a later build is left alone; one of the first version is brought up to date once,
// by the first process that may write it (a read-only one reads it as it is).
long Hive::CheckVersion() {
  int64_t const version = SchemaVersion();
  m_layout = static_cast<int>(version);
  if (version == kSchemaVersion) return ERROR_SUCCESS;
  if (version != 1) {
    m_state = State::Damaged;
    return ERROR_BADDB;
  }
  if (m_state == State::ReadOnly) return ERROR_SUCCESS;
  if (sqlite3_exec(m_db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK) return ERROR_BUSY;
  bool const ok = SchemaVersion() == kSchemaVersion ||
                  sqlite3_exec(m_db, UpgradeFromVersion1().c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
  if (ok && sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK) {
    m_layout = kSchemaVersion;
    return ERROR_SUCCESS;
  }
  sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
  return ERROR_BUSY;
}

int Hive::Run(char const* sql) {
  Statement statement(*this, sql);
  if (!statement) return sqlite3_errcode(m_db);
  int const rc = statement.Step();
  return rc == SQLITE_DONE || rc == SQLITE_ROW ? SQLITE_OK : rc;
}

void Hive::Doom(long reason) {
  if (m_workDepth == 0 || m_doomed) return;
  m_doomed = true;
  m_doomReason = reason;
}

long Hive::StartTransaction() {
  // A file we may only read still reads inside a writing unit; each write then fails by itself.
  bool const write = m_workWrite && m_state != State::ReadOnly;
  int const rc = Run(write ? kBeginWrite : kBeginRead);
  if (rc != SQLITE_OK) return ErrorFrom(rc);
  m_txOpen = true;
  m_txWrite = write;
  ++m_txSerial;
  return ERROR_SUCCESS;
}

long Hive::FinishTransaction(bool commit) {
  m_txOpen = false;
  if (commit && Run(kCommit) == SQLITE_OK) return ERROR_SUCCESS;
  int const rc = sqlite3_errcode(m_db);
  Run(kRollback);
  ++m_deletes;  // a rolled-back unit may take back keys it made
  ++m_writes;
  return commit ? ErrorFrom(rc) : ERROR_SUCCESS;
}

long Hive::BeginWork(bool write) {
  if (m_workDepth == 0) {
    m_doomed = false;
    m_doomReason = ERROR_SUCCESS;
    m_unitFailure = ERROR_SUCCESS;
    m_workWrite = write;
  } else if (write && !m_workWrite) {
    // A read unit that starts writing takes the write lock now; it has written nothing yet.
    m_workWrite = true;
    if (m_txOpen) FinishTransaction(true);
  }
  ++m_workDepth;
  if (!m_db || !OpenedHere() || m_txOpen) return ERROR_SUCCESS;
  long const rc = StartTransaction();
  if (rc != ERROR_SUCCESS) Doom(rc);
  return rc;
}

long Hive::EndWork(bool commit) {
  if (m_workDepth == 0) return ERROR_INVALID_PARAMETER;
  if (!commit && !m_doomed) {
    m_doomed = true;
    m_doomReason = ERROR_REQUEST_ABORTED;
  }
  if (m_workDepth > 1) {
    --m_workDepth;
    return ERROR_SUCCESS;
  }
  bool const doomed = m_doomed;
  long const rc = m_txOpen && m_db && OpenedHere() ? FinishTransaction(!doomed) : ERROR_SUCCESS;
  long const failure = m_unitFailure;
  m_workDepth = 0;
  if (!commit || failure != ERROR_SUCCESS) return failure;
  return doomed ? m_doomReason : rc;
}

std::pair<uint64_t, int64_t> Hive::Version() {
  if (!m_db || !OpenedHere() || m_txOpen) return {m_writes, 0};
  Statement version(*this, "PRAGMA data_version");
  if (!version || version.Step() != SQLITE_ROW) return {m_writes, -1};
  return {m_writes, version.Int(0)};
}

long Hive::FindKey(KeyId parent, std::string_view folded, KeyId& id) {
  if (long const rc = EnsureOpen(false); rc != ERROR_SUCCESS) return rc;
  Statement find(*this, "SELECT id FROM keys WHERE parent = ?1 AND folded = ?2");
  if (!find) return ErrorFrom(sqlite3_errcode(m_db));
  int const rc = find.Bind(1, parent).Bind(2, folded).Step();
  if (rc == SQLITE_DONE) return ERROR_FILE_NOT_FOUND;
  if (rc != SQLITE_ROW) return ErrorFrom(rc);
  id = find.Int(0);
  return ERROR_SUCCESS;
}

long Hive::CreateKey(KeyId parent, std::string_view name, std::string_view folded, KeyId& id, bool& created) {
  created = false;
  // Opening a key that exists writes nothing, so a hive we may only read still opens it.
  long rc = EnsureOpen(false);
  if (rc == ERROR_SUCCESS) rc = FindKey(parent, folded, id);
  if (rc != ERROR_FILE_NOT_FOUND) return rc;
  if (rc = EnsureOpen(true); rc != ERROR_SUCCESS) return rc;
  if (rc = FindKey(parent, folded, id); rc != ERROR_FILE_NOT_FOUND) return rc;
  if (rc = EnsureKeyAlive(parent); rc != ERROR_SUCCESS) return rc;
  Statement insert(*this, "INSERT INTO keys(parent, name, folded) VALUES(?1, ?2, ?3)");
  if (!insert) return ErrorFrom(sqlite3_errcode(m_db));
  int const step = insert.Bind(1, parent).Bind(2, name).Bind(3, folded).Step();
  if (step != SQLITE_DONE) return ErrorFrom(step);
  id = sqlite3_last_insert_rowid(m_db);
  created = true;
  ++m_writes;
  return ERROR_SUCCESS;
}

long Hive::HasSubkeys(KeyId key, bool& has) {
  has = false;
  if (long const rc = EnsureOpen(false); rc != ERROR_SUCCESS) return rc == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : rc;
  Statement any(*this, "SELECT 1 FROM keys WHERE parent = ?1 LIMIT 1");
  if (!any) return ErrorFrom(sqlite3_errcode(m_db));
  int const rc = any.Bind(1, key).Step();
  if (rc != SQLITE_ROW && rc != SQLITE_DONE) return ErrorFrom(rc);
  has = rc == SQLITE_ROW;
  return ERROR_SUCCESS;
}

long Hive::DeleteKey(KeyId key, bool tree) {
  if (key == kRootKeyId) return ERROR_ACCESS_DENIED;
  if (long const rc = EnsureOpen(true); rc != ERROR_SUCCESS) return rc;
  if (!tree) {
    bool has = false;
    if (long const rc = HasSubkeys(key, has); rc != ERROR_SUCCESS) return rc;
    if (has) return ERROR_ACCESS_DENIED;
  }
  if (long const rc = EnsureKeyAlive(key); rc != ERROR_SUCCESS) return rc;
  return DeleteSubtrees(key, kSubtreeOfKey);
}

long Hive::EmptyKey(KeyId key) {
  if (long const rc = EnsureOpen(true); rc != ERROR_SUCCESS) return rc;
  if (long const rc = DeleteSubtrees(key, kSubtreesBelowKey); rc != ERROR_SUCCESS) return rc;
  Statement vals(*this, "DELETE FROM vals WHERE key = ?1");
  if (!vals) return ErrorFrom(sqlite3_errcode(m_db));
  if (int const rc = vals.Bind(1, key).Step(); rc != SQLITE_DONE) return ErrorFrom(rc);
  return ERROR_SUCCESS;
}

long Hive::DeleteSubtrees(KeyId key, std::string const (&statements)[2]) {
  ++m_writes;
  ++m_deletes;
  for (int table = 0; table < 2; ++table) {
    Statement remove(*this, statements[table].c_str());
    if (!remove) return ErrorFrom(sqlite3_errcode(m_db));
    if (int const rc = remove.Bind(1, key).Step(); rc != SQLITE_DONE) return ErrorFrom(rc);
  }
  return ERROR_SUCCESS;
}

// A write through the handle of a key that another handle deleted must not leave values or
// keys behind that no key owns; the key is looked up once per transaction until a deletion.
long Hive::EnsureKeyAlive(KeyId key) {
  if (m_aliveKey == key && m_aliveTx == m_txSerial && m_aliveDeletes == m_deletes) return ERROR_SUCCESS;
  Statement find(*this, "SELECT 1 FROM keys WHERE id = ?1");
  if (!find) return ErrorFrom(sqlite3_errcode(m_db));
  int const rc = find.Bind(1, key).Step();
  if (rc == SQLITE_DONE) return ERROR_KEY_DELETED;
  if (rc != SQLITE_ROW) return ErrorFrom(rc);
  m_aliveKey = key;
  m_aliveTx = m_txSerial;
  m_aliveDeletes = m_deletes;
  return ERROR_SUCCESS;
}

long Hive::QueryValue(KeyId key, std::string_view folded, unsigned long& type, std::string_view& data) {
  if (long const rc = EnsureOpen(false); rc != ERROR_SUCCESS) return rc;
  // Inside a unit of work the second read of a key takes all its values at once (a session
  // load reads every one of them); a single probe, such as the session mark of each child
  // while a folder is listed, reads just that value.
  bool const probe = m_txOpen && !CacheIsCurrent(key) && m_probedKey != key;
  if (m_txOpen && !probe) {
    if (long const rc = CacheValues(key); rc != ERROR_SUCCESS) return rc;
    KeyValueCache::Entry const* found = m_cachedValues.Find(folded);
    if (!found) return ERROR_FILE_NOT_FOUND;
    type = found->type;
    data = found->data;
    return ERROR_SUCCESS;
  }
  Statement query(*this, "SELECT type, data FROM vals WHERE key = ?1 AND folded = ?2");
  if (!query) return ErrorFrom(sqlite3_errcode(m_db));
  int const rc = query.Bind(1, key).Bind(2, folded).Step();
  if (probe) m_probedKey = key;
  if (rc == SQLITE_DONE) return ERROR_FILE_NOT_FOUND;
  if (rc != SQLITE_ROW) return ErrorFrom(rc);
  type = static_cast<unsigned long>(query.Int(0));
  m_queried.assign(query.Bytes(1));
  data = m_queried;
  return ERROR_SUCCESS;
}

bool Hive::CacheIsCurrent(KeyId key) const {
  return m_txOpen && m_cachedKey == key && m_cachedWrites == m_writes && m_cachedTx == m_txSerial;
}

long Hive::CacheValues(KeyId key) {
  if (CacheIsCurrent(key)) return ERROR_SUCCESS;
  m_cachedKey = 0;
  m_cachedValues.Clear();
  // The key's id range comes in creation order; a first-layout hive's rows are put in order here.
  Statement all(*this, m_layout == 1 ? "SELECT id, name, folded, type, data FROM vals WHERE key = ?1"
                                      : "SELECT id, name, folded, type, data FROM vals WHERE id >= ?2 AND id < ?3");
  if (!all) return ErrorFrom(sqlite3_errcode(m_db));
  all.Bind(1, key).BindValueRange(2, key);
  int rc;
  while ((rc = all.Step()) == SQLITE_ROW) {
    KeyValueCache::Entry& entry = m_cachedValues.Append();
    entry.id = all.Int(0);
    entry.name.assign(all.Bytes(1));
    entry.folded.assign(all.Bytes(2));
    entry.type = static_cast<unsigned long>(all.Int(3));
    entry.data.assign(all.Bytes(4));
  }
  if (rc != SQLITE_DONE) {
    m_cachedValues.Clear();
    return ErrorFrom(rc);
  }
  m_cachedValues.Index();
  m_cachedKey = key;
  m_cachedWrites = m_writes;
  m_cachedTx = m_txSerial;
  return ERROR_SUCCESS;
}

long Hive::SetValue(KeyId key, std::string_view name, std::string_view folded, unsigned long type,
                    unsigned char const* data, size_t size) {
  if (long const rc = EnsureOpen(true); rc != ERROR_SUCCESS) return rc;
  if (m_txOpen && m_txWrite) return WriteValue(key, name, folded, type, data, size);
  // A lone write gets a transaction of its own, so that its id is chosen under the write lock.
  long rc = BeginWork(true);
  if (rc == ERROR_SUCCESS) rc = WriteValue(key, name, folded, type, data, size);
  long const end = EndWork(true);
  return rc != ERROR_SUCCESS ? rc : end;
}

long Hive::WriteValue(KeyId key, std::string_view name, std::string_view folded, unsigned long type,
                      unsigned char const* data, size_t size) {
  if (long const rc = EnsureKeyAlive(key); rc != ERROR_SUCCESS) return rc;
  int64_t id = 0;
  if (long const rc = NextValueId(key, id); rc != ERROR_SUCCESS) return rc;
  Statement upsert(*this, kInsertValue);
  if (!upsert) return ErrorFrom(sqlite3_errcode(m_db));
  std::string_view const bytes(reinterpret_cast<char const*>(data), data ? size : 0);
  int64_t const lastInsert = sqlite3_last_insert_rowid(m_db);
  int const rc = upsert.Bind(1, key).Bind(2, name).Bind(3, folded).Bind(4, static_cast<int64_t>(type)).Bind(5, bytes).Bind(6, id).Step();
  if (rc != SQLITE_DONE) return ErrorFrom(rc);
  // An update leaves the last inserted rowid alone; an insert took the id.
  if (sqlite3_last_insert_rowid(m_db) == id && id != lastInsert) ++m_nextValueId;
  bool const cached = CacheIsCurrent(key);
  ++m_writes;
  if (cached) {
    m_cachedValues.Set(name, folded, type, bytes);
    m_cachedWrites = m_writes;
  }
  return ERROR_SUCCESS;
}

// The id a new value of `key` takes. Within a write transaction nobody else adds values, so
// after one look at the key's range the next ids are counted here.
long Hive::NextValueId(KeyId key, int64_t& id) {
  if (m_nextValueKey == key && m_nextValueTx == m_txSerial) {
    id = m_nextValueId;
    return ERROR_SUCCESS;
  }
  Statement last(*this, "SELECT max(id) FROM vals WHERE id >= ?1 AND id < ?2");
  if (!last) return ErrorFrom(sqlite3_errcode(m_db));
  int const rc = last.BindValueRange(1, key).Step();
  if (rc != SQLITE_ROW) return ErrorFrom(rc);
  id = last.IsNull(0) ? (key << kValueIdBits) + 1 : last.Int(0) + 1;
  if (id >= (key + 1) << kValueIdBits) {
    if (long const renumbered = RenumberValues(key, id); renumbered != ERROR_SUCCESS) return renumbered;
  }
  m_nextValueKey = key;
  m_nextValueTx = m_txSerial;
  m_nextValueId = id;
  return ERROR_SUCCESS;
}

// A key whose values were added and removed until its id range ran out gets its ids again from
// the start of the range, in the same order.
long Hive::RenumberValues(KeyId key, int64_t& next) {
  if (long const rc = CacheValues(key); rc != ERROR_SUCCESS) return rc;
  Statement clear(*this, "DELETE FROM vals WHERE key = ?1");
  if (!clear) return ErrorFrom(sqlite3_errcode(m_db));
  if (int const rc = clear.Bind(1, key).Step(); rc != SQLITE_DONE) return ErrorFrom(rc);
  next = key << kValueIdBits;
  for (size_t i = 0; i < m_cachedValues.Count(); ++i) {
    KeyValueCache::Entry const& entry = m_cachedValues.InOrder(i);
    Statement insert(*this, kInsertValue);
    if (!insert) return ErrorFrom(sqlite3_errcode(m_db));
    int const rc = insert.Bind(1, key).Bind(2, entry.name).Bind(3, entry.folded)
                       .Bind(4, static_cast<int64_t>(entry.type)).Bind(5, entry.data).Bind(6, ++next).Step();
    if (rc != SQLITE_DONE) return ErrorFrom(rc);
  }
  ++next;
  ++m_writes;
  return ERROR_SUCCESS;
}

long Hive::DeleteValue(KeyId key, std::string_view folded) {
  // A missing hive holds no value to delete; do not create its file for that.
  if (long const rc = EnsureOpen(false); rc != ERROR_SUCCESS) return rc;
  if (long const rc = EnsureOpen(true); rc != ERROR_SUCCESS) return rc;
  Statement remove(*this, "DELETE FROM vals WHERE key = ?1 AND folded = ?2");
  if (!remove) return ErrorFrom(sqlite3_errcode(m_db));
  int const rc = remove.Bind(1, key).Bind(2, folded).Step();
  if (rc != SQLITE_DONE) return ErrorFrom(rc);
  if (sqlite3_changes(m_db) == 0) return ERROR_FILE_NOT_FOUND;
  bool const cached = CacheIsCurrent(key);
  ++m_writes;
  if (cached) {
    m_cachedValues.Erase(folded);
    m_cachedWrites = m_writes;
  }
  return ERROR_SUCCESS;
}

long Hive::SubkeyNames(KeyId key, std::vector<std::string>& names) {
  names.clear();
  if (long const rc = EnsureOpen(false); rc != ERROR_SUCCESS) return rc == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : rc;
  Statement list(*this, "SELECT name FROM keys WHERE parent = ?1 ORDER BY folded");
  if (!list) return ErrorFrom(sqlite3_errcode(m_db));
  list.Bind(1, key);
  int rc;
  while ((rc = list.Step()) == SQLITE_ROW) names.emplace_back(list.Bytes(0));
  return rc == SQLITE_DONE ? ERROR_SUCCESS : ErrorFrom(rc);
}

long Hive::ValueNames(KeyId key, std::vector<std::string>& names) {
  names.clear();
  if (long const rc = EnsureOpen(false); rc != ERROR_SUCCESS) return rc == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : rc;
  // Inside a unit of work the names come with the values: whoever lists a key's values reads them next.
  if (m_txOpen) {
    if (long const rc = CacheValues(key); rc != ERROR_SUCCESS) return rc;
    m_cachedValues.Names(names);
    return ERROR_SUCCESS;
  }
  Statement list(*this, m_layout == 1 ? "SELECT name FROM vals WHERE key = ?1 ORDER BY id"
                                       : "SELECT name FROM vals WHERE id >= ?2 AND id < ?3 ORDER BY id");
  if (!list) return ErrorFrom(sqlite3_errcode(m_db));
  list.Bind(1, key).BindValueRange(2, key);
  int rc;
  while ((rc = list.Step()) == SQLITE_ROW) names.emplace_back(list.Bytes(0));
  return rc == SQLITE_DONE ? ERROR_SUCCESS : ErrorFrom(rc);
}

long Hive::MaxValueSize(KeyId key, unsigned long& size) {
  size = 0;
  if (long const rc = EnsureOpen(false); rc != ERROR_SUCCESS) return rc == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : rc;
  Statement longest(*this, "SELECT coalesce(max(length(data)), 0) FROM vals WHERE key = ?1");
  if (!longest) return ErrorFrom(sqlite3_errcode(m_db));
  int const rc = longest.Bind(1, key).Step();
  if (rc != SQLITE_ROW) return ErrorFrom(rc);
  size = static_cast<unsigned long>(longest.Int(0));
  return ERROR_SUCCESS;
}

long Hive::ReadSubtree(KeyId key, unsigned long depth, std::vector<std::string> const& folded,
                       std::vector<RegSubtreeKey>& keys) {
  keys.clear();
  if (folded.size() > kSubtreeValues) return ERROR_INVALID_PARAMETER;
  if (long const rc = EnsureOpen(false); rc != ERROR_SUCCESS) return rc == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : rc;
  Statement subtree(*this, kSubtree);
  if (!subtree) return ErrorFrom(sqlite3_errcode(m_db));
  subtree.Bind(1, key).Bind(2, static_cast<int64_t>(std::min<unsigned long>(depth, 1UL << 30)));
  for (size_t i = 0; i < folded.size(); ++i) subtree.Bind(static_cast<int>(3 + i), folded[i]);
  std::unordered_map<KeyId, size_t> indexOf;
  KeyId last = 0;
  int rc;
  while ((rc = subtree.Step()) == SQLITE_ROW) {
    KeyId const id = subtree.Int(0);
    if (keys.empty() || id != last) {
      RegSubtreeKey& added = keys.emplace_back();
      auto const parent = indexOf.find(subtree.Int(1));
      if (parent != indexOf.end()) added.parent = parent->second;
      added.name.assign(subtree.Bytes(2));
      added.values.resize(folded.size());
      indexOf.emplace(id, keys.size() - 1);
      last = id;
    }
    if (subtree.IsNull(3)) continue;
    std::string_view const name = subtree.Bytes(3);
    for (size_t i = 0; i < folded.size(); ++i) {
      if (folded[i] != name) continue;
      RegSubtreeKey::Value& value = keys.back().values[i];
      value.found = true;
      value.type = static_cast<unsigned long>(subtree.Int(4));
      value.data.assign(subtree.Bytes(5));
    }
  }
  if (rc != SQLITE_DONE) {
    keys.clear();
    return ErrorFrom(rc);
  }
  return ERROR_SUCCESS;
}
