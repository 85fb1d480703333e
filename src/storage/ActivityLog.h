#pragma once

#include <QString>
#include <QStringList>

class App;
struct Paths;

// Appends an entry to the activity log when logging is on: time-stamped as configured, then
// to the configured file (one quoted line) or else to the main window's log list. text
// receives the stamped form. A log file that cannot be opened raises a run-time error.
// Every entry is also kept in activity.log in the data folder, one plain line each, so that
// what happened while the main window was closed is still there after a restart.
void WriteActivityLog(App& app, QString& text);
void WriteActivityLog(App& app, const QString& text);
// An entry of each event kind, written only while its switch in "Config" is 1: a change of the
// configuration or of the users ("LogEConfig"), a login or a refused one ("LogELogin", on when
// absent, as the login reads it), a time-out ("LogETimeouts").
void WriteConfigChangeLog(App& app, const QString& text);
void WriteLoginLog(App& app, const QString& text);
void WriteTimeOutLog(App& app, const QString& text);

// Appends "[date][time] marker" to the start-up trace timeward.log in the data folder;
// marker receives the whole line.
void WriteWorkLog(App& app, QString& marker);
void WriteWorkLog(App& app, const QString& marker);

// The last count entries of the data folder's activity log, oldest first, reaching into the
// rotated files when the current one holds fewer.
QStringList LastingLogTail(const Paths& paths, int count);

// activity.log starts afresh when an entry would take it past 1 MB; five files are kept
// (activity.log and activity.log.1 to .4, the highest the oldest).
inline const QString kLastingLogName = QStringLiteral("activity.log");
constexpr qint64 kLastingLogBytes = 1024 * 1024;
constexpr int kLastingLogFiles = 5;
// How many of its entries the main window's log list shows when it opens.
constexpr int kLogListReload = 500;

// The trace's and the warning file's names.
inline const QString kWorkLogName = QStringLiteral("timeward.log");
inline const QString kWarnLogName = QStringLiteral("warn.log");
