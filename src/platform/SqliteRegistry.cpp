#include "platform/SqliteRegistry.h"

#include <QDebug>
#include <QFileInfo>
#include <QHash>
#include <array>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <sqlite3.h>
#include <sys/statvfs.h>
#include <unordered_map>

namespace {
struct RootName {
    const char* longName;
    const char* shortName;
    RegRoot root;
};
constexpr RootName kRoots[] = {
    {"HKEY_CLASSES_ROOT", "HKCR", RegRoot::ClassesRoot},
    {"HKEY_CURRENT_USER", "HKCU", RegRoot::CurrentUser},
    {"HKEY_LOCAL_MACHINE", "HKLM", RegRoot::LocalMachine},
    {"HKEY_USERS", "HKU", RegRoot::Users},
    {"HKEY_PERFORMANCE_DATA", nullptr, RegRoot::PerformanceData},
    {"HKEY_CURRENT_CONFIG", "HKCC", RegRoot::CurrentConfig},
    {"HKEY_DYN_DATA", nullptr, RegRoot::DynData},
};

QString lowerPath(const QStringList& parts) {
    return parts.join(QLatin1Char('\\')).toLower();
}

// The stored form of a key path: lower case, "\" between parts, no empty parts. Paths the
// program builds are already in that shape, and skip the split (a read costs a few µs).
QString lowerPath(const QString& path) {
    const bool clean = !path.isEmpty() && !path.contains(QLatin1Char('/')) && !path.contains(QLatin1String("\\\\")) &&
                       !path.startsWith(QLatin1Char('\\')) && !path.endsWith(QLatin1Char('\\'));
    return clean ? path.toLower() : lowerPath(SqliteRegistry::splitPath(path));
}

QByteArray utf8(const QString& s) {
    return s.toUtf8();
}

// Binds a QString as UTF-8 text that SQLite copies.
void bindText(sqlite3_stmt* st, int i, const QString& s) {
    const QByteArray b = utf8(s);
    sqlite3_bind_text(st, i, b.constData(), static_cast<int>(b.size()), SQLITE_TRANSIENT);
}

QString columnText(sqlite3_stmt* st, int i) {
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st, i));
    return p ? QString::fromUtf8(p, sqlite3_column_bytes(st, i)) : QString();
}

RegValue readRow(sqlite3_stmt* st, int nameCol, int typeCol, int dataCol) {
    RegValue v;
    if (nameCol >= 0) v.name = columnText(st, nameCol);
    v.type = sqlite3_column_int(st, typeCol);
    switch (v.type) {
    case REG_SZ:
    case REG_EXPAND_SZ:
        v.data = columnText(st, dataCol);
        break;
    case REG_DWORD:
        v.data = static_cast<quint32>(sqlite3_column_int64(st, dataCol));
        break;
    default: {
        const auto* p = static_cast<const char*>(sqlite3_column_blob(st, dataCol));
        v.data = QByteArray(p, sqlite3_column_bytes(st, dataCol));
    }
    }
    return v;
}

bool sameData(const RegValue& a, const RegValue& b) {
    if (a.type != b.type) return false;
    switch (a.type) {
    case REG_SZ:
    case REG_EXPAND_SZ:
        return a.data.toString() == b.data.toString();
    case REG_DWORD:
        return a.data.toUInt() == b.data.toUInt();
    default:
        return a.data.toByteArray() == b.data.toByteArray();
    }
}

qint64 monotonicMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// True when the file system holding file has no room left for this process.
bool deviceFull(const QString& file) {
    struct statvfs fs {};
    const QString folder = QFileInfo(file).absolutePath();
    if (::statvfs(QFile::encodeName(folder).constData(), &fs) != 0) return false;
    return fs.f_bavail == 0 || fs.f_bfree == 0;
}

// Resets a cached statement when the scope ends, so no read transaction stays open.
struct Reset {
    sqlite3_stmt* st;
    ~Reset() {
        sqlite3_reset(st);
        sqlite3_clear_bindings(st);
    }
};
} // namespace

std::optional<RegRoot> RegRootFromName(const QString& name, bool allowShort) {
    for (const auto& r : kRoots) {
        if (name.compare(QLatin1String(r.longName), Qt::CaseInsensitive) == 0) return r.root;
        if (allowShort && r.shortName && name.compare(QLatin1String(r.shortName), Qt::CaseInsensitive) == 0)
            return r.root;
    }
    return std::nullopt;
}

