#include "RegTool.h"

#include "platform/SqliteRegistry.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

namespace {
const QString kNotFound = QStringLiteral("ERROR: The system was unable to find the specified registry key or value.");
const QString kExportHeader = QStringLiteral("TimeWard registry export 1");

QString dataText(const RegValue& v) {
    switch (v.type) {
    case REG_SZ:
    case REG_EXPAND_SZ:
        return v.data.toString();
    case REG_DWORD:
        return QStringLiteral("0x") + QString::number(v.data.toUInt(), 16);
    default:
        return QString::fromLatin1(v.data.toByteArray().toHex().toUpper());
    }
}

QString fullName(RegRoot root, const QString& path) {
    const QStringList parts = SqliteRegistry::splitPath(path);
    return parts.isEmpty() ? RegRootName(root) : RegRootName(root) + QLatin1Char('\\') + parts.join(QLatin1Char('\\'));
}

// Options after the key: "/v NAME", "/d DATA", "/t TYPE", "/f", "/ve".
struct Options {
    std::optional<QString> v, d, t;
    bool f = false;
    QString bad;
};

Options parseOptions(const QStringList& a, int from) {
    Options o;
    for (int i = from; i < a.size(); ++i) {
        const QString s = a.at(i).toLower();
        auto next = [&](std::optional<QString>& slot) {
            if (i + 1 >= a.size())
                o.bad = QStringLiteral("ERROR: %1 needs a value.").arg(a.at(i));
            else
                slot = a.at(++i);
        };
        if (s == QLatin1String("/v"))
            next(o.v);
        else if (s == QLatin1String("/d"))
            next(o.d);
        else if (s == QLatin1String("/t"))
            next(o.t);
        else if (s == QLatin1String("/f"))
            o.f = true;
        else if (s == QLatin1String("/ve"))
            o.v = QString();
        else
            o.bad = QStringLiteral("ERROR: Invalid syntax: %1").arg(a.at(i));
    }
    return o;
}

QString escapeText(QString s) {
    s.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    s.replace(QLatin1Char('"'), QStringLiteral("\\\""));
    s.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    s.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    return s;
}

QString unescapeText(const QString& s) {
    QString out;
    for (int i = 0; i < s.size(); ++i) {
        if (s.at(i) == QLatin1Char('\\') && i + 1 < s.size()) {
            const QChar c = s.at(++i);
            out += c == QLatin1Char('n')   ? QChar(QLatin1Char('\n'))
                   : c == QLatin1Char('r') ? QChar(QLatin1Char('\r'))
                                           : c;
        } else {
            out += s.at(i);
        }
    }
    return out;
}

void exportKey(SqliteRegistry& reg, RegRoot root, const QString& path, QTextStream& out) {
    out << '\n' << '[' << fullName(root, path) << "]\n";
    for (const RegValue& v : reg.values(root, path)) {
        out << '"' << escapeText(v.name) << "\"=";
        switch (v.type) {
        case REG_SZ:
            out << '"' << escapeText(v.data.toString()) << "\"\n";
            break;
        case REG_DWORD:
            out << "dword:" << QStringLiteral("%1").arg(v.data.toUInt(), 8, 16, QLatin1Char('0')) << '\n';
            break;
        case REG_EXPAND_SZ:
            out << "expand:\"" << escapeText(v.data.toString()) << "\"\n";
            break;
        default:
            out << "hex(" << v.type << "):" << QString::fromLatin1(v.data.toByteArray().toHex(',')) << '\n';
        }
    }
    for (const QString& sub : reg.subKeys(root, path))
        exportKey(reg, root, path + QLatin1Char('\\') + sub, out);
}

int importFile(SqliteRegistry& reg, const QString& file, QTextStream& out, QTextStream& err) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        err << "ERROR: cannot read " << file << '\n';
        return 1;
    }
    const QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    if (lines.isEmpty() || lines.first().trimmed() != kExportHeader) {
        err << "ERROR: " << file << " is not a TimeWard registry export\n";
        return 1;
    }
    static const QRegularExpression valueLine(QStringLiteral(R"re(^"((?:[^"\\]|\\.)*)"=(.*)$)re"));
    std::optional<RegRoot> root;
    QString path;
    int count = 0;
    reg.beginBatch(); // all of the file or nothing
    bool ok = true;
    for (int n = 1; n < lines.size() && ok; ++n) {
        const QString line = lines.at(n).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';'))) continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            quint32 r = 0;
            if (!SplitRegKey(line.mid(1, line.size() - 2), r, path)) {
                err << "ERROR: line " << n + 1 << ": unknown root\n";
                ok = false;
                break;
            }
            root = static_cast<RegRoot>(r);
            ok = reg.createKey(*root, path);
            continue;
        }
        const auto m = valueLine.match(line);
        if (!root || !m.hasMatch()) {
            err << "ERROR: line " << n + 1 << " is not understood: " << line << '\n';
            ok = false;
            break;
        }
        RegValue v;
        v.name = unescapeText(m.captured(1));
        const QString data = m.captured(2);
        if (data.startsWith(QLatin1Char('"')) && data.endsWith(QLatin1Char('"')) && data.size() >= 2) {
            v.type = REG_SZ;
            v.data = unescapeText(data.mid(1, data.size() - 2));
        } else if (data.startsWith(QLatin1String("dword:"))) {
            bool good = false;
            v.type = REG_DWORD;
            v.data = data.mid(6).toUInt(&good, 16);
            if (!good) {
                err << "ERROR: line " << n + 1 << ": bad number\n";
                ok = false;
                break;
            }
        } else if (data.startsWith(QLatin1String("expand:\"")) && data.endsWith(QLatin1Char('"'))) {
            v.type = REG_EXPAND_SZ;
            v.data = unescapeText(data.mid(8, data.size() - 9));
        } else if (data.startsWith(QLatin1String("hex("))) {
            const int close = data.indexOf(QLatin1String("):"));
            v.type = data.mid(4, close - 4).toInt();
            v.data = QByteArray::fromHex(data.mid(close + 2).remove(QLatin1Char(',')).toLatin1());
        } else {
            err << "ERROR: line " << n + 1 << " is not understood: " << line << '\n';
            ok = false;
            break;
        }
        ok = reg.setValue(*root, path, v);
        ++count;
    }
    if (!ok) reg.failBatch(); // a failed import leaves the store as it was
    reg.endBatch();
    if (!ok) return 1;
    out << "The operation completed successfully. (" << count << " values)\n";
    return 0;
}
} // namespace

