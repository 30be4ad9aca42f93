#include "platform/registry/Hive.h"

#include <pthread.h>
#include <sys/stat.h>

#include <algorithm>
#include <atomic>

#include "platform/registry/HiveLocations.h"
#include "platform/types/FileConstants.h"
#include "platform/types/WinTypes.h"

namespace {

constexpr int kApplicationId = 0x42564852;  // "BVHR": marks a file as one of our hives
constexpr int kBusyTimeoutMs = 10000;

constexpr int kSchemaVersion = 4;

// Keys are kept in listing order: a key's children are one range of the table, found and read
// with their names and ids without a second lookup; the root has parent 0. Ids stay as they
// were (values refer to them) and are found through their own index.
constexpr char const* kKeyTable =
    "CREATE TABLE keys(parent INTEGER NOT NULL, folded BLOB NOT NULL, name BLOB NOT NULL, id INTEGER NOT NULL,"
    " PRIMARY KEY(parent, folded)) WITHOUT ROWID;"
    "CREATE UNIQUE INDEX keys_by_id ON keys(id);";

// Values name their value by number: each name is kept once, in `names`, with the spelling it
// was first given; a value spelt otherwise keeps its own spelling. A key's values are one range
// of `vals`, found by (key, name) and put in creation order by `ord`; a key with values always
// has one at place 1. A key's first value often says what the key is (a session's mark), so
// first values have an index of their own: reading them for a whole subtree is one ordered scan
// of a small index, and a key missing from it has no values at all.
constexpr char const* kValueTables =
    "CREATE TABLE names(id INTEGER PRIMARY KEY, folded BLOB NOT NULL UNIQUE, name BLOB NOT NULL);"
    "CREATE TABLE vals(key INTEGER NOT NULL, name INTEGER NOT NULL, ord INTEGER NOT NULL, type INTEGER NOT NULL,"
    " data BLOB NOT NULL, spelling BLOB, PRIMARY KEY(key, name)) WITHOUT ROWID;";
// Holding every column a read of it needs (`ord` too), the index answers without the table.
constexpr char const* kFirstValues = "CREATE INDEX vals_first ON vals(key, name, type, data, ord) WHERE ord = 1;";

std::string SchemaVersionIs(int version) { return "PRAGMA user_version = " + std::to_string(version) + ";"; }

std::string Schema() {
  return std::string(kKeyTable) + kValueTables + kFirstValues +
         "INSERT INTO keys(parent, folded, name, id) VALUES(0, x'', x'', 1);" + SchemaVersionIs(kSchemaVersion);
}

// The first two layouts kept each value's names beside it (`old` is their vals table); a key's
// values keep their order, numbered from 1.
std::string OldNames(char const* table, char const* from) {
  return std::string("INSERT OR IGNORE INTO ") + table + "(folded, name) SELECT folded, name FROM " + from +
         " ORDER BY id;";
}

std::string UpgradeValues() {
  return std::string("ALTER TABLE vals RENAME TO old;") + kValueTables + OldNames("names", "old") +
         "INSERT INTO vals(key, name, ord, type, data, spelling) SELECT old.key, names.id,"
         " row_number() OVER (PARTITION BY old.key ORDER BY old.id), old.type, old.data,"
         " CASE WHEN old.name = names.name THEN NULL ELSE old.name END"
         " FROM old JOIN names ON names.folded = old.folded ORDER BY old.key, names.id;"
         "DROP TABLE old;" +
         kFirstValues;
}

// The first three layouts kept keys by id, with an index of (parent, folded) beside them; the
// table goes, and its indexes with it.
std::string UpgradeKeys() {
  return std::string("ALTER TABLE keys RENAME TO old;") + kKeyTable +
         "INSERT INTO keys(parent, folded, name, id) SELECT coalesce(parent, 0), folded, name, id FROM old;"
         "DROP TABLE old;";
}

// The upgrade from `version` to the present layout, run in one transaction.
std::string UpgradeFrom(int64_t version) {
  return (version < 3 ? UpgradeValues() : std::string()) + UpgradeKeys() + SchemaVersionIs(kSchemaVersion);
}

// A process that may only read an old hive sees it through the new shape, built in its own
// temporary schema (which shadows the file's tables of the same name).
std::string OldLayoutView() {
  return "CREATE TEMP TABLE names(id INTEGER PRIMARY KEY, folded BLOB NOT NULL UNIQUE, name BLOB NOT NULL);" +
         OldNames("temp.names", "main.vals") +
         "CREATE TEMP VIEW vals AS SELECT old.key AS key, names.id AS name, old.id AS ord, old.type AS type,"
         " old.data AS data, CASE WHEN old.name = names.name THEN NULL ELSE old.name END AS spelling"
         " FROM main.vals AS old JOIN temp.names AS names ON names.folded = old.folded;";
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

// Answers the stored row's place: ?3 when the value is new.
// A value is changed in place, else added: two plain statements, since an upsert that returns
// whether it added needs a temporary table for every write.
char const* const kUpdateValue = "UPDATE vals SET type = ?3, data = ?4 WHERE key = ?1 AND name = ?2";
char const* const kInsertValue =
    "INSERT INTO vals(key, name, ord, type, data, spelling) VALUES(?1, ?2, ?3, ?4, ?5, ?6)";

// A key's values, and the same with their names for a process that does not know them all yet.
char const* const kValues = "SELECT name, ord, type, data, spelling FROM vals WHERE key = ?1";
char const* const kValuesWithNames =
    "SELECT vals.name, vals.ord, vals.type, vals.data, vals.spelling, names.name, names.folded FROM vals"
    " LEFT JOIN names ON names.id = vals.name WHERE vals.key = ?1";

// A subtree breadth first: the queue takes each key's children in folded-name order (the
// listing index).
char const* const kSubtree =
    "WITH RECURSIVE tree(id, depth) AS (SELECT ?1, 0 UNION ALL SELECT keys.id, tree.depth + 1"
    " FROM tree JOIN keys ON keys.parent = tree.id WHERE tree.depth < ?2)"
    " SELECT keys.id, keys.parent, keys.name, keys.folded FROM tree JOIN keys ON keys.id = tree.id";
// A subtree holding more than this share of the hive's keys has the first values of a name
// scanned (an ordered read of the whole index); a smaller one looks them up key by key.
constexpr int64_t kScanShare = 8;

// Name numbers start at 1: this one stands for a name no key holds.
constexpr int64_t kNoName = 0;

// Whether an asked value applies to a key of this folded name (asked of every key, or of its name).
bool AskedOf(RegSubtreeKey::Wanted const& wanted, std::string_view keyFolded) {
  return wanted.keyName.empty() || wanted.keyName == keyFolded;
}

void Take(RegSubtreeKey::Value& value, unsigned long type, std::string_view data) {
  value.found = true;
  value.type = type;
  value.data.assign(data);
}

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
  m_names.Clear();
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
    m_names.Clear();
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
  // Room for everything a listing reads of a hive of 100,000 sessions (the keys, their index and
  // the first-value index: about 9 MB) beside the upper levels of the values; pages are taken
  // only as they are read, so a small hive costs no more.
  sqlite3_exec(m_db, "PRAGMA cache_size=-32768", nullptr, nullptr, nullptr);
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

// A hive of a later build is left alone; one of an older layout is brought up to date once, in
// one transaction, by the first process that may write it (one that may only read it reads it
// through the new shape).
long Hive::CheckVersion() {
  int64_t const version = SchemaVersion();
  m_layout = static_cast<int>(version);
  if (version == kSchemaVersion) return ERROR_SUCCESS;
  if (version < 1 || version > kSchemaVersion) {
    m_state = State::Damaged;
    return ERROR_BADDB;
  }
  // A file the system lets us only read opens "writable" but refuses every write.
  if (m_state == State::ReadOnly || sqlite3_db_readonly(m_db, "main") == 1) return ReadOldLayout();
  if (sqlite3_exec(m_db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK) return ERROR_BUSY;
  // Another process may have upgraded it since our first look.
  int64_t const current = SchemaVersion();
  bool const older = current >= 1 && current < kSchemaVersion;
  bool const ok = current == kSchemaVersion ||
                  (older && sqlite3_exec(m_db, UpgradeFrom(current).c_str(), nullptr, nullptr, nullptr) == SQLITE_OK);
  if (ok && sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK) {
    m_layout = kSchemaVersion;
    // The old tables' pages go back to the file system; a hive that cannot be vacuumed now
    // (another process reading it) keeps them for its next writes.
    sqlite3_exec(m_db, "VACUUM", nullptr, nullptr, nullptr);
    return ERROR_SUCCESS;
  }
  sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
  return ERROR_BUSY;
}

// The third layout reads through the same statements as this one; the first two need their
// values seen in the new shape.
long Hive::ReadOldLayout() {
  if (m_layout == 3 || sqlite3_exec(m_db, OldLayoutView().c_str(), nullptr, nullptr, nullptr) == SQLITE_OK) {
    m_state = State::ReadOnly;
    return ERROR_SUCCESS;
  }
  m_state = State::Damaged;
  return ERROR_BADDB;
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
  m_names.Clear();  // and names it added
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
  if (KeyId const* known = FoundBefore(parent, folded)) {
    id = *known;
    return ERROR_SUCCESS;
  }
  Statement find(*this, "SELECT id FROM keys WHERE parent = ?1 AND folded = ?2");
  if (!find) return ErrorFrom(sqlite3_errcode(m_db));
  int const rc = find.Bind(1, parent).Bind(2, folded).Step();
  if (rc == SQLITE_DONE) return ERROR_FILE_NOT_FOUND;
  if (rc != SQLITE_ROW) return ErrorFrom(rc);
  id = find.Int(0);
  RememberFound(parent, folded, id);
  return ERROR_SUCCESS;
}

KeyId const* Hive::FoundBefore(KeyId parent, std::string_view folded) {
  if (!m_txOpen) return nullptr;
  if (m_foundTx != m_txSerial || m_foundDeletes != m_deletes) {
    for (FoundKey& found : m_found) found.id = 0;
    m_foundTx = m_txSerial;
    m_foundDeletes = m_deletes;
    return nullptr;
  }
  for (FoundKey const& found : m_found)
    if (found.id != 0 && found.parent == parent && found.folded == folded) return &found.id;
  return nullptr;
}

void Hive::RememberFound(KeyId parent, std::string_view folded, KeyId id) {
  if (!m_txOpen || m_foundTx != m_txSerial || m_foundDeletes != m_deletes) return;
  FoundKey& slot = m_found[m_foundNext];
  m_foundNext = (m_foundNext + 1) % kFoundKeys;
  slot.parent = parent;
  slot.folded.assign(folded);
  slot.id = id;
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
  // A new key takes the number after the highest, as a rowid would.
  Statement insert(*this, "INSERT INTO keys(parent, folded, name, id)"
                          " VALUES(?1, ?2, ?3, (SELECT coalesce(max(id), 0) + 1 FROM keys)) RETURNING id");
  if (!insert) return ErrorFrom(sqlite3_errcode(m_db));
  int step = insert.Bind(1, parent).Bind(2, folded).Bind(3, name).Step();
  if (step != SQLITE_ROW) return ErrorFrom(step);
  id = insert.Int(0);
  if ((step = insert.Step()) != SQLITE_DONE) return ErrorFrom(step);
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

long Hive::NameIdOf(std::string_view folded, int64_t& id) {
  if (int64_t const* known = m_names.IdOf(folded)) {
    id = *known;
    return ERROR_SUCCESS;
  }
  if (m_txOpen && m_txWrite) {
    // Once caught up within the transaction, a name unknown here is new to the hive.
    if (m_namesTx == m_txSerial) return ERROR_FILE_NOT_FOUND;
    if (long const rc = CatchUpNames(); rc != ERROR_SUCCESS) return rc;
    int64_t const* known = m_names.IdOf(folded);
    if (!known) return ERROR_FILE_NOT_FOUND;
    id = *known;
    return ERROR_SUCCESS;
  }
  Statement find(*this, "SELECT id, name FROM names WHERE folded = ?1");
  if (!find) return ErrorFrom(sqlite3_errcode(m_db));
  int const rc = find.Bind(1, folded).Step();
  if (rc == SQLITE_DONE) return ERROR_FILE_NOT_FOUND;
  if (rc != SQLITE_ROW) return ErrorFrom(rc);
  id = find.Int(0);
  m_names.Add(id, find.Bytes(1), folded);
  return ERROR_SUCCESS;
}

// Names are numbered as they are added and never taken back by a committed unit, so the ones
// others added since our last look are those numbered above what we know: one read, once per
// writing transaction, after which a new name needs no lookup.
long Hive::CatchUpNames() {
  Statement added(*this, "SELECT id, name, folded FROM names WHERE id > ?1 ORDER BY id");
  if (!added) return ErrorFrom(sqlite3_errcode(m_db));
  int64_t last = m_names.KnownThrough();
  added.Bind(1, last);
  int rc;
  while ((rc = added.Step()) == SQLITE_ROW) {
    last = added.Int(0);
    m_names.Add(last, added.Bytes(1), added.Bytes(2));
  }
  if (rc != SQLITE_DONE) return ErrorFrom(rc);
  m_names.SetKnownThrough(last);
  m_namesTx = m_txSerial;
  return ERROR_SUCCESS;
}

long Hive::AddName(std::string_view name, std::string_view folded, int64_t& id, bool& added) {
  added = false;
  long rc = NameIdOf(folded, id);
  if (rc != ERROR_FILE_NOT_FOUND) return rc;
  Statement insert(*this, "INSERT INTO names(folded, name) VALUES(?1, ?2)");
  if (!insert) return ErrorFrom(sqlite3_errcode(m_db));
  if (int const step = insert.Bind(1, folded).Bind(2, name).Step(); step != SQLITE_DONE) return ErrorFrom(step);
  id = sqlite3_last_insert_rowid(m_db);
  m_names.Add(id, name, folded);
  // Under the write lock nobody else numbers names: what we knew in full still is.
  if (m_namesTx == m_txSerial && id == m_names.KnownThrough() + 1) m_names.SetKnownThrough(id);
  added = true;
  return ERROR_SUCCESS;
}

long Hive::QueryValue(KeyId key, std::string_view folded, unsigned long& type, std::string_view& data) {
  if (long const rc = EnsureOpen(false); rc != ERROR_SUCCESS) return rc;
  // Inside a unit of work the second read of a key takes all its values at once (a session
  // load reads every one of them); a single probe reads just that value.
  bool const probe = m_txOpen && !CacheIsCurrent(key) && m_probedKey != key;
  if (m_txOpen && !probe) {
    if (long const rc = CacheValues(key); rc != ERROR_SUCCESS) return rc;
    KeyValueCache::Entry const* found = m_cachedValues.Find(folded);
    if (!found) return ERROR_FILE_NOT_FOUND;
    type = found->type;
    data = found->data;
    return ERROR_SUCCESS;
  }
  if (probe) m_probedKey = key;
  int64_t name = 0;
  if (long const rc = NameIdOf(folded, name); rc != ERROR_SUCCESS) return rc;
  Statement query(*this, "SELECT type, data FROM vals WHERE key = ?1 AND name = ?2");
  if (!query) return ErrorFrom(sqlite3_errcode(m_db));
  int const rc = query.Bind(1, key).Bind(2, name).Step();
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
  long rc = LoadValues(key, false);
  if (rc == ERROR_FILE_NOT_FOUND) rc = LoadValues(key, true);
  if (rc != ERROR_SUCCESS) {
    m_cachedValues.Clear();
    return rc;
  }
  m_cachedValues.Index();
  m_cachedKey = key;
  m_cachedWrites = m_writes;
  m_cachedTx = m_txSerial;
  return ERROR_SUCCESS;
}

// The values of `key` named from the names known here; ERROR_FILE_NOT_FOUND when one is not
// known, unless `withNames`, which reads the names in the same query (a process's first loads).
long Hive::LoadValues(KeyId key, bool withNames) {
  m_cachedValues.Clear();
  Statement all(*this, withNames ? kValuesWithNames : kValues);
  if (!all) return ErrorFrom(sqlite3_errcode(m_db));
  all.Bind(1, key);
  int rc;
  while ((rc = all.Step()) == SQLITE_ROW) {
    int64_t const id = all.Int(0);
    ValueNameTable::Name const* name = m_names.Find(id);
    if (!name && withNames && !all.IsNull(5)) {
      m_names.Add(id, all.Bytes(5), all.Bytes(6));
      name = m_names.Find(id);
    }
    if (!name) return withNames ? ErrorFrom(SQLITE_CORRUPT) : ERROR_FILE_NOT_FOUND;
    KeyValueCache::Entry& entry = m_cachedValues.Append();
    entry.id = all.Int(1);
    entry.name.assign(all.IsNull(4) ? std::string_view(name->name) : all.Bytes(4));
    entry.folded.assign(name->folded);
    entry.type = static_cast<unsigned long>(all.Int(2));
    entry.data.assign(all.Bytes(3));
  }
  return rc == SQLITE_DONE ? ERROR_SUCCESS : ErrorFrom(rc);
}

long Hive::SetValue(KeyId key, std::string_view name, std::string_view folded, unsigned long type,
                    unsigned char const* data, size_t size) {
  if (long const rc = EnsureOpen(true); rc != ERROR_SUCCESS) return rc;
  if (m_txOpen && m_txWrite) return WriteValue(key, name, folded, type, data, size);
  // A lone write gets a transaction of its own, so that its place is chosen under the write lock.
  long rc = BeginWork(true);
  if (rc == ERROR_SUCCESS) rc = WriteValue(key, name, folded, type, data, size);
  long const end = EndWork(true);
  return rc != ERROR_SUCCESS ? rc : end;
}

long Hive::WriteValue(KeyId key, std::string_view name, std::string_view folded, unsigned long type,
                      unsigned char const* data, size_t size) {
  if (long const rc = EnsureKeyAlive(key); rc != ERROR_SUCCESS) return rc;
  int64_t nameId = 0;
  bool newName = false;
  if (long const rc = AddName(name, folded, nameId, newName); rc != ERROR_SUCCESS) return rc;
  int64_t ord = 0;
  if (long const rc = NextOrd(key, ord); rc != ERROR_SUCCESS) return rc;
  ValueNameTable::Name const* known = m_names.Find(nameId);
  std::string_view const bytes(reinterpret_cast<char const*>(data), data ? size : 0);
  int rc = SQLITE_DONE;
  // No value can hold a name the hive did not know yet.
  if (!newName) {
    Statement update(*this, kUpdateValue);
    if (!update) return ErrorFrom(sqlite3_errcode(m_db));
    rc = update.Bind(1, key).Bind(2, nameId).Bind(3, static_cast<int64_t>(type)).Bind(4, bytes).Step();
    if (rc != SQLITE_DONE) return ErrorFrom(rc);
  }
  if (newName || sqlite3_changes(m_db) == 0) {
    Statement insert(*this, kInsertValue);
    if (!insert) return ErrorFrom(sqlite3_errcode(m_db));
    insert.Bind(1, key).Bind(2, nameId).Bind(3, ord).Bind(4, static_cast<int64_t>(type)).Bind(5, bytes);
    if (known && known->name != name) insert.Bind(6, name);
    if ((rc = insert.Step()) != SQLITE_DONE) return ErrorFrom(rc);
    ++m_nextOrd;
  }
  bool const cached = CacheIsCurrent(key);
  ++m_writes;
  if (cached) {
    m_cachedValues.Set(name, folded, type, bytes);
    m_cachedWrites = m_writes;
  }
  return ERROR_SUCCESS;
}

// The place a new value of `key` takes. Within a write transaction nobody else adds values, so
// after one look at the key's values the next places are counted here, until a deletion (a
// deleted key's id can come back as a new key's).
long Hive::NextOrd(KeyId key, int64_t& ord) {
  if (m_nextOrdKey == key && m_nextOrdTx == m_txSerial && m_nextOrdDeletes == m_deletes) {
    ord = m_nextOrd;
    return ERROR_SUCCESS;
  }
  Statement last(*this, "SELECT coalesce(max(ord), 0) FROM vals WHERE key = ?1");
  if (!last) return ErrorFrom(sqlite3_errcode(m_db));
  int const rc = last.Bind(1, key).Step();
  if (rc != SQLITE_ROW) return ErrorFrom(rc);
  ord = last.Int(0) + 1;
  m_nextOrdKey = key;
  m_nextOrdTx = m_txSerial;
  m_nextOrdDeletes = m_deletes;
  m_nextOrd = ord;
  return ERROR_SUCCESS;
}

long Hive::DeleteValue(KeyId key, std::string_view folded) {
  // A missing hive holds no value to delete; do not create its file for that.
  if (long const rc = EnsureOpen(false); rc != ERROR_SUCCESS) return rc;
  if (long const rc = EnsureOpen(true); rc != ERROR_SUCCESS) return rc;
  int64_t name = 0;
  if (long const rc = NameIdOf(folded, name); rc != ERROR_SUCCESS) return rc;
  Statement remove(*this, "DELETE FROM vals WHERE key = ?1 AND name = ?2 RETURNING ord");
  if (!remove) return ErrorFrom(sqlite3_errcode(m_db));
  int rc = remove.Bind(1, key).Bind(2, name).Step();
  if (rc == SQLITE_DONE) return ERROR_FILE_NOT_FOUND;
  if (rc != SQLITE_ROW) return ErrorFrom(rc);
  bool const wasFirst = remove.Int(0) == 1;
  if ((rc = remove.Step()) != SQLITE_DONE) return ErrorFrom(rc);
  if (wasFirst) {
    // The next value takes the first place, which keeps the order and the first-value index whole.
    Statement promote(*this, "UPDATE vals SET ord = 1 WHERE key = ?1 AND name ="
                             " (SELECT name FROM vals WHERE key = ?1 ORDER BY ord LIMIT 1)");
    if (!promote) return ErrorFrom(sqlite3_errcode(m_db));
    if ((rc = promote.Bind(1, key).Step()) != SQLITE_DONE) return ErrorFrom(rc);
  }
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
  // Outside a unit of work the values are read for their names alone, in one transaction.
  bool const own = !m_txOpen;
  long rc = own ? BeginWork(false) : ERROR_SUCCESS;
  if (rc == ERROR_SUCCESS) rc = CacheValues(key);
  if (rc == ERROR_SUCCESS) m_cachedValues.Names(names);
  if (own) EndWork(rc == ERROR_SUCCESS);
  return rc;
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

long Hive::ReadSubtree(KeyId key, unsigned long depth, std::vector<RegSubtreeKey::Wanted> const& folded,
                       std::vector<RegSubtreeKey>& keys) {
  keys.clear();
  if (folded.size() > kSubtreeValues) return ERROR_INVALID_PARAMETER;
  if (long const rc = EnsureOpen(false); rc != ERROR_SUCCESS) return rc == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : rc;
  // One read transaction, so that the keys and their values are of one moment.
  bool const own = !m_txOpen;
  long rc = own ? BeginWork(false) : ERROR_SUCCESS;
  std::vector<int64_t> names;
  if (rc == ERROR_SUCCESS) rc = NameIdsOf(folded, names);
  bool const indexed = m_layout >= 3;  // with the first-value index
  if (rc == ERROR_SUCCESS)
    rc = indexed && depth <= 1 ? ReadChildren(key, depth, folded, names, keys) : ReadDeep(key, depth, folded, names, keys);
  if (own) EndWork(rc == ERROR_SUCCESS);
  if (rc != ERROR_SUCCESS) keys.clear();
  return rc;
}

long Hive::NameIdsOf(std::vector<RegSubtreeKey::Wanted> const& folded, std::vector<int64_t>& names) {
  names.assign(folded.size(), kNoName);
  for (size_t slot = 0; slot < folded.size(); ++slot)
    if (long const rc = NameIdOf(folded[slot].valueName, names[slot]); rc != ERROR_SUCCESS && rc != ERROR_FILE_NOT_FOUND)
      return rc;
  return ERROR_SUCCESS;
}

// The keys first, then their first values, then each asked value that is not a key's first.
long Hive::ReadDeep(KeyId key, unsigned long depth, std::vector<RegSubtreeKey::Wanted> const& folded,
                    std::vector<int64_t> const& names, std::vector<RegSubtreeKey>& keys) {
  std::vector<KeyId> ids;
  std::vector<std::string> keyFolded;
  long rc = ReadSubtreeKeys(key, depth, keys, ids, keyFolded);
  for (RegSubtreeKey& read : keys) read.values.resize(folded.size());
  bool const indexed = m_layout >= 3;
  std::vector<size_t> byId;  // the keys in id order, the order of the hive's indexes
  std::vector<FirstValue> first;
  int64_t lastId = 0;
  if (rc == ERROR_SUCCESS && indexed) {
    byId.resize(ids.size());
    for (size_t i = 0; i < ids.size(); ++i) byId[i] = i;
    std::sort(byId.begin(), byId.end(), [&ids](size_t a, size_t b) { return ids[a] < ids[b]; });
    rc = ReadFirstValues(ids, byId, first, lastId);
  }
  for (size_t slot = 0; slot < folded.size() && rc == ERROR_SUCCESS; ++slot) {
    if (names[slot] == kNoName) continue;
    std::vector<char> own(keys.size());  // the keys whose value is not their first
    size_t owned = 0;
    for (size_t i = 0; i < keys.size(); ++i) {
      if (!AskedOf(folded[slot], keyFolded[i]) || (indexed && !first[i].has)) continue;
      if (indexed && first[i].name == names[slot]) {
        Take(keys[i].values[slot], first[i].type, first[i].data);
      } else {
        own[i] = 1;
        ++owned;
      }
    }
    // Many at once come from one statement (on the layout with keys by id), a few key by key.
    if (m_layout >= 4 && static_cast<int64_t>(owned) * kScanShare > lastId) {
      rc = ReadValueOfKeys(names[slot], ids, byId, own, slot, keys);
      continue;
    }
    for (size_t i = 0; i < keys.size() && rc == ERROR_SUCCESS; ++i)
      if (own[i]) rc = ReadValue(ids[i], names[slot], keys[i].values[slot]);
  }
  return rc;
}

long Hive::ReadSubtreeKeys(KeyId key, unsigned long depth, std::vector<RegSubtreeKey>& keys, std::vector<KeyId>& ids,
                           std::vector<std::string>& folded) {
  if (depth > 1) return ReadDeepSubtreeKeys(key, depth, keys, ids, folded);
  Statement subtree(*this, kSubtree);
  if (!subtree) return ErrorFrom(sqlite3_errcode(m_db));
  subtree.Bind(1, key).Bind(2, static_cast<int64_t>(depth));
  int rc;
  while ((rc = subtree.Step()) == SQLITE_ROW) {
    RegSubtreeKey& added = keys.emplace_back();
    if (keys.size() > 1) added.parent = 0;
    added.name.assign(subtree.Bytes(2));
    ids.push_back(subtree.Int(0));
    folded.emplace_back(subtree.Bytes(3));
  }
  return rc == SQLITE_DONE ? ERROR_SUCCESS : ErrorFrom(rc);
}

// A deep subtree (in practice most of its hive) from one ordered read of every key, children
// grouped under their parent in folded-name order, walked breadth first here: cheaper than a
// recursive query that looks up each key's children by itself.
long Hive::ReadDeepSubtreeKeys(KeyId key, unsigned long depth, std::vector<RegSubtreeKey>& keys,
                               std::vector<KeyId>& ids, std::vector<std::string>& folded) {
  Statement top(*this, "SELECT name, folded FROM keys WHERE id = ?1");
  if (!top) return ErrorFrom(sqlite3_errcode(m_db));
  int rc = top.Bind(1, key).Step();
  if (rc == SQLITE_DONE) return ERROR_SUCCESS;
  if (rc != SQLITE_ROW) return ErrorFrom(rc);
  struct Row {
    KeyId id;
    std::string name;
    std::string folded;
  };
  std::vector<Row> rows;
  // Each parent's children are one run of rows; the runs come in ascending parent order.
  struct Run {
    KeyId parent;
    size_t first;
    size_t count;
  };
  std::vector<Run> runs;
  Statement all(*this, "SELECT parent, id, name, folded FROM keys WHERE id <> 1 ORDER BY parent, folded");
  if (!all) return ErrorFrom(sqlite3_errcode(m_db));
  while ((rc = all.Step()) == SQLITE_ROW) {
    KeyId const parent = all.Int(0);
    if (runs.empty() || runs.back().parent != parent) runs.push_back(Run{parent, rows.size(), 0});
    ++runs.back().count;
    rows.push_back(Row{all.Int(1), std::string(all.Bytes(2)), std::string(all.Bytes(3))});
  }
  if (rc != SQLITE_DONE) return ErrorFrom(rc);
  auto const childrenOf = [&runs](KeyId parent) {
    auto const found = std::lower_bound(runs.begin(), runs.end(), parent,
                                        [](Run const& run, KeyId id) { return run.parent < id; });
    return found != runs.end() && found->parent == parent ? &*found : nullptr;
  };
  // At most every key read and the top one: no list grows by steps.
  keys.reserve(rows.size() + 1);
  ids.reserve(rows.size() + 1);
  folded.reserve(rows.size() + 1);
  keys.emplace_back().name.assign(top.Bytes(0));
  ids.push_back(key);
  folded.emplace_back(top.Bytes(1));
  std::vector<unsigned long> levels{0};
  for (size_t next = 0; next < ids.size(); ++next) {
    Run const* children = levels[next] < depth ? childrenOf(ids[next]) : nullptr;
    if (!children) continue;
    for (size_t row = children->first; row < children->first + children->count; ++row) {
      RegSubtreeKey& added = keys.emplace_back();
      added.parent = next;
      added.name = std::move(rows[row].name);
      ids.push_back(rows[row].id);
      folded.push_back(std::move(rows[row].folded));
      levels.push_back(levels[next] + 1);
    }
  }
  return ERROR_SUCCESS;
}

// A key and its children, each with its first value, in two queries: the children's first
// values join them from the index inside one statement. An asked value that is not a key's
// first is looked up by itself once both are read.
long Hive::ReadChildren(KeyId key, unsigned long depth, std::vector<RegSubtreeKey::Wanted> const& folded,
                        std::vector<int64_t> const& names, std::vector<RegSubtreeKey>& keys) {
  struct Own {
    size_t key;
    size_t slot;
    KeyId id;
  };
  std::vector<Own> own;
  auto add = [&](Statement& row, KeyId id) {
    size_t const index = keys.size();
    RegSubtreeKey& added = keys.emplace_back();
    if (index > 0) added.parent = 0;
    added.name.assign(row.Bytes(0));
    added.values.resize(folded.size());
    if (row.IsNull(2)) return;  // a key without values
    std::string_view const keyFolded = row.Bytes(1);
    int64_t const first = row.Int(2);
    for (size_t slot = 0; slot < folded.size(); ++slot) {
      if (names[slot] == kNoName || !AskedOf(folded[slot], keyFolded)) continue;
      if (names[slot] == first) Take(added.values[slot], static_cast<unsigned long>(row.Int(3)), row.Bytes(4));
      else own.push_back(Own{index, slot, id});
    }
  };
  {
    Statement top(*this, "SELECT keys.name, keys.folded, vals.name, vals.type, vals.data FROM keys"
                         " LEFT JOIN vals INDEXED BY vals_first ON vals.key = keys.id AND vals.ord = 1 WHERE keys.id = ?1");
    Statement children(*this, "SELECT keys.name, keys.folded, vals.name, vals.type, vals.data, keys.id FROM keys"
                              " LEFT JOIN vals INDEXED BY vals_first ON vals.key = keys.id AND vals.ord = 1"
                              " WHERE keys.parent = ?1 ORDER BY keys.folded");
    if (!top || !children) return ErrorFrom(sqlite3_errcode(m_db));
    int rc = top.Bind(1, key).Step();
    if (rc == SQLITE_DONE) return ERROR_SUCCESS;
    if (rc != SQLITE_ROW) return ErrorFrom(rc);
    add(top, key);
    if (depth > 0) {
      children.Bind(1, key);
      while ((rc = children.Step()) == SQLITE_ROW) add(children, children.Int(5));
      if (rc != SQLITE_DONE) return ErrorFrom(rc);
    }
  }
  for (Own const& value : own)
    if (long const rc = ReadValue(value.id, names[value.slot], keys[value.key].values[value.slot]); rc != ERROR_SUCCESS)
      return rc;
  return ERROR_SUCCESS;
}

// The first value of each key, if it has any values (the first is always there then): from one
// ordered scan of the index when the subtree holds a large share of the hive, else key by key.
// `byId` puts the keys in id order; `lastId` is the highest id of the hive.
long Hive::ReadFirstValues(std::vector<KeyId> const& ids, std::vector<size_t> const& byId,
                           std::vector<FirstValue>& first, int64_t& lastId) {
  first.assign(ids.size(), FirstValue());
  Statement last(*this, "SELECT coalesce(max(id), 0) FROM keys");
  if (!last) return ErrorFrom(sqlite3_errcode(m_db));
  if (int const rc = last.Step(); rc != SQLITE_ROW) return ErrorFrom(rc);
  lastId = last.Int(0);
  auto take = [&](FirstValue& value, Statement& row) {
    value.has = true;
    value.name = row.Int(0);
    value.type = static_cast<unsigned long>(row.Int(1));
    value.data.assign(row.Bytes(2));
  };
  int rc = SQLITE_DONE;
  if (static_cast<int64_t>(ids.size()) * kScanShare > lastId) {
    // The scan comes in key order: walked beside the ids in the same order.
    Statement scan(*this, "SELECT name, type, data, key FROM vals INDEXED BY vals_first WHERE ord = 1 ORDER BY key");
    if (!scan) return ErrorFrom(sqlite3_errcode(m_db));
    auto next = byId.begin();
    while (next != byId.end() && (rc = scan.Step()) == SQLITE_ROW) {
      KeyId const key = scan.Int(3);
      while (next != byId.end() && ids[*next] < key) ++next;
      if (next != byId.end() && ids[*next] == key) take(first[*next], scan);
    }
    return rc == SQLITE_DONE || rc == SQLITE_ROW ? ERROR_SUCCESS : ErrorFrom(rc);
  }
  for (size_t i = 0; i < ids.size() && rc == SQLITE_DONE; ++i) {
    Statement one(*this, "SELECT name, type, data FROM vals INDEXED BY vals_first WHERE ord = 1 AND key = ?1");
    if (!one) return ErrorFrom(sqlite3_errcode(m_db));
    rc = one.Bind(1, ids[i]).Step();
    if (rc == SQLITE_ROW) {
      take(first[i], one);
      rc = SQLITE_DONE;
    }
  }
  return rc == SQLITE_DONE ? ERROR_SUCCESS : ErrorFrom(rc);
}

// The value `name` of one key, by a lookup of its own.
long Hive::ReadValue(KeyId key, int64_t name, RegSubtreeKey::Value& value) {
  Statement one(*this, "SELECT type, data FROM vals WHERE key = ?1 AND name = ?2");
  if (!one) return ErrorFrom(sqlite3_errcode(m_db));
  int const rc = one.Bind(1, key).Bind(2, name).Step();
  if (rc == SQLITE_DONE) return ERROR_SUCCESS;
  if (rc != SQLITE_ROW) return ErrorFrom(rc);
  Take(value, static_cast<unsigned long>(one.Int(0)), one.Bytes(1));
  return ERROR_SUCCESS;
}

// The value `name` of the keys marked in `own`, in one statement: every key of the hive in id
// order, each with its value found by (key, name) in the same step, walked beside the keys.
long Hive::ReadValueOfKeys(int64_t name, std::vector<KeyId> const& ids, std::vector<size_t> const& byId,
                           std::vector<char> const& own, size_t slot, std::vector<RegSubtreeKey>& keys) {
  Statement scan(*this, "SELECT vals.key, vals.type, vals.data FROM keys INDEXED BY keys_by_id CROSS JOIN vals"
                        " ON vals.key = keys.id AND vals.name = ?1 ORDER BY keys.id");
  if (!scan) return ErrorFrom(sqlite3_errcode(m_db));
  scan.Bind(1, name);
  int rc = SQLITE_DONE;
  auto next = byId.begin();
  while (next != byId.end() && (rc = scan.Step()) == SQLITE_ROW) {
    KeyId const key = scan.Int(0);
    while (next != byId.end() && ids[*next] < key) ++next;
    if (next != byId.end() && ids[*next] == key && own[*next])
      Take(keys[*next].values[slot], static_cast<unsigned long>(scan.Int(1)), scan.Bytes(2));
  }
  return rc == SQLITE_DONE || rc == SQLITE_ROW ? ERROR_SUCCESS : ErrorFrom(rc);
}