QString RegRootName(RegRoot root) {
    for (const auto& r : kRoots)
        if (r.root == root) return QLatin1String(r.longName);
    return QString();
}

QString RegTypeName(int type) {
    switch (type) {
    case REG_NONE:
        return QStringLiteral("REG_NONE");
    case REG_SZ:
        return QStringLiteral("REG_SZ");
    case REG_EXPAND_SZ:
        return QStringLiteral("REG_EXPAND_SZ");
    case REG_BINARY:
        return QStringLiteral("REG_BINARY");
    case REG_DWORD:
        return QStringLiteral("REG_DWORD");
    default:
        return QStringLiteral("REG_UNKNOWN");
    }
}

// The prepared statements, and the values read or written so far. The values stay true while
// the file's data version stays the same: another connection's commit changes it, this
// connection's own writes do not (they update the values themselves).
namespace {
// The head of the shared wal-index of a store in WAL mode: its 48-byte header, twice. Every
// commit of any connection, in any process, changes it (its change counter counts each
// transaction), so while it stays the same nothing was committed.
using WalHeader = std::array<unsigned char, 96>;
constexpr int kWalIndexRegion = 32768; // the size of each wal-index region

bool readWalHeader(sqlite3* db, WalHeader& out) {
    sqlite3_file* file = nullptr;
    if (sqlite3_file_control(db, "main", SQLITE_FCNTL_FILE_POINTER, &file) != SQLITE_OK || !file || !file->pMethods ||
        file->pMethods->iVersion < 2 || !file->pMethods->xShmMap)
        return false;
    volatile void* region = nullptr;
    if (file->pMethods->xShmMap(file, 0, kWalIndexRegion, 0, &region) != SQLITE_OK || !region) return false;
    std::atomic_thread_fence(std::memory_order_seq_cst);
    const auto* bytes = static_cast<const volatile unsigned char*>(region);
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = bytes[i];
    std::atomic_thread_fence(std::memory_order_seq_cst);
    return true;
}
} // namespace

struct SqliteRegistry::Cache {
    std::unordered_map<const char*, sqlite3_stmt*> stmts;
    QHash<QString, std::optional<RegValue>> values; // by root, lower-case path and name
    // The key of values for a root, path and name as callers spell them: a pure function of
    // the spelling, kept for as long as the registry.
    struct Spelling {
        quint32 root;
        QString path;
        QString name;
        bool operator==(const Spelling& o) const { return root == o.root && path == o.path && name == o.name; }
    };
    friend size_t qHash(const Spelling& s, size_t seed = 0) { return qHashMulti(seed, s.root, s.path, s.name); }
    QHash<Spelling, QString> keys;
    qint64 dataVersion = -1; // -1: not yet read
    // The wal-index header as it was just before the data version was last read.
    WalHeader walHeader{};
    bool walHeaderKnown = false;

    static QString key(RegRoot root, const QString& pathLc, const QString& nameLc) {
        return QString::number(static_cast<quint32>(root)) + QChar(1) + pathLc + QChar(1) + nameLc;
    }
    void forget() {
        values.clear();
        dataVersion = -1;
        walHeaderKnown = false;
    }
};

namespace {
// A value as the store hands it back after a write, so that the remembered value equals what
// a read of the file gives.
RegValue storedForm(const RegValue& v) {
    RegValue out;
    out.name = v.name;
    out.type = v.type;
    switch (v.type) {
    case REG_SZ:
    case REG_EXPAND_SZ:
        out.data = v.data.toString();
        break;
    case REG_DWORD:
        out.data = static_cast<quint32>(v.data.toUInt());
        break;
    default:
        out.data = v.data.toByteArray();
    }
    return out;
}
} // namespace

