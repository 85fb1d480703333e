#include "storage/ActivityLog.h"

#include "core/App.h"
#include "platform/Clock.h"
#include "platform/Paths.h"
#include "storage/ConfigKeys.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {
bool sameFile(const QString& a, const QString& b) {
    const QFileInfo fa(a), fb(b);
    if (a.isEmpty() || b.isEmpty()) return false;
    if (fa.exists() && fb.exists()) return fa.canonicalFilePath() == fb.canonicalFilePath();
    return QDir::cleanPath(fa.absoluteFilePath()) == QDir::cleanPath(fb.absoluteFilePath());
}

bool insideFolder(const QString& file, const QString& folder) {
    const QString dir = QFileInfo(QFileInfo(file).absolutePath()).canonicalFilePath();
    const QString top = QFileInfo(folder).canonicalFilePath();
    return !top.isEmpty() && (dir == top || dir.startsWith(top + QLatin1Char('/')));
}

// Moves activity.log to activity.log.1 and each older file one number up; the oldest goes.
void rotateLastingLog(const QString& file) {
    QFile::remove(file + QLatin1Char('.') + QString::number(kLastingLogFiles - 1));
    for (int i = kLastingLogFiles - 2; i >= 1; --i)
        QFile::rename(file + QLatin1Char('.') + QString::number(i), file + QLatin1Char('.') + QString::number(i + 1));
    QFile::rename(file, file + QStringLiteral(".1"));
}

// The copy in the data folder outlives the on-screen list. It is an addition to the chosen
// destination, so a failure here never stops the entry from going there.
void appendLastingLog(App& app, const QString& text) {
    const QString file = app.paths().dataFile(kLastingLogName);
    const QByteArray bytes = (text + QLatin1Char('\n')).toUtf8();
    const QFileInfo info(file);
    if (info.exists() && info.size() > 0 && info.size() + bytes.size() > kLastingLogBytes) rotateLastingLog(file);
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append)) {
        qWarning().noquote() << "cannot write the activity log" << file << f.errorString();
        return;
    }
    f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    f.write(bytes);
}

void appendLine(const QString& file, const QString& line) {
    QFile f(file);
    if (file.isEmpty() || !f.open(QIODevice::WriteOnly | QIODevice::Append))
        throw RuntimeError(RuntimeError::PathFileAccess, RuntimeError::standardText(RuntimeError::PathFileAccess),
                           QStringLiteral("WriteActivityLog"));
    const QByteArray bytes = (line + QStringLiteral("\r\n")).toUtf8();
    if (f.write(bytes) != bytes.size())
        throw RuntimeError(RuntimeError::PathFileAccess, RuntimeError::standardText(RuntimeError::PathFileAccess),
                           QStringLiteral("WriteActivityLog"));
}
} // namespace

void WriteActivityLog(App& app, QString& text) {
    using namespace ConfigKeys;
    if (!app.read(Sections::Config, LogEnable, 0).is(1)) return;
    if (app.read(Sections::Config, LogTimeStamp, 0).is(1)) {
        const Setting use = app.read(Sections::Config, LogUse, "None");
        const QDateTime now = app.platform.clock->now();
        const QString date = DateText(now.date());
        const QString time = TimeText(now.time());
        if (use.is("Time"))
            text = QLatin1Char('[') + time + QStringLiteral("] ") + text;
        else if (use.is("Date"))
            text = QLatin1Char('[') + date + QStringLiteral("] ") + text;
        else if (use.is("Both"))
            text = QLatin1Char('[') + date + QStringLiteral("][") + time + QStringLiteral("] ") + text;
    }
    if (app.read(Sections::Config, LogTFOn, 0).is(1)) {
        const QString file = app.read(Sections::Config, LogTFFile).text();
        const QString path = file.isEmpty() ? QString() : app.paths().native(file);
        // A chosen file that is the data folder's own copy gets its quoted line only.
        if (!sameFile(path, app.paths().dataFile(kLastingLogName))) appendLastingLog(app, text);
        const bool creates = !path.isEmpty() && !QFileInfo::exists(path);
        appendLine(path, QLatin1Char('"') + text + QLatin1Char('"'));
        // Only the data folder is owner-only: a log file made elsewhere is readable like any other
        // file there (a file that exists keeps its mode).
        if (creates && !insideFolder(path, app.paths().dataFolder)) QFile::setPermissions(path, kSharedFileMode);
        return;
    }
    // The list first: a main window loaded later reads the file with it.
    if (app.read(Sections::Config, LogTS, 0).is(1)) app.model.addLogLine(text);
    appendLastingLog(app, text);
}

QStringList LastingLogTail(const Paths& paths, int count) {
    QStringList tail;
    const QString file = paths.dataFile(kLastingLogName);
    // Newest file first; older files fill what the newest does not hold.
    for (int i = 0; i < kLastingLogFiles && tail.size() < count; ++i) {
        QFile f(i == 0 ? file : file + QLatin1Char('.') + QString::number(i));
        if (!f.open(QIODevice::ReadOnly)) break;
        QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
        if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
        for (QString& l : lines)
            if (l.endsWith(QLatin1Char('\r'))) l.chop(1);
        const qsizetype take = std::min<qsizetype>(lines.size(), count - tail.size());
        tail = lines.mid(lines.size() - take) + tail;
    }
    return tail;
}

void WriteActivityLog(App& app, const QString& text) {
    QString t = text;
    WriteActivityLog(app, t);
}

void WriteConfigChangeLog(App& app, const QString& text) {
    if (app.read(Sections::Config, ConfigKeys::LogEConfig).is(1)) WriteActivityLog(app, text);
}

void WriteLoginLog(App& app, const QString& text) {
    if (app.read(Sections::Config, ConfigKeys::LogELogin, 1).is(1)) WriteActivityLog(app, text);
}

void WriteTimeOutLog(App& app, const QString& text) {
    if (app.read(Sections::Config, ConfigKeys::LogETimeouts).is(1)) WriteActivityLog(app, text);
}

void WriteWorkLog(App& app, QString& marker) {
    const QDateTime now = app.platform.clock->now();
    marker = QLatin1Char('[') + DateText(now.date()) + QStringLiteral("][") + TimeText(now.time()) +
             QStringLiteral("] ") + marker;
    appendLine(app.paths().dataFile(kWorkLogName), marker);
}

void WriteWorkLog(App& app, const QString& marker) {
    QString m = marker;
    WriteWorkLog(app, m);
}
