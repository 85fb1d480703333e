#pragma once

#include "platform/SqliteRegistry.h"
#include "storage/Setting.h"

#include <QString>
#include <optional>

// The program's one way to persistent state: sections of named text values below
// HKEY_LOCAL_MACHINE\Software\<application>. Reads are served from the registry's memory of
// the values, which it keeps true to the file across processes.
class SettingsStore final {
public:
    explicit SettingsStore(SqliteRegistry& registry) : m_registry(registry) {}

    // The stored value, or the default when the value is absent (an empty text is not absent).
    // REG_DWORD values read as their number; values of any other type read as absent.
    Setting ReadSetting(const QString& app, const QString& section, const QString& key);
    Setting ReadSetting(const QString& app, const QString& section, const QString& key, const QString& def);
    Setting ReadSetting(const QString& app, const QString& section, const QString& key, const char* def);
    Setting ReadSetting(const QString& app, const QString& section, const QString& key, long long def);
    Setting ReadSetting(const QString& app, const QString& section, const QString& key, int def);
    Setting ReadSetting(const QString& app, const QString& section, const QString& key, bool def);

    void WriteSetting(const QString& app, const QString& section, const QString& key, const QString& value);
    void WriteSetting(const QString& app, const QString& section, const QString& key, const char* value);
    void WriteSetting(const QString& app, const QString& section, const QString& key, long long value);
    void WriteSetting(const QString& app, const QString& section, const QString& key, int value);
    void WriteSetting(const QString& app, const QString& section, const QString& key, bool value);

    // Raw registry operations. Failures are not reported, as the system's own calls are not.
    void DeleteRegistryKey(const QString& path); // below HKEY_LOCAL_MACHINE, with everything below it
    void DeleteRegistryValue(RegRoot root, const QString& path, const QString& name);
    void CreateRegistryKey(RegRoot root, const QString& path);
    // type 1 stores text, 4 a signed 32-bit number; any other type stores nothing.
    void SetRegistryValue(RegRoot root, const QString& path, const QString& name, const QString& value, int type);
    // The value's text followed by its terminating NUL; the empty text for an unknown root
    // name (short forms such as HKCU are unknown here) or a key that does not exist.
    // type receives the value's type.
    QString sdaGetRegEntry(const QString& rootName, const QString& path, const QString& name, int& type);

    // Reads a value and replaces it with the given text in one transaction (the command
    // mailbox: a command posted in between is never lost). An absent value stays absent.
    Setting TakeSetting(const QString& app, const QString& section, const QString& key, const QString& replacement);

    // Groups writes into one transaction: another copy sees all of them or none.
    class Batch final {
    public:
        explicit Batch(SettingsStore& s) : m_reg(s.m_registry) { m_reg.beginBatch(); }
        ~Batch() {
            if (m_open) m_reg.endBatch();
        }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;
        // Ends the batch now: true when its writes reached the file (for a batch inside
        // another, when none of them has failed so far).
        bool commit() {
            if (!m_open) return false;
            m_open = false;
            return m_reg.endBatch();
        }

    private:
        SqliteRegistry& m_reg;
        bool m_open = true;
    };

    QString LastSettingSection;
    QString LastSettingKey;

    SqliteRegistry& registry() { return m_registry; }
    static QString SectionPath(const QString& app, const QString& section) {
        return QStringLiteral("Software\\") + app + QLatin1Char('\\') + section;
    }

private:
    Setting read(const QString& app, const QString& section, const QString& key, const std::optional<QString>& def);
    SqliteRegistry& m_registry;
};

// The application name every caller passes.
inline const QString kAppName = QStringLiteral("TimeWard");