bool SqliteRegistry::cacheCurrent() {
    // Inside an open write transaction nobody else can commit; its start checked the version.
    if (m_batchDepth > 0) return m_cache->dataVersion >= 0;
    // Asking for the data version opens a read transaction, which costs about as much as the
    // read itself; a wal-index header unchanged since the last asking says the answer is the
    // same. The header is taken before the version, so a commit between the two is seen at
    // the next read.
    WalHeader header;
    const bool headerRead = readWalHeader(m_db, header);
    if (headerRead && m_cache->walHeaderKnown && m_cache->dataVersion >= 0 && header == m_cache->walHeader) return true;
    m_cache->walHeader = header;
    m_cache->walHeaderKnown = headerRead;
    sqlite3_stmt* st = prepare("PRAGMA data_version");
    if (!st) {
        m_cache->forget();
        return false;
    }
    qint64 version = -1;
    {
        Reset r{st};
        if (sqlite3_step(st) == SQLITE_ROW) version = sqlite3_column_int64(st, 0);
    }
    if (version < 0 || version != m_cache->dataVersion) {
        m_cache->values.clear();
        m_cache->dataVersion = version;
    }
    return version >= 0;
}

// Waits for another process's lock in small steps until the connection's deadline. A wait
// outside a short-wait scope gets the long deadline afresh each time it begins.
int busyHandler(void* self, int count) {
    auto* reg = static_cast<SqliteRegistry*>(self);
    const qint64 now = monotonicMs();
    if (count == 0 && !reg->m_scopedWait) reg->m_waitDeadline = now + SqliteRegistry::kLongWaitMs;
    const qint64 left = reg->m_waitDeadline - now;
    if (left <= 0) return 0;
    sqlite3_sleep(static_cast<int>(std::min<qint64>(left, count < 4 ? 2 : 10)));
    return 1;
}

SqliteRegistry::ShortWait::ShortWait(SqliteRegistry& reg, int waitMs)
    : m_reg(reg), m_savedDeadline(reg.m_waitDeadline), m_savedScoped(reg.m_scopedWait) {
    // A scope inside another keeps the outer one's remaining time.
    if (m_savedScoped) return;
    m_reg.m_scopedWait = true;
    m_reg.m_waitDeadline = monotonicMs() + waitMs;
}

SqliteRegistry::ShortWait::~ShortWait() {
    m_reg.m_scopedWait = m_savedScoped;
    m_reg.m_waitDeadline = m_savedDeadline;
}

QString SqliteRegistry::errorText(int rc) {
    const int primary = rc & 0xff;
    m_diskFull = primary == SQLITE_FULL || (m_db && sqlite3_system_errno(m_db) == ENOSPC) ||
                 ((primary == SQLITE_IOERR || primary == SQLITE_CANTOPEN) && deviceFull(m_fileName));
    if (m_diskFull) return QStringLiteral("no space left on the device holding %1").arg(m_fileName);
    if (primary == SQLITE_READONLY)
        return QStringLiteral("%1 is read-only (%2)").arg(m_fileName, QString::fromUtf8(sqlite3_errstr(rc)));
    if (primary == SQLITE_BUSY) return QStringLiteral("%1 is locked by another process").arg(m_fileName);
    return QString::fromUtf8(m_db ? sqlite3_errmsg(m_db) : sqlite3_errstr(rc));
}

QStringList SqliteRegistry::splitPath(const QString& path) {
    QString p = path;
    p.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return p.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
}

