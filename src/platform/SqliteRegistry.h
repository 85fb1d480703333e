#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>
#include <stdexcept>

struct sqlite3;
struct sqlite3_stmt;

// Registry roots with the system's numbers.
enum class RegRoot : quint32 {
    ClassesRoot = 0x80000000u,
    CurrentUser = 0x80000001u,
    LocalMachine = 0x80000002u,
    Users = 0x80000003u,
    PerformanceData = 0x80000004u,
    CurrentConfig = 0x80000005u,
    DynData = 0x80000006u,
};

enum RegType : int { REG_NONE = 0, REG_SZ = 1, REG_EXPAND_SZ = 2, REG_BINARY = 3, REG_DWORD = 4 };

// "HKEY_LOCAL_MACHINE" or "HKLM" (any case) to its root; nullopt for anything else.
std::optional<RegRoot> RegRootFromName(const QString& name, bool allowShort = true);
QString RegRootName(RegRoot root);
QString RegTypeName(int type);

struct RegValue {
    QString name;
    int type = REG_SZ;
    QVariant data; // QString for REG_SZ/REG_EXPAND_SZ, quint32 for REG_DWORD, QByteArray otherwise
};

// The store could not be opened: the file is damaged, not a database, not reachable, or the
// device that holds it is full.
class StoreOpenError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The registry in one SQLite file. Roots, key paths and value names match without regard
// to letter case; a key's parents exist whenever it does; deleting a key deletes everything
// below it. Each operation is its own transaction unless a batch is open; every write
// transaction begins IMMEDIATE so that a second process waits for the lock instead of
// failing half-way, and a value that already holds the same data is not written again.
// Values once read or written are served from memory for as long as the file's data version
// says no other connection has committed since; each read outside a write transaction asks
// the file for it, so a value another process wrote is seen by the very next read.
class SqliteRegistry final {
public:
    enum class Durability { Normal, Full };
    // fileName may be ":memory:". Throws StoreOpenError when the file is not a usable store;
    // such a file is never written to.
    explicit SqliteRegistry(const QString& fileName, Durability durability = Durability::Normal);
    ~SqliteRegistry();
    SqliteRegistry(const SqliteRegistry&) = delete;
    SqliteRegistry& operator=(const SqliteRegistry&) = delete;

    std::optional<RegValue> queryValue(RegRoot root, const QString& path, const QString& name);
    bool setValue(RegRoot root, const QString& path, const RegValue& value);
    bool createKey(RegRoot root, const QString& path);
    bool keyExists(RegRoot root, const QString& path);
    bool deleteKey(RegRoot root, const QString& path); // with every key and value below it
    bool deleteValue(RegRoot root, const QString& path, const QString& name);
    QList<RegValue> values(RegRoot root, const QString& path);
    QStringList subKeys(RegRoot root, const QString& path); // names as first written

    // Several operations as one transaction: another process sees all of them or none.
    // Batches nest; only the outermost commits. endBatch is true when the outermost batch
    // committed (and, for an inner one, when nothing inside it has failed so far).
    void beginBatch();
    bool endBatch();
    // Whether a batch holds the write transaction now (a batch that could not begin leaves
    // the operations inside it to their own transactions).
    bool batchOpen() const { return m_batchDepth > 0; }
    // Makes the open batch roll back instead of commit.
    void failBatch() {
        if (m_batchDepth > 0) m_batchOk = false;
    }

    // Reads a value and clears it in one transaction, so a write between the two is never lost.
    // The value is replaced by replacement, or deleted when replacement is empty.
    std::optional<RegValue> takeValue(RegRoot root, const QString& path, const QString& name,
                                      const std::optional<RegValue>& replacement = std::nullopt);

    // Write transactions committed by this connection that changed the store (a transaction
    // that wrote nothing costs no disk write), for the benchmarks and tests that hold a
    // session second to one commit.
    quint64 commits() const { return m_commits; }

    // How long a write waits for another process's write lock. The default suits rare
    // administrative writes; the once-a-second session clock writes under a short wait
    // instead, so that a lock held elsewhere costs its window no more than a moment.
    static constexpr int kLongWaitMs = 30000;
    static constexpr int kShortWaitMs = 250;
    // For the life of this object every write waits at most waitMs in total; once that is
    // used up, further writes in the scope fail at once instead of waiting again.
    class ShortWait final {
    public:
        explicit ShortWait(SqliteRegistry& reg, int waitMs = kShortWaitMs);
        ~ShortWait();
        ShortWait(const ShortWait&) = delete;
        ShortWait& operator=(const ShortWait&) = delete;

    private:
        SqliteRegistry& m_reg;
        qint64 m_savedDeadline;
        bool m_savedScoped;
    };

    QString fileName() const { return m_fileName; }
    QString lastError() const { return m_lastError; }
    // True when the last failed operation failed because the device holding the store is full.
    bool lastErrorWasDiskFull() const { return m_diskFull; }
    // Counts every write that did not reach the file; a caller compares it before and after.
    quint64 writeFailures() const { return m_writeFailures; }
    // Counts every read that failed (and so answered "absent"); a caller compares it before
    // and after, as for writes.
    quint64 readFailures() const { return m_readFailures; }
    bool integrityOk();

    // Splits a key path on "\" (and "/"), dropping empty parts.
    static QStringList splitPath(const QString& path);

private:
    struct Stmt;
    sqlite3_stmt* prepare(const char* sql);
    bool exec(const char* sql);
    bool beginWrite();
    bool endWrite(bool ok);
    bool ensureKey(RegRoot root, const QStringList& parts);
    bool deleteValueNoTxn(RegRoot root, const QString& pathLc, const QString& name);
    void fail(const char* where);
    // Whether the remembered values may be used; forgets them when another connection has
    // committed since they were read.
    bool cacheCurrent();
    QString errorText(int rc);
    friend int busyHandler(void* self, int count);

    sqlite3* m_db = nullptr;
    QString m_fileName;
    QString m_lastError;
    int m_batchDepth = 0;
    bool m_batchOk = true;
    quint64 m_commits = 0;
    long long m_changesAtBegin = 0;
    int m_unopenedBatches = 0; // outermost batches whose transaction could not begin
    bool m_diskFull = false;
    quint64 m_writeFailures = 0;
    quint64 m_readFailures = 0;
    // Monotonic milliseconds after which a waiting write gives up; set for each write, or
    // once for a short-wait scope.
    qint64 m_waitDeadline = 0;
    bool m_scopedWait = false;
    struct Cache;
    Cache* m_cache = nullptr;
};
