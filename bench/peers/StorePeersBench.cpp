// Our store against the stores a Qt application would pick instead, on the same data and the same
// operations: QSettings with one INI file for everything, and QSettings with one INI file per
// session. 10,000 sessions in 500 folders (one folder holds 1,000), 170 values of 15 bytes each.
// The three stores are seeded once per process; a table of the figures and of the peer/ours
// ratios is printed after the runs. Beside the raw key calls, (a) and (d) are timed as the
// product does them too: SessionDatabase::Lookup of a session (its store, its mark, its record)
// and GetSessionList (the children with their session marks, merged with the folder's order
// record). Our sessions carry the session mark besides their 170 values. Below the table, SQLite
// alone opens the hive's file and reads one session's rows: the floor of any store kept in it,
// in the hive's own write-ahead-log mode and in a copy switched to a rollback journal.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QDir>
#include <QSettings>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "VProfileKey.h"
#include "VProfileKeyIterator.h"
#include "VProfileStore.h"
#include "VRegistryStoreFactory.h"
#include "database/GlobalConfigInstance.h"
#include "database/SessionDatabase.h"
#include "platform/registry/Registry.h"
#include "session/SessionConfig.h"
#include "support/BuiltProtocols.h"
#include "support/ScopedRoot.h"

namespace {

constexpr int kFolders = 500;
constexpr int kSessions = 10000;
constexpr int kBigFolder = 1000;
constexpr int kValues = 170;
constexpr long kAllValues = static_cast<long>(kSessions) * kValues;

VRegistryStoreFactory& Factory() {
  static VRegistryStoreFactory factory(HKEY_CURRENT_USER, "Software\\Brimvale\\Bench");
  return factory;
}

VProfileStoreFactory* InstalledFactory() { return &Factory(); }

// Each folder's order record is a key beside the sessions; the raw key walks pass it by.
bool IsRecord(VString const& name) { return name == "__FolderData__"; }

std::string FolderName(int folder) { return "Folder " + std::to_string(folder); }
std::string SessionName(int n) { return "session " + std::to_string(n); }
int FolderOf(int n) { return n < kBigFolder ? 0 : 1 + (n - kBigFolder) % (kFolders - 1); }
std::string ValueName(int v) { return "Option " + std::to_string(v); }

// 15 bytes each, distinct per value so that no store can share them.
std::string ValueText(int v, int generation) {
  char text[32];
  std::snprintf(text, sizeof text, "value %03d-%05d", v % 1000, generation % 100000);
  return text;
}

QString Q(std::string const& text) { return QString::fromStdString(text); }

class Seeded {
 public:
  Seeded() {
    auto const start = std::chrono::steady_clock::now();
    RegisterBuiltSsh2();
    SetProfileStoreFactoryGetter(&InstalledFactory);
    GlobalConfig* global = nullptr;
    GetGlobalConfig(global);
    SeedOurs();
    SeedSingleIni();
    SeedIniPerSession();
    RegUnloadHives();
    m_hive = RegHivePath(HKEY_CURRENT_USER);
    CopyWithRollbackJournal();
    std::printf("seeded three stores in %.1f s\n",
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }

  QString SingleIni() const { return Q(m_root.File("all.ini")); }
  std::string const& HiveFile() const { return m_hive; }
  std::string RollbackCopy() const { return m_root.File("rollback-journal.db"); }
  QString PerSessionDir() const { return Q(m_root.File("sessions")); }
  QString SessionFile(int n) const {
    return PerSessionDir() + "/" + Q(FolderName(FolderOf(n))) + "/" + Q(SessionName(n)) + ".ini";
  }

 private:
  // One unit of work for the whole tree, as an import would write it.
  void SeedOurs() {
    VProfileStore store(&Factory());
    for (int n = 0; n < kSessions; ++n) {
      std::string const path = "Sessions\\" + FolderName(FolderOf(n)) + "\\" + SessionName(n);
      VProfileKey key(store.Root(), path.c_str());
      key.SetDword("Is Session", 1);
      for (int v = 0; v < kValues; ++v) key.SetSz(ValueName(v).c_str(), ValueText(v, 0).c_str());
    }
    // Each folder's order record, as the first listing writes it.
    CStringList ignored;
    for (int folder = 0; folder < kFolders; ++folder) SessionDatabase(0).GetSessionList(FolderName(folder), ignored);
  }

  void SeedSingleIni() {
    QSettings settings(SingleIni(), QSettings::IniFormat);
    for (int n = 0; n < kSessions; ++n) {
      settings.beginGroup(Q("Sessions/" + FolderName(FolderOf(n)) + "/" + SessionName(n)));
      for (int v = 0; v < kValues; ++v) settings.setValue(Q(ValueName(v)), Q(ValueText(v, 0)));
      settings.endGroup();
    }
    settings.sync();
  }

  // Every session holds the same values, so QSettings writes one file and the rest are copies.
  void SeedIniPerSession() {
    std::string const model = m_root.File("model.ini");
    {
      QSettings settings(Q(model), QSettings::IniFormat);
      for (int v = 0; v < kValues; ++v) settings.setValue(Q(ValueName(v)), Q(ValueText(v, 0)));
    }
    for (int folder = 0; folder < kFolders; ++folder)
      std::filesystem::create_directories(m_root.File("sessions/" + FolderName(folder)));
    for (int n = 0; n < kSessions; ++n) std::filesystem::copy_file(model, SessionFile(n).toStdString());
    std::filesystem::remove(model);
  }

  void CopyWithRollbackJournal() {
    std::filesystem::copy_file(m_hive, RollbackCopy());
    sqlite3* db = nullptr;
    sqlite3_open(RollbackCopy().c_str(), &db);
    sqlite3_exec(db, "PRAGMA journal_mode=DELETE", nullptr, nullptr, nullptr);
    sqlite3_close(db);
  }

  ScopedRoot m_root;
  std::string m_hive;
};

Seeded& Data() {
  static Seeded seeded;
  return seeded;
}

// Every session's values through a store already open; counts what it read.
long ReadAll(QSettings& settings) {
  long count = 0;
  settings.beginGroup("Sessions");
  for (QString const& folder : settings.childGroups()) {
    settings.beginGroup(folder);
    for (QString const& session : settings.childGroups()) {
      settings.beginGroup(session);
      for (QString const& name : settings.childKeys()) {
        benchmark::DoNotOptimize(settings.value(name).toString());
        ++count;
      }
      settings.endGroup();
    }
    settings.endGroup();
  }
  settings.endGroup();
  return count;
}

long ReadSessionFile(QString const& path) {
  QSettings settings(path, QSettings::IniFormat);
  long count = 0;
  for (QString const& name : settings.allKeys()) {
    benchmark::DoNotOptimize(settings.value(name).toString());
    ++count;
  }
  return count;
}

// Counts the text values; the session mark is read too.
long ReadOurSession(VProfileKey& key) {
  VProfileKeyIterator values(&key, true);
  VString name, text;
  long count = 0;
  while (values.Next(name)) {
    bool const read = key.GetSz(name, text);
    benchmark::DoNotOptimize(text.c_str());
    count += read ? 1 : 0;
  }
  return count;
}

// Calls `visit(folderName, sessionPath)` for every session file of the per-session peer.
template <typename Visit>
void WalkSessionFiles(Visit visit) {
  QDir root(Data().PerSessionDir());
  for (QString const& folder : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    QDir dir(root.filePath(folder));
    for (QString const& file : dir.entryList({"*.ini"}, QDir::Files)) visit(dir.filePath(file));
  }
}

void Expect(benchmark::State& state, long got, long want) {
  if (got != want) state.SkipWithError(("read " + std::to_string(got) + ", expected " + std::to_string(want)).c_str());
}

// (a) Cold start: open the store and read the values of one session. Each run takes another
// session, so no cache in the process holds it; the page cache is warm for all three.
void ColdOurs(benchmark::State& state) {
  Data();
  int n = 0;
  for (auto _ : state) {
    state.PauseTiming();
    RegUnloadHives();
    std::string const path = "Sessions\\" + FolderName(FolderOf(n)) + "\\" + SessionName(n);
    n = (n + 7919) % kSessions;
    state.ResumeTiming();
    VProfileStore store(true, &Factory());
    VProfileKey key(store.Root(), path.c_str());
    Expect(state, ReadOurSession(key), kValues);
  }
}

// The same, the product's way: the session loaded as a session record, from its path.
void ColdOursLookup(benchmark::State& state) {
  Data();
  int n = 0;
  for (auto _ : state) {
    state.PauseTiming();
    RegUnloadHives();
    std::string const path = FolderName(FolderOf(n)) + "\\" + SessionName(n);
    n = (n + 7919) % kSessions;
    state.ResumeTiming();
    ISessionConfig* session = SessionDatabase(0).Lookup(path);
    if (!session) state.SkipWithError("no session");
    else session->Release();
  }
}

void ColdSingleIni(benchmark::State& state) {
  QString const file = Data().SingleIni();
  int n = 0;
  for (auto _ : state) {
    QSettings settings(file, QSettings::IniFormat);
    settings.beginGroup(Q("Sessions/" + FolderName(FolderOf(n)) + "/" + SessionName(n)));
    long count = 0;
    for (QString const& name : settings.childKeys()) {
      benchmark::DoNotOptimize(settings.value(name).toString());
      ++count;
    }
    Expect(state, count, kValues);
    n = (n + 7919) % kSessions;
  }
}

void ColdIniPerSession(benchmark::State& state) {
  Data();
  int n = 0;
  for (auto _ : state) {
    Expect(state, ReadSessionFile(Data().SessionFile(n)), kValues);
    n = (n + 7919) % kSessions;
  }
}

// SQLite alone: open the file, walk the session's path by folded names, read its rows with their
// names, close. Returns the rows read.
long ReadWithSqliteAlone(std::string const& file, int n) {
  sqlite3* db = nullptr;
  long count = 0;
  if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) == SQLITE_OK) {
    int persistWal = 1;  // as the registry keeps its log between opens
    sqlite3_file_control(db, "main", SQLITE_FCNTL_PERSIST_WAL, &persistWal);
    sqlite3_stmt* child = nullptr;
    sqlite3_stmt* values = nullptr;
    sqlite3_prepare_v2(db, "SELECT id FROM keys WHERE parent = ?1 AND folded = ?2", -1, &child, nullptr);
    sqlite3_prepare_v2(db,
                       "SELECT names.name, vals.type, vals.data FROM vals JOIN names ON names.id = vals.name"
                       " WHERE vals.key = ?1",
                       -1, &values, nullptr);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_int64 key = 1;
    for (std::string part : {std::string("software"), std::string("brimvale"), std::string("bench"),
                             std::string("sessions"), "folder " + std::to_string(FolderOf(n)), SessionName(n)}) {
      sqlite3_bind_int64(child, 1, key);
      sqlite3_bind_blob(child, 2, part.data(), static_cast<int>(part.size()), SQLITE_STATIC);
      key = sqlite3_step(child) == SQLITE_ROW ? sqlite3_column_int64(child, 0) : 0;
      sqlite3_reset(child);
    }
    sqlite3_bind_int64(values, 1, key);
    while (sqlite3_step(values) == SQLITE_ROW) {
      benchmark::DoNotOptimize(sqlite3_column_blob(values, 2));
      count += sqlite3_column_int(values, 1) == 1 ? 1 : 0;  // the text values, as the peers count
    }
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_finalize(child);
    sqlite3_finalize(values);
  }
  sqlite3_close(db);
  return count;
}