SqliteRegistry::SqliteRegistry(const QString& fileName, Durability durability)
    : m_fileName(fileName), m_cache(new Cache) {
    const QByteArray name = QFile::encodeName(fileName);
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
    int rc = sqlite3_open_v2(name.constData(), &m_db, flags, nullptr);
    auto refuse = [&](const QString& why) {
        if (m_db) sqlite3_close_v2(m_db);
        m_db = nullptr;
        delete m_cache;
        m_cache = nullptr;
        throw StoreOpenError(why.toStdString());
    };
    if (rc != SQLITE_OK) refuse(QStringLiteral("cannot open the settings store %1: %2").arg(fileName, errorText(rc)));
    sqlite3_extended_result_codes(m_db, 1);
    sqlite3_busy_handler(m_db, busyHandler, this);

    // Look before writing anything: a damaged file or a file of another kind is left untouched.
    sqlite3_stmt* st = nullptr;
    rc = sqlite3_prepare_v2(m_db, "PRAGMA quick_check(1)", -1, &st, nullptr);
    QString check;
    if (rc == SQLITE_OK) {
        rc = sqlite3_step(st);
        if (rc == SQLITE_ROW) check = columnText(st, 0);
    }
    const int checkRc = rc == SQLITE_ROW || rc == SQLITE_DONE ? SQLITE_OK : sqlite3_extended_errcode(m_db);
    const QString checkError = checkRc == SQLITE_OK ? QString() : errorText(checkRc);
    sqlite3_finalize(st);
    // Only a file that reads as damaged is called damaged; a full disk, a lock or a refused
    // access is named as what it is.
    const int checkPrimary = checkRc & 0xff;
    if ((checkRc != SQLITE_OK && (checkPrimary == SQLITE_CORRUPT || checkPrimary == SQLITE_NOTADB)) ||
        (rc == SQLITE_ROW && check != QLatin1String("ok")))
        refuse(QStringLiteral("the settings store %1 is damaged or is not a TimeWard store (%2)")
                   .arg(fileName, check.isEmpty() ? checkError : check));
    if (checkRc != SQLITE_OK) refuse(QStringLiteral("cannot open the settings store %1: %2").arg(fileName, checkError));

    if (fileName != QLatin1String(":memory:")) {
        if (!exec("PRAGMA journal_mode=WAL"))
            refuse(QStringLiteral("cannot use the settings store %1: %2").arg(fileName, m_lastError));
    }
    exec(durability == Durability::Full ? "PRAGMA synchronous=FULL" : "PRAGMA synchronous=NORMAL");
    const bool made = beginWrite() &&
                      exec("CREATE TABLE IF NOT EXISTS reg_keys(root INTEGER NOT NULL, path_lc TEXT NOT NULL, "
                           "name TEXT NOT NULL, PRIMARY KEY(root, path_lc)) WITHOUT ROWID") &&
                      exec("CREATE TABLE IF NOT EXISTS reg_values(root INTEGER NOT NULL, path_lc TEXT NOT NULL, "
                           "name_lc TEXT NOT NULL, name TEXT NOT NULL, type INTEGER NOT NULL, data, "
                           "PRIMARY KEY(root, path_lc, name_lc)) WITHOUT ROWID");
    if (!endWrite(made)) refuse(QStringLiteral("cannot prepare the settings store %1: %2").arg(fileName, m_lastError));
}

SqliteRegistry::~SqliteRegistry() {
    if (m_cache) {
        for (auto& [sql, st] : m_cache->stmts)
            sqlite3_finalize(st);
        delete m_cache;
    }
    if (m_db) sqlite3_close_v2(m_db);
}

void SqliteRegistry::fail(const char* where) {
    m_lastError = QStringLiteral("%1: %2").arg(QLatin1String(where), errorText(sqlite3_extended_errcode(m_db)));
    if (!m_scopedWait) qWarning().noquote() << "settings store" << m_fileName << m_lastError;
}

sqlite3_stmt* SqliteRegistry::prepare(const char* sql) {
    auto it = m_cache->stmts.find(sql);
    if (it != m_cache->stmts.end()) return it->second;
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v3(m_db, sql, -1, SQLITE_PREPARE_PERSISTENT, &st, nullptr) != SQLITE_OK) {
        fail("prepare");
        return nullptr;
    }
    m_cache->stmts.emplace(sql, st);
    return st;
}

bool SqliteRegistry::exec(const char* sql) {
    char* err = nullptr;
    const int rc = sqlite3_exec(m_db, sql, nullptr, nullptr, &err);
    if (rc != SQLITE_OK) {
        const int primary = sqlite3_extended_errcode(m_db) & 0xff;
        const bool named = primary == SQLITE_FULL || primary == SQLITE_IOERR || primary == SQLITE_READONLY ||
                           primary == SQLITE_BUSY || primary == SQLITE_CANTOPEN;
        m_lastError =
            named ? errorText(sqlite3_extended_errcode(m_db)) : QString::fromUtf8(err ? err : sqlite3_errmsg(m_db));
        sqlite3_free(err);
        return false;
    }
    return true;
}

bool SqliteRegistry::beginWrite() {
    if (m_batchDepth > 0) return true;
    if (!exec("BEGIN IMMEDIATE")) {
        ++m_writeFailures;
        // Under a short wait the caller reports the refusal itself, once, not every second.
        if (!m_scopedWait)
            qWarning().noquote() << "settings store" << m_fileName << "cannot begin a write:" << m_lastError;
        return false;
    }
    m_changesAtBegin = sqlite3_total_changes64(m_db);
    // Another process may have committed since the last read: the remembered values must be
    // those of this transaction before it writes into them.
    cacheCurrent();
    return true;
}

