#include "storage/SettingsStore.h"

#include <limits>

Setting SettingsStore::read(const QString& app, const QString& section, const QString& key,
                            const std::optional<QString>& def) {
    const auto v = m_registry.queryValue(RegRoot::LocalMachine, SectionPath(app, section), key);
    Setting result;
    if (v && v->type == REG_SZ)
        result = Setting(v->data.toString());
    else if (v && v->type == REG_DWORD)
        result = Setting(QString::number(v->data.toUInt()));
    LastSettingSection = section;
    LastSettingKey = key;
    if (result.isAbsent() && def) return Setting(*def);
    return result;
}

Setting SettingsStore::ReadSetting(const QString& app, const QString& section, const QString& key) {
    return read(app, section, key, std::nullopt);
}
Setting SettingsStore::ReadSetting(const QString& app, const QString& section, const QString& key, const QString& def) {
    return read(app, section, key, def);
}
Setting SettingsStore::ReadSetting(const QString& app, const QString& section, const QString& key, const char* def) {
    return read(app, section, key, QString::fromUtf8(def));
}
Setting SettingsStore::ReadSetting(const QString& app, const QString& section, const QString& key, long long def) {
    return read(app, section, key, QString::number(def));
}
Setting SettingsStore::ReadSetting(const QString& app, const QString& section, const QString& key, int def) {
    return read(app, section, key, QString::number(def));
}
Setting SettingsStore::ReadSetting(const QString& app, const QString& section, const QString& key, bool def) {
    return read(app, section, key, BoolText(def));
}

void SettingsStore::WriteSetting(const QString& app, const QString& section, const QString& key, const QString& value) {
    SetRegistryValue(RegRoot::LocalMachine, SectionPath(app, section), key, value, REG_SZ);
}
void SettingsStore::WriteSetting(const QString& app, const QString& section, const QString& key, const char* value) {
    WriteSetting(app, section, key, QString::fromUtf8(value));
}
void SettingsStore::WriteSetting(const QString& app, const QString& section, const QString& key, long long value) {
    WriteSetting(app, section, key, QString::number(value));
}
void SettingsStore::WriteSetting(const QString& app, const QString& section, const QString& key, int value) {
    WriteSetting(app, section, key, QString::number(value));
}
void SettingsStore::WriteSetting(const QString& app, const QString& section, const QString& key, bool value) {
    WriteSetting(app, section, key, BoolText(value));
}

void SettingsStore::DeleteRegistryKey(const QString& path) {
    m_registry.deleteKey(RegRoot::LocalMachine, path);
}

void SettingsStore::DeleteRegistryValue(RegRoot root, const QString& path, const QString& name) {
    m_registry.deleteValue(root, path, name);
}

void SettingsStore::CreateRegistryKey(RegRoot root, const QString& path) {
    m_registry.createKey(root, path);
}

void SettingsStore::SetRegistryValue(RegRoot root, const QString& path, const QString& name, const QString& value,
                                     int type) {
    RegValue v;
    v.name = name;
    v.type = type;
    if (type == REG_SZ) {
        v.data = value;
    } else if (type == REG_DWORD) {
        bool ok = false;
        const long long n = value.trimmed().toLongLong(&ok);
        // A text that is no 32-bit number stores nothing rather than a wrong number.
        if (!ok || n < std::numeric_limits<qint32>::min() || n > std::numeric_limits<quint32>::max()) return;
        v.data = static_cast<quint32>(n);
    } else {
        return;
    }
    m_registry.setValue(root, path, v);
}

QString SettingsStore::sdaGetRegEntry(const QString& rootName, const QString& path, const QString& name, int& type) {
    const auto root = RegRootFromName(rootName, /*allowShort=*/false);
    if (!root || !m_registry.keyExists(*root, path)) return QString();
    const auto v = m_registry.queryValue(*root, path, name);
    if (!v) return QString();
    type = v->type;
    QString text;
    switch (v->type) {
    case REG_SZ:
    case REG_EXPAND_SZ:
        text = v->data.toString();
        break;
    case REG_DWORD:
        text = QString::number(v->data.toUInt());
        break;
    default:
        text = QString::fromLatin1(v->data.toByteArray());
    }
    return text + QChar(0);
}

Setting SettingsStore::TakeSetting(const QString& app, const QString& section, const QString& key,
                                   const QString& replacement) {
    const auto v =
        m_registry.takeValue(RegRoot::LocalMachine, SectionPath(app, section), key, RegValue{key, REG_SZ, replacement});
    if (v && v->type == REG_SZ) return Setting(v->data.toString());
    return Setting();
}