// Alone in the process too: a connection of the registry left open would spare the first
// connection's setup of the log's shared-memory index.
void ColdSqliteAlone(benchmark::State& state, std::string const& file) {
  RegUnloadHives();
  int n = 0;
  for (auto _ : state) {
    Expect(state, ReadWithSqliteAlone(file, n), kValues);
    n = (n + 7919) % kSessions;
  }
}

void ColdSqliteWal(benchmark::State& state) { ColdSqliteAlone(state, Data().HiveFile()); }
void ColdSqliteRollbackJournal(benchmark::State& state) { ColdSqliteAlone(state, Data().RollbackCopy()); }

// QSettings parses an INI section on its first use; (b) to (d) time the single file already open.
std::unique_ptr<QSettings> OpenSingleIni() {
  auto settings = std::make_unique<QSettings>(Data().SingleIni(), QSettings::IniFormat);
  benchmark::DoNotOptimize(settings->childGroups());
  settings->beginGroup("Sessions");
  benchmark::DoNotOptimize(settings->childGroups());
  settings->endGroup();
  return settings;
}

// (b) Every value of every session, walking the hierarchy to find them. The per-session peer
// opens each file as it goes.
void ReadAllOurs(benchmark::State& state) {
  Data();
  for (auto _ : state) {
    VProfileStore store(true, &Factory());
    VProfileKey sessions(store.Root(), "Sessions");
    VProfileKeyIterator folders(&sessions, false);
    VString folder, session;
    long count = 0;
    while (folders.Next(folder)) {
      VProfileKey folderKey(&sessions, folder);
      VProfileKeyIterator children(&folderKey, false);
      while (children.Next(session)) {
        if (IsRecord(session)) continue;
        VProfileKey key(&folderKey, session);
        count += ReadOurSession(key);
      }
    }
    Expect(state, count, kAllValues);
  }
}