bool SplitRegKey(const QString& key, quint32& root, QString& path) {
    QString k = key;
    k.replace(QLatin1Char('/'), QLatin1Char('\\'));
    const int slash = k.indexOf(QLatin1Char('\\'));
    const auto r = RegRootFromName(slash < 0 ? k : k.left(slash));
    if (!r) return false;
    root = static_cast<quint32>(*r);
    path = slash < 0 ? QString() : k.mid(slash + 1);
    return true;
}

int RunRegTool(const QStringList& args, SqliteRegistry& reg, QTextStream& out, QTextStream& err) {
    if (args.size() < 2) {
        err << kRegToolUsage;
        return 1;
    }
    const QString op = args.at(0).toLower();
    quint32 r = 0;
    QString path;
    if (op == QLatin1String("import")) return importFile(reg, args.at(1), out, err);
    if (!SplitRegKey(args.at(1), r, path)) {
        err << "ERROR: Invalid key name: " << args.at(1) << '\n';
        return 1;
    }
    const auto root = static_cast<RegRoot>(r);

    if (op == QLatin1String("export")) {
        if (args.size() != 3) {
            err << kRegToolUsage;
            return 1;
        }
        if (!reg.keyExists(root, path)) {
            err << kNotFound << '\n';
            return 1;
        }
        QFile f(args.at(2));
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
            err << "ERROR: cannot write " << args.at(2) << '\n';
            return 1;
        }
        QTextStream file(&f);
        file << kExportHeader << '\n';
        exportKey(reg, root, path, file);
        file.flush();
        out << "The operation completed successfully.\n";
        return 0;
    }

    const Options o = parseOptions(args, 2);
    if (!o.bad.isEmpty()) {
        err << o.bad << '\n';
        return 1;
    }
    if (op == QLatin1String("query")) {
        if (!reg.keyExists(root, path)) {
            err << kNotFound << '\n';
            return 1;
        }
        QList<RegValue> values;
        if (o.v) {
            const auto v = reg.queryValue(root, path, *o.v);
            if (!v) {
                err << kNotFound << '\n';
                return 1;
            }
            RegValue named = *v;
            // The name as it was first written.
            for (const RegValue& each : reg.values(root, path))
                if (each.name.compare(*o.v, Qt::CaseInsensitive) == 0) named.name = each.name;
            values << named;
        } else {
            values = reg.values(root, path);
        }
        out << '\n' << fullName(root, path) << '\n';
        for (const RegValue& v : values)
            out << "    " << (v.name.isEmpty() ? QStringLiteral("(Default)") : v.name) << "    " << RegTypeName(v.type)
                << "    " << dataText(v) << '\n';
        if (!o.v) {
            const QStringList subs = reg.subKeys(root, path);
            if (!subs.isEmpty()) out << '\n';
            for (const QString& s : subs)
                out << fullName(root, path) << '\\' << s << '\n';
        }
        out << '\n';
        return 0;
    }
    if (op == QLatin1String("add")) {
        if (!o.v) {
            if (!reg.createKey(root, path)) {
                err << "ERROR: " << reg.lastError() << '\n';
                return 1;
            }
            out << "The operation completed successfully.\n";
            return 0;
        }
        RegValue v;
        v.name = *o.v;
        const QString type = o.t.value_or(QStringLiteral("REG_SZ")).toUpper();
        if (type == QLatin1String("REG_SZ")) {
            v.type = REG_SZ;
            v.data = o.d.value_or(QString());
        } else if (type == QLatin1String("REG_DWORD")) {
            bool ok = false;
            const QString d = o.d.value_or(QStringLiteral("0"));
            const qint64 n = d.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) ? d.mid(2).toLongLong(&ok, 16)
                                                                                    : d.toLongLong(&ok);
            if (!ok || n < std::numeric_limits<qint32>::min() || n > std::numeric_limits<quint32>::max()) {
                err << "ERROR: Invalid DWORD value: " << d << '\n';
                return 1;
            }
            v.type = REG_DWORD;
            v.data = static_cast<quint32>(n);
        } else {
            err << "ERROR: Invalid type: " << type << " (REG_SZ or REG_DWORD)\n";
            return 1;
        }
        if (!reg.setValue(root, path, v)) {
            err << "ERROR: " << reg.lastError() << '\n';
            return 1;
        }
        out << "The operation completed successfully.\n";
        return 0;
    }
    if (op == QLatin1String("delete")) {
        if (!reg.keyExists(root, path)) {
            err << kNotFound << '\n';
            return 1;
        }
        if (o.v) {
            if (!reg.queryValue(root, path, *o.v)) {
                err << kNotFound << '\n';
                return 1;
            }
            reg.deleteValue(root, path, *o.v);
        } else {
            reg.deleteKey(root, path);
        }
        out << "The operation completed successfully.\n";
        return 0;
    }
    err << kRegToolUsage;
    return 1;
}
