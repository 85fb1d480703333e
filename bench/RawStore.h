#pragma once

// What the store's own file costs without the program around it, measured in the same run as
// the program's figures: a prepared point query of one value and the commit of three changed
// values, on a connection of their own to the same file. RatioReporter prints the program's
// figures against them (and against each other) once every benchmark has run.
#include "platform/SqliteRegistry.h"
#include "storage/SettingsStore.h"

#include <QFile>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <sqlite3.h>
#include <string>
#include <vector>

// A connection of its own to a store file, set up as the program sets up its own.
class RawStore final {
public:
    explicit RawStore(const QString& file) {
        const QByteArray name = QFile::encodeName(file);
        if (sqlite3_open_v2(name.constData(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK)
            return;
        sqlite3_busy_timeout(m_db, 30000);
        sqlite3_exec(m_db, "PRAGMA synchronous=NORMAL", nullptr, nullptr, nullptr);
        sqlite3_prepare_v3(m_db, "SELECT type, data FROM reg_values WHERE root=?1 AND path_lc=?2 AND name_lc=?3", -1,
                           SQLITE_PREPARE_PERSISTENT, &m_select, nullptr);
        sqlite3_prepare_v3(m_db,
                           "INSERT INTO reg_values(root, path_lc, name_lc, name, type, data) VALUES(?1, ?2, ?3, ?3, 1, "
                           "?4) ON CONFLICT(root, path_lc, name_lc) DO UPDATE SET data=excluded.data",
                           -1, SQLITE_PREPARE_PERSISTENT, &m_upsert, nullptr);
    }
    ~RawStore() {
        sqlite3_finalize(m_select);
        sqlite3_finalize(m_upsert);
        sqlite3_close_v2(m_db);
    }
    RawStore(const RawStore&) = delete;
    RawStore& operator=(const RawStore&) = delete;
    bool ok() const { return m_select && m_upsert; }

    // One value's text by the lower-case path and name, as the store keeps them.
    std::string query(const std::string& pathLc, const std::string& nameLc) {
        sqlite3_bind_int64(m_select, 1, static_cast<qint64>(RegRoot::LocalMachine));
        sqlite3_bind_text(m_select, 2, pathLc.data(), static_cast<int>(pathLc.size()), SQLITE_STATIC);
        sqlite3_bind_text(m_select, 3, nameLc.data(), static_cast<int>(nameLc.size()), SQLITE_STATIC);
        std::string text;
        if (sqlite3_step(m_select) == SQLITE_ROW) {
            const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(m_select, 1));
            if (p) text.assign(p, static_cast<size_t>(sqlite3_column_bytes(m_select, 1)));
        }
        sqlite3_reset(m_select);
        return text;
    }

    // Three values written in one transaction.
    bool commitThree(const std::string& pathLc, const std::string (&names)[3], const std::string (&texts)[3]) {
        if (sqlite3_exec(m_db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK) return false;
        bool ok = true;
        for (int i = 0; i < 3 && ok; ++i) {
            sqlite3_bind_int64(m_upsert, 1, static_cast<qint64>(RegRoot::LocalMachine));
            sqlite3_bind_text(m_upsert, 2, pathLc.data(), static_cast<int>(pathLc.size()), SQLITE_STATIC);
            sqlite3_bind_text(m_upsert, 3, names[i].data(), static_cast<int>(names[i].size()), SQLITE_STATIC);
            sqlite3_bind_text(m_upsert, 4, texts[i].data(), static_cast<int>(texts[i].size()), SQLITE_STATIC);
            ok = sqlite3_step(m_upsert) == SQLITE_DONE;
            sqlite3_reset(m_upsert);
        }
        return sqlite3_exec(m_db, ok ? "COMMIT" : "ROLLBACK", nullptr, nullptr, nullptr) == SQLITE_OK && ok;
    }

private:
    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_select = nullptr;
    sqlite3_stmt* m_upsert = nullptr;
};

// The lower-case path of a section of the program's settings, as the store keeps it.
inline std::string RawSectionPath(const QString& section) {
    return SettingsStore::SectionPath(kAppName, section).toLower().toStdString();
}

// The raw point query of a present value; registered by each program that compares with it.
inline void BM_Raw_PointQuery(benchmark::State& state, const QString& file, const QString& section,
                              const QString& name) {
    RawStore raw(file);
    if (!raw.ok()) {
        state.SkipWithError("cannot open the store file");
        return;
    }
    const std::string path = RawSectionPath(section);
    const std::string key = name.toLower().toStdString();
    for (auto _ : state)
        benchmark::DoNotOptimize(raw.query(path, key));
}

// The raw commit of three changed values (a session second's write) in a section of their own.
inline void BM_Raw_CommitThree(benchmark::State& state, const QString& file) {
    RawStore raw(file);
    if (!raw.ok()) {
        state.SkipWithError("cannot open the store file");
        return;
    }
    const std::string path = RawSectionPath(QStringLiteral("Raw"));
    const std::string names[3] = {"freesec", "freemin", "freehours"};
    long long i = 0;
    for (auto _ : state) {
        ++i;
        const std::string texts[3] = {std::to_string(i % 60), std::to_string(i / 60 % 60), std::to_string(i / 3600)};
        if (!raw.commitThree(path, names, texts)) {
            state.SkipWithError("commit refused");
            return;
        }
    }
}

// The console report, and each benchmark's real time per iteration (the median when the
// benchmarks are repeated) for the ratio lines printed at the end.
class RatioReporter final : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs) {
            if (r.error_occurred) continue;
            const bool median = r.run_type == Run::RT_Aggregate && r.aggregate_name == "median";
            if (r.run_type == Run::RT_Aggregate && !median) continue;
            const std::string name = r.run_name.str();
            if (!median && m_fromMedian.count(name)) continue;
            m_ns[name] = r.GetAdjustedRealTime() * 1e9 / benchmark::GetTimeUnitMultiplier(r.time_unit);
            if (median) m_fromMedian[name] = true;
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // "what / against = ratio (aim <= aim)", or why no ratio could be given.
    void printRatio(const std::string& what, const std::string& against, double aim) const {
        const auto a = m_ns.find(what), b = m_ns.find(against);
        if (a == m_ns.end() || b == m_ns.end() || b->second <= 0) {
            std::printf("ratio %s / %s: not measured in this run\n", what.c_str(), against.c_str());
            return;
        }
        const double ratio = a->second / b->second;
        std::printf("ratio %s / %s = %.3f (%.0f ns / %.0f ns; aim <= %.2f: %s)\n", what.c_str(), against.c_str(), ratio,
                    a->second, b->second, aim, ratio <= aim ? "met" : "missed");
    }

private:
    std::map<std::string, double> m_ns;
    std::map<std::string, bool> m_fromMedian;
};