bool SqliteRegistry::endWrite(bool ok) {
    if (m_batchDepth > 0) {
        if (!ok) m_batchOk = false;
        return ok;
    }
    const bool changed = sqlite3_total_changes64(m_db) != m_changesAtBegin;
    if (ok && exec("COMMIT")) {
        if (changed) ++m_commits;
        return true;
    }
    const QString why = m_lastError;
    exec("ROLLBACK");
    m_lastError = why;
    ++m_writeFailures;
    // What the transaction wrote into the remembered values never reached the file.
    m_cache->forget();
    return false;
}

void SqliteRegistry::beginBatch() {
    if (m_batchDepth == 0) {
        m_batchOk = beginWrite();
        if (!m_batchOk) {
            // The operations inside then open their own transactions; the batch as a whole
            // did not happen.
            ++m_unopenedBatches;
            return;
        }
    }
    ++m_batchDepth;
}

bool SqliteRegistry::endBatch() {
    if (m_batchDepth == 0) {
        if (m_unopenedBatches == 0) return false;
        --m_unopenedBatches;
        m_batchOk = true;
        return false;
    }
    if (--m_batchDepth > 0) return m_batchOk;
    const bool changed = sqlite3_total_changes64(m_db) != m_changesAtBegin;
    bool committed = m_batchOk && exec("COMMIT");
    if (committed && changed) ++m_commits;
    if (!committed) {
        const QString why = m_lastError;
        if (!m_scopedWait) qWarning().noquote() << "settings store" << m_fileName << "batch rolled back:" << why;
        exec("ROLLBACK");
        m_lastError = why;
        ++m_writeFailures;
        m_cache->forget();
    }
    m_batchOk = true;
    return committed;
}

bool SqliteRegistry::ensureKey(RegRoot root, const QStringList& parts) {
    if (parts.isEmpty()) return true;
    sqlite3_stmt* has = prepare("SELECT 1 FROM reg_keys WHERE root=?1 AND path_lc=?2");
    if (!has) return false;
    {
        Reset r{has};
        sqlite3_bind_int64(has, 1, static_cast<qint64>(root));
        bindText(has, 2, lowerPath(parts));
        if (sqlite3_step(has) == SQLITE_ROW) return true; // a key's parents exist whenever it does
    }
    sqlite3_stmt* add = prepare("INSERT OR IGNORE INTO reg_keys(root, path_lc, name) VALUES(?1, ?2, ?3)");
    if (!add) return false;
    for (int i = 1; i <= parts.size(); ++i) {
        Reset r{add};
        sqlite3_bind_int64(add, 1, static_cast<qint64>(root));
        bindText(add, 2, lowerPath(parts.mid(0, i)));
        bindText(add, 3, parts.at(i - 1));
        if (sqlite3_step(add) != SQLITE_DONE) {
            fail("create key");
            return false;
        }
    }
    return true;
}

std::optional<RegValue> SqliteRegistry::queryValue(RegRoot root, const QString& path, const QString& name) {
    const bool current = cacheCurrent();
    const Cache::Spelling spelling{static_cast<quint32>(root), path, name};
    const auto found = [&](const QString& key) -> std::optional<std::optional<RegValue>> {
        const auto it = m_cache->values.constFind(key);
        if (it == m_cache->values.constEnd()) return std::nullopt;
        if (!*it) return std::optional<RegValue>();
        RegValue v = **it;
        v.name = name;
        return std::optional<RegValue>(v);
    };
    // A path and name spelt as before find their value without being folded to lower case.
    if (current) {
        const auto known = m_cache->keys.constFind(spelling);
        if (known != m_cache->keys.constEnd())
            if (auto v = found(*known)) return *v;
    }
    const QString pathLc = lowerPath(path);
    const QString nameLc = name.toLower();
    const QString key = Cache::key(root, pathLc, nameLc);
    if (current) {
        m_cache->keys.insert(spelling, key);
        if (auto v = found(key)) return *v;
    }
    sqlite3_stmt* st = prepare("SELECT type, data FROM reg_values WHERE root=?1 AND path_lc=?2 AND name_lc=?3");
    if (!st) {
        ++m_readFailures;
        return std::nullopt;
    }
    Reset r{st};
    sqlite3_bind_int64(st, 1, static_cast<qint64>(root));
    bindText(st, 2, pathLc);
    bindText(st, 3, nameLc);
    const int rc = sqlite3_step(st);
    std::optional<RegValue> v;
    if (rc == SQLITE_ROW) {
        v = readRow(st, -1, 0, 1);
        v->name = name;
    } else if (rc != SQLITE_DONE) {
        ++m_readFailures;
        fail("read");
        return std::nullopt; // a failed read is not remembered as an absent value
    }
    if (current) m_cache->values.insert(key, v);
    return v;
}