void ReadAllSingleIni(benchmark::State& state) {
  auto settings = OpenSingleIni();
  for (auto _ : state) Expect(state, ReadAll(*settings), kAllValues);
}

void ReadAllIniPerSession(benchmark::State& state) {
  Data();
  for (auto _ : state) {
    long count = 0;
    WalkSessionFiles([&](QString const& path) { count += ReadSessionFile(path); });
    Expect(state, count, kAllValues);
  }
}

// (c) One value changed in every session and made durable: one unit of work for us,
// QSettings::sync for the peers.
int g_generation = 1;

void ChangeAllOurs(benchmark::State& state) {
  Data();
  for (auto _ : state) {
    std::string const text = ValueText(0, g_generation++);
    long count = 0;
    VProfileStore store(&Factory());
    VProfileKey sessions(store.Root(), "Sessions");
    VProfileKeyIterator folders(&sessions, false);
    VString folder, session;
    while (folders.Next(folder)) {
      VProfileKey folderKey(&sessions, folder);
      VProfileKeyIterator children(&folderKey, false);
      while (children.Next(session)) {
        if (IsRecord(session)) continue;
        VProfileKey key(&folderKey, session);
        count += key.SetSz(ValueName(0).c_str(), text.c_str()) ? 1 : 0;
      }
    }
    Expect(state, count, kSessions);
  }
}

