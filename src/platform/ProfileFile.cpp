#include "platform/ProfileFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>
#include <unistd.h>

namespace {

// The file as it lies on disk, finding a name that differs only in letter case.
QString resolve(const QString& path) {
    const QFileInfo fi(path);
    if (fi.exists()) return path;
    const QDir dir = fi.dir();
    if (!dir.exists()) return path;
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& e : entries)
        if (e.compare(fi.fileName(), Qt::CaseInsensitive) == 0) return dir.filePath(e);
    return path;
}

struct Lines {
    QStringList lines;
    QString eol = QStringLiteral("\r\n");
    bool finalEol = true;
};

// The file's lines; bytes are taken one for one, so lines that are not touched go back
// exactly as they came.
bool load(const QString& path, Lines& out) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return false;
    const QString text = QString::fromLatin1(f.readAll());
    if (text.isEmpty()) return true;
    const bool crlf = text.contains(QStringLiteral("\r\n"));
    out.eol = crlf ? QStringLiteral("\r\n") : QStringLiteral("\n");
    out.lines = text.split(out.eol);
    out.finalEol = out.lines.last().isEmpty();
    if (out.finalEol) out.lines.removeLast();
    return true;
}

// "[Name]" gives Name; anything else a null text.
QString sectionName(const QString& line) {
    const QString t = line.trimmed();
    if (!t.startsWith(QLatin1Char('['))) return QString();
    const int close = t.indexOf(QLatin1Char(']'));
    if (close < 0) return QString();
    return t.mid(1, close - 1).trimmed();
}

// The key of a "key=value" line, or a null text for comments and other lines.
QString keyName(const QString& line) {
    const QString t = line.trimmed();
    if (t.isEmpty() || t.startsWith(QLatin1Char(';')) || t.startsWith(QLatin1Char('['))) return QString();
    const int eq = t.indexOf(QLatin1Char('='));
    if (eq <= 0) return QString();
    return t.left(eq).trimmed();
}

QString valueOf(const QString& line) {
    QString v = line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed();
    if (v.size() >= 2 && (v.front() == QLatin1Char('"') || v.front() == QLatin1Char('\'')) && v.back() == v.front())
        v = v.mid(1, v.size() - 2);
    return v;
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

namespace ProfileFile {

QString read(const QString& path, const QString& section, const QString& key, const QString& def) {
    Lines f;
    if (!load(resolve(path), f)) return def;
    bool inSection = false;
    for (const QString& line : f.lines) {
        const QString s = sectionName(line);
        if (!s.isNull()) {
            inSection = sameName(s, section);
            continue;
        }
        if (inSection && sameName(keyName(line), key)) return valueOf(line);
    }
    return def;
}

bool write(const QString& path, const QString& section, const QString& key, const QString& value) {
    const QString file = resolve(path);
    const QFileInfo fi(file);
    Lines f;
    if (fi.exists()) {
        // A read-only file is refused as the system refuses it, whoever asks: a file that no
        // one may write counts as read-only even for the superuser, who could write it anyway.
        constexpr QFileDevice::Permissions anyWrite =
            QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
        if (!fi.isFile() || !(fi.permissions() & anyWrite) ||
            ::access(QFile::encodeName(file).constData(), W_OK) != 0 || !load(file, f))
            return false;
    } else if (!fi.dir().exists()) {
        return false;
    }

    int sectionLine = -1; // the "[Section]" line
    int lastEntry = -1;   // the last non-blank line of the section
    int keyLine = -1;
    for (int i = 0; i < f.lines.size(); ++i) {
        const QString s = sectionName(f.lines.at(i));
        if (!s.isNull()) {
            if (sectionLine >= 0) break;
            if (sameName(s, section)) sectionLine = lastEntry = i;
            continue;
        }
        if (sectionLine < 0) continue;
        if (!f.lines.at(i).trimmed().isEmpty()) lastEntry = i;
        if (sameName(keyName(f.lines.at(i)), key)) {
            keyLine = i;
            break;
        }
    }

    if (keyLine >= 0) {
        // Keep the key as the file spells it.
        f.lines[keyLine] = keyName(f.lines.at(keyLine)) + QLatin1Char('=') + value;
    } else if (sectionLine >= 0) {
        f.lines.insert(lastEntry + 1, key + QLatin1Char('=') + value);
    } else {
        f.lines << QLatin1Char('[') + section + QLatin1Char(']') << key + QLatin1Char('=') + value;
    }

    QString text = f.lines.join(f.eol);
    if (f.finalEol || !fi.exists()) text += f.eol;
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) return false;
    out.write(text.toLatin1());
    if (!out.commit()) return false;
    if (fi.exists()) QFile::setPermissions(file, fi.permissions());
    return true;
}

} // namespace ProfileFile