bool SqliteRegistry::setValue(RegRoot root, const QString& path, const RegValue& value) {
    const QStringList parts = splitPath(path);
    if (m_batchDepth == 0) {
        // Writing what is already there would only cost a disk write.
        const auto old = queryValue(root, path, value.name);
        if (old && sameData(*old, value)) return true;
    }
    if (!beginWrite()) return false;
    bool ok = ensureKey(root, parts);
    if (ok) {
        sqlite3_stmt* st =
            prepare("INSERT INTO reg_values(root, path_lc, name_lc, name, type, data) VALUES(?1, ?2, ?3, ?4, ?5, ?6) "
                    "ON CONFLICT(root, path_lc, name_lc) DO UPDATE SET type=excluded.type, data=excluded.data "
                    "WHERE type IS NOT excluded.type OR data IS NOT excluded.data");
        ok = st != nullptr;
        if (ok) {
            Reset r{st};
            sqlite3_bind_int64(st, 1, static_cast<qint64>(root));
            bindText(st, 2, lowerPath(parts));
            bindText(st, 3, value.name.toLower());
            bindText(st, 4, value.name);
            sqlite3_bind_int(st, 5, value.type);
            switch (value.type) {
            case REG_SZ:
            case REG_EXPAND_SZ:
                bindText(st, 6, value.data.toString());
                break;
            case REG_DWORD:
                sqlite3_bind_int64(st, 6, static_cast<qint64>(value.data.toUInt()));
                break;
            default: {
                const QByteArray b = value.data.toByteArray();
                sqlite3_bind_blob(st, 6, b.constData(), static_cast<int>(b.size()), SQLITE_TRANSIENT);
            }
            }
            ok = sqlite3_step(st) == SQLITE_DONE;
            if (!ok) fail("set value");
        }
    }
    if (ok && m_cache->dataVersion >= 0)
        m_cache->values.insert(Cache::key(root, lowerPath(parts), value.name.toLower()), storedForm(value));
    return endWrite(ok);
}

bool SqliteRegistry::createKey(RegRoot root, const QString& path) {
    if (keyExists(root, path)) return true;
    if (!beginWrite()) return false;
    return endWrite(ensureKey(root, splitPath(path)));
}

bool SqliteRegistry::keyExists(RegRoot root, const QString& path) {
    const QStringList parts = splitPath(path);
    if (parts.isEmpty()) return true;
    sqlite3_stmt* st = prepare("SELECT 1 FROM reg_keys WHERE root=?1 AND path_lc=?2");
    if (!st) return false;
    Reset r{st};
    sqlite3_bind_int64(st, 1, static_cast<qint64>(root));
    bindText(st, 2, lowerPath(parts));
    return sqlite3_step(st) == SQLITE_ROW;
}

bool SqliteRegistry::deleteKey(RegRoot root, const QString& path) {
    const QString p = lowerPath(splitPath(path));
    if (!beginWrite()) return false;
    bool ok = true;
    // Everything at or below the key: the key itself, and paths between "p\" and "p]",
    // since "]" follows "\" in byte order.
    for (const char* sql : {"DELETE FROM reg_keys WHERE root=?1 AND (?2 = '' OR path_lc=?2 OR "
                            "(path_lc >= ?2 || '\\' AND path_lc < ?2 || ']'))",
                            "DELETE FROM reg_values WHERE root=?1 AND (?2 = '' OR path_lc=?2 OR "
                            "(path_lc >= ?2 || '\\' AND path_lc < ?2 || ']'))"}) {
        sqlite3_stmt* st = prepare(sql);
        if (!st) {
            ok = false;
            break;
        }
        Reset r{st};
        sqlite3_bind_int64(st, 1, static_cast<qint64>(root));
        bindText(st, 2, p);
        if (sqlite3_step(st) != SQLITE_DONE) {
            fail("delete key");
            ok = false;
            break;
        }
    }
    // Every value below the key is gone; the remembered ones are read afresh.
    m_cache->values.clear();
    return endWrite(ok);
}