void ChangeAllSingleIni(benchmark::State& state) {
  auto opened = OpenSingleIni();
  QSettings& settings = *opened;
  QString const name = Q(ValueName(0));
  for (auto _ : state) {
    QString const text = Q(ValueText(0, g_generation++));
    long count = 0;
    settings.beginGroup("Sessions");
    for (QString const& folder : settings.childGroups()) {
      settings.beginGroup(folder);
      for (QString const& session : settings.childGroups()) {
        settings.setValue(session + "/" + name, text);
        ++count;
      }
      settings.endGroup();
    }
    settings.endGroup();
    settings.sync();
    if (settings.status() != QSettings::NoError) state.SkipWithError("sync failed");
    Expect(state, count, kSessions);
  }
}

void ChangeAllIniPerSession(benchmark::State& state) {
  Data();
  QString const name = Q(ValueName(0));
  for (auto _ : state) {
    QString const text = Q(ValueText(0, g_generation++));
    long count = 0;
    WalkSessionFiles([&](QString const& path) {
      QSettings settings(path, QSettings::IniFormat);
      settings.setValue(name, text);
      settings.sync();
      count += settings.status() == QSettings::NoError ? 1 : 0;
    });
    Expect(state, count, kSessions);
  }
}

// (d) The children of the folder of 1,000 sessions.
void ListFolderOurs(benchmark::State& state) {
  Data();
  for (auto _ : state) {
    VProfileStore store(true, &Factory());
    VProfileKey folder(store.Root(), ("Sessions\\" + FolderName(0)).c_str());
    VProfileKeyIterator children(&folder, false);
    VString name;
    long count = 0;
    while (children.Next(name)) count += IsRecord(name) ? 0 : 1;
    Expect(state, count, kBigFolder);
  }
}

void ListFolderOursGetSessionList(benchmark::State& state) {
  Data();
  SessionDatabase db(0);
  for (auto _ : state) {
    CStringList sessions;
    db.GetSessionList(FolderName(0), sessions);
    Expect(state, sessions.GetCount(), kBigFolder);
  }
}

void ListFolderSingleIni(benchmark::State& state) {
  auto settings = OpenSingleIni();
  settings->beginGroup(Q("Sessions/" + FolderName(0)));
  for (auto _ : state) Expect(state, settings->childGroups().size(), kBigFolder);
}

void ListFolderIniPerSession(benchmark::State& state) {
  QDir dir(Data().PerSessionDir() + "/" + Q(FolderName(0)));
  for (auto _ : state) Expect(state, dir.entryList({"*.ini"}, QDir::Files).size(), kBigFolder);
}

