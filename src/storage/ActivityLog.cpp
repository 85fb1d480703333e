#include "storage/ActivityLog.h"

#include "core/App.h"
#include "platform/Clock.h"
#include "storage/ConfigKeys.h"

#include <QFile>

namespace {
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
        appendLine(file.isEmpty() ? QString() : app.paths().native(file), QLatin1Char('"') + text + QLatin1Char('"'));
        return;
    }
    if (app.read(Sections::Config, LogTS, 0).is(1) && app.ui.addLogLine) app.ui.addLogLine(text);
}

void WriteActivityLog(App& app, const QString& text) {
    QString t = text;
    WriteActivityLog(app, t);
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