bool SqliteRegistry::deleteValueNoTxn(RegRoot root, const QString& pathLc, const QString& name) {
    sqlite3_stmt* st = prepare("DELETE FROM reg_values WHERE root=?1 AND path_lc=?2 AND name_lc=?3");
    if (!st) return false;
    Reset r{st};
    sqlite3_bind_int64(st, 1, static_cast<qint64>(root));
    bindText(st, 2, pathLc);
    bindText(st, 3, name.toLower());
    if (sqlite3_step(st) != SQLITE_DONE) {
        fail("delete value");
        return false;
    }
    if (m_cache->dataVersion >= 0) m_cache->values.insert(Cache::key(root, pathLc, name.toLower()), std::nullopt);
    return true;
}

bool SqliteRegistry::deleteValue(RegRoot root, const QString& path, const QString& name) {
    if (m_batchDepth == 0 && !queryValue(root, path, name)) return true; // nothing to delete is no error
    if (!beginWrite()) return false;
    return endWrite(deleteValueNoTxn(root, lowerPath(splitPath(path)), name));
}

std::optional<RegValue> SqliteRegistry::takeValue(RegRoot root, const QString& path, const QString& name,
                                                  const std::optional<RegValue>& replacement) {
    if (!beginWrite()) return std::nullopt;
    ++m_batchDepth; // the inner calls join this transaction
    std::optional<RegValue> v = queryValue(root, path, name);
    bool ok = true;
    if (v) {
        if (replacement) {
            RegValue r = *replacement;
            r.name = name;
            ok = setValue(root, path, r);
        } else {
            ok = deleteValueNoTxn(root, lowerPath(splitPath(path)), name);
        }
    }
    --m_batchDepth;
    if (!endWrite(ok)) return std::nullopt;
    return v;
}

QList<RegValue> SqliteRegistry::values(RegRoot root, const QString& path) {
    QList<RegValue> out;
    sqlite3_stmt* st = prepare("SELECT name, type, data FROM reg_values WHERE root=?1 AND path_lc=?2 ORDER BY name_lc");
    if (!st) {
        ++m_readFailures;
        return out;
    }
    Reset r{st};
    sqlite3_bind_int64(st, 1, static_cast<qint64>(root));
    bindText(st, 2, lowerPath(splitPath(path)));
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW)
        out.append(readRow(st, 0, 1, 2));
    if (rc != SQLITE_DONE) {
        ++m_readFailures;
        fail("read");
    }
    return out;
}

QStringList SqliteRegistry::subKeys(RegRoot root, const QString& path) {
    QStringList out;
    const QString p = lowerPath(splitPath(path));
    sqlite3_stmt* st = prepare("SELECT name FROM reg_keys WHERE root=?1 AND "
                               "((?2 = '' AND instr(path_lc, '\\') = 0) OR "
                               "(?2 <> '' AND path_lc >= ?2 || '\\' AND path_lc < ?2 || ']' AND instr(substr(path_lc, "
                               "length(?2) + 2), '\\') = 0)) "
                               "ORDER BY path_lc");
    if (!st) return out;
    Reset r{st};
    sqlite3_bind_int64(st, 1, static_cast<qint64>(root));
    bindText(st, 2, p);
    while (sqlite3_step(st) == SQLITE_ROW)
        out << columnText(st, 0);
    return out;
}

bool SqliteRegistry::integrityOk() {
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(m_db, "PRAGMA integrity_check", -1, &st, nullptr) != SQLITE_OK) return false;
    bool ok = sqlite3_step(st) == SQLITE_ROW && columnText(st, 0) == QLatin1String("ok");
    sqlite3_finalize(st);
    return ok;
}