// Keeps each run's wall time per iteration, in seconds, for the table of ratios.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(std::vector<Run> const& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (Run const& run : runs)
      if (run.run_type == Run::RT_Iteration && !run.error_occurred)
        m_seconds[run.run_name.str()] = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
  }

  double Seconds(std::string const& name) const {
    auto it = std::find_if(m_seconds.begin(), m_seconds.end(),
                           [&](auto const& entry) { return entry.first.starts_with(name); });
    return it == m_seconds.end() ? 0 : it->second;
  }

 private:
  std::map<std::string, double> m_seconds;
};

struct Operation {
  char const* label;
  char const* name;
  double target;
  void (*ours)(benchmark::State&);
  void (*single)(benchmark::State&);
  void (*perSession)(benchmark::State&);
  int oursIterations, singleIterations, perSessionIterations;  // 0: let the library choose
};

std::vector<Operation> const kOperations = {
    {"(a) cold start, one session", "Cold", 100, ColdOurs, ColdSingleIni, ColdIniPerSession, 2000, 3, 2000},
    {"(b) read every value", "ReadAll", 1.5, ReadAllOurs, ReadAllSingleIni, ReadAllIniPerSession, 3, 2, 2},
    {"(c) change one value everywhere", "ChangeAll", 3, ChangeAllOurs, ChangeAllSingleIni, ChangeAllIniPerSession, 3, 2, 1},
    {"(a') the same as the product opens it", "ColdLookup", 1, ColdOursLookup, ColdSingleIni, ColdIniPerSession, 2000, 3, 2000},
    {"(d) list a folder of 1,000", "ListFolder", 10, ListFolderOurs, ListFolderSingleIni, ListFolderIniPerSession, 0, 0, 0},
    {"(d') the same through GetSessionList", "ListSessions", 1, ListFolderOursGetSessionList, ListFolderSingleIni,
     ListFolderIniPerSession, 0, 0, 0},
};

void Register(std::string const& name, void (*fn)(benchmark::State&), int iterations) {
  auto* b = benchmark::RegisterBenchmark(name.c_str(), fn)->UseRealTime()->Unit(benchmark::kMicrosecond);
  if (iterations > 0) b->Iterations(iterations);
}

std::string Figure(double seconds) {
  char text[32];
  if (seconds >= 1) std::snprintf(text, sizeof text, "%.2f s", seconds);
  else if (seconds >= 1e-3) std::snprintf(text, sizeof text, "%.2f ms", seconds * 1e3);
  else std::snprintf(text, sizeof text, "%.1f us", seconds * 1e6);
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  for (Operation const& op : kOperations) {
    Register(std::string(op.name) + "/ours", op.ours, op.oursIterations);
    Register(std::string(op.name) + "/single_ini", op.single, op.singleIterations);
    Register(std::string(op.name) + "/ini_per_session", op.perSession, op.perSessionIterations);
  }
  Register("ColdFloor/sqlite_wal", ColdSqliteWal, 2000);
  Register("ColdFloor/sqlite_rollback_journal", ColdSqliteRollbackJournal, 2000);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);

  std::printf("\n%-34s %12s %12s %16s %14s %8s\n", "operation", "ours", "single INI", "INI per session",
              "faster peer/ours", "target");
  for (Operation const& op : kOperations) {
    double const ours = reporter.Seconds(std::string(op.name) + "/ours");
    double const single = reporter.Seconds(std::string(op.name) + "/single_ini");
    double const perSession = reporter.Seconds(std::string(op.name) + "/ini_per_session");
    if (ours == 0 || single == 0 || perSession == 0) continue;  // filtered out or failed
    double const ratio = std::min(single, perSession) / ours;
    std::printf("%-34s %12s %12s %16s %13.1fx %7.1fx %s\n", op.label, Figure(ours).c_str(), Figure(single).c_str(),
                Figure(perSession).c_str(), ratio, op.target, ratio >= op.target ? "met" : "MISSED");
    std::printf("%-34s %12s %11.1fx %15.1fx\n", "  peer/ours", "", single / ours, perSession / ours);
  }
  double const wal = reporter.Seconds("ColdFloor/sqlite_wal");
  double const rollback = reporter.Seconds("ColdFloor/sqlite_rollback_journal");
  double const peer = reporter.Seconds("Cold/ini_per_session");
  if (wal > 0 && rollback > 0 && peer > 0)
    std::printf("\nSQLite alone, open and read one session: %s in the hive's WAL mode (%.1fx the per-session peer), "
                "%s with a rollback journal (%.1fx)\n",
                Figure(wal).c_str(), peer / wal, Figure(rollback).c_str(), peer / rollback);
  benchmark::Shutdown();
  return 0;
}
