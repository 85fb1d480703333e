#include "RegTool.h"

#include "platform/SqliteRegistry.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextStream>
#include <limits>
#include <optional>

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

// The text between the quotes of an exported string, with its escapes undone; nullopt when
// the text is not one well-formed quoted string.
std::optional<QString> quotedText(const QString& s) {
    if (s.size() < 2 || !s.startsWith(QLatin1Char('"')) || !s.endsWith(QLatin1Char('"'))) return std::nullopt;
    QString out;
    for (int i = 1; i < s.size() - 1; ++i) {
        const QChar c = s.at(i);
        if (c == QLatin1Char('"')) return std::nullopt; // a quote inside must be escaped
        if (c != QLatin1Char('\\')) {
            out += c;
            continue;
        }
        if (i + 1 >= s.size() - 1) return std::nullopt; // the closing quote was escaped
        const QChar e = s.at(++i);
        if (e == QLatin1Char('n'))
            out += QLatin1Char('\n');
        else if (e == QLatin1Char('r'))
            out += QLatin1Char('\r');
        else if (e == QLatin1Char('\\') || e == QLatin1Char('"'))
            out += e;
        else
            return std::nullopt;
    }
    return out;
}

// "hex(T):aa,bb,..." into its type and bytes; nullopt unless every part is well formed.
std::optional<RegValue> hexValue(const QString& data) {
    static const QRegularExpression form(
        QStringLiteral(R"re(^hex\(([0-9]{1,10})\):((?:[0-9a-fA-F]{2}(?:,[0-9a-fA-F]{2})*)?)$)re"));
    const auto m = form.match(data);
    if (!m.hasMatch()) return std::nullopt;
    bool ok = false;
    const uint type = m.captured(1).toUInt(&ok);
    if (!ok || type > static_cast<uint>(std::numeric_limits<int>::max())) return std::nullopt;
    RegValue v;
    v.type = static_cast<int>(type);
    const QByteArray bytes = QByteArray::fromHex(m.captured(2).remove(QLatin1Char(',')).toLatin1());
    // Text types keep their text form, so the value reads back as it was exported.
    if (v.type == REG_SZ || v.type == REG_EXPAND_SZ)
        v.data = QString::fromUtf8(bytes);
    else if (v.type == REG_DWORD) {
        if (bytes.size() != 4) return std::nullopt;
        v.data = static_cast<quint32>(static_cast<quint8>(bytes[0])) |
                 static_cast<quint32>(static_cast<quint8>(bytes[1])) << 8 |
                 static_cast<quint32>(static_cast<quint8>(bytes[2])) << 16 |
                 static_cast<quint32>(static_cast<quint8>(bytes[3])) << 24;
    } else
        v.data = bytes;
    return v;
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
    // The whole file is read before anything is stored: one line that does not parse refuses
    // all of it, and nothing that could not be read is ever stored.
    struct Step {
        RegRoot root;
        QString path;
        std::optional<RegValue> value; // none: create the key
    };
    QList<Step> steps;
    static const QRegularExpression valueLine(QStringLiteral(R"re(^"((?:[^"\\]|\\.)*)"=(.*)$)re"));
    std::optional<RegRoot> root;
    QString path;
    auto refuse = [&](int n, const QString& why) {
        err << "ERROR: line " << n + 1 << ' ' << why << "; nothing was imported\n";
        return 1;
    };
    for (int n = 1; n < lines.size(); ++n) {
        const QString line = lines.at(n).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';'))) continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            quint32 r = 0;
            if (!SplitRegKey(line.mid(1, line.size() - 2), r, path))
                return refuse(n, QStringLiteral("names an unknown root"));
            root = static_cast<RegRoot>(r);
            steps.append({*root, path, std::nullopt});
            continue;
        }
        const auto m = valueLine.match(line);
        if (!root || !m.hasMatch()) return refuse(n, QStringLiteral("is not understood: ") + line);
        const auto name = quotedText(QLatin1Char('"') + m.captured(1) + QLatin1Char('"'));
        if (!name) return refuse(n, QStringLiteral("has a value name that is not understood: ") + line);
        const QString data = m.captured(2);
        std::optional<RegValue> v;
        if (data.startsWith(QLatin1Char('"'))) {
            if (const auto text = quotedText(data)) {
                v = RegValue{};
                v->type = REG_SZ;
                v->data = *text;
            }
        } else if (data.startsWith(QLatin1String("dword:"))) {
            static const QRegularExpression dword(QStringLiteral("^dword:([0-9a-fA-F]{1,8})$"));
            const auto d = dword.match(data);
            if (d.hasMatch()) {
                v = RegValue{};
                v->type = REG_DWORD;
                v->data = d.captured(1).toUInt(nullptr, 16);
            }
        } else if (data.startsWith(QLatin1String("expand:"))) {
            if (const auto text = quotedText(data.mid(7))) {
                v = RegValue{};
                v->type = REG_EXPAND_SZ;
                v->data = *text;
            }
        } else if (data.startsWith(QLatin1String("hex("))) {
            v = hexValue(data);
        }
        if (!v) return refuse(n, QStringLiteral("holds a value that is not understood: ") + line);
        v->name = *name;
        steps.append({*root, path, v});
    }
    int count = 0;
    reg.beginBatch(); // all of the file or nothing
    bool ok = true;
    for (const Step& step : steps) {
        ok = step.value ? reg.setValue(step.root, step.path, *step.value) : reg.createKey(step.root, step.path);
        if (!ok) break;
        if (step.value) ++count;
    }
    if (!ok) reg.failBatch(); // a failed import leaves the store as it was
    if (!reg.endBatch() || !ok) {
        err << "ERROR: the import could not be stored, nothing was imported: " << reg.lastError() << '\n';
        return 1;
    }
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
