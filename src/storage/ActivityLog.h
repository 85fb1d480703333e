#pragma once

#include <QString>

class App;

// Appends an entry to the activity log when logging is on: time-stamped as configured, then
// to the configured file (one quoted line) or else to the main window's log list. text
// receives the stamped form. A log file that cannot be opened raises a run-time error.
void WriteActivityLog(App& app, QString& text);
void WriteActivityLog(App& app, const QString& text);

// Appends "[date][time] marker" to the start-up trace timeward.log in the data folder;
// marker receives the whole line.
void WriteWorkLog(App& app, QString& marker);
void WriteWorkLog(App& app, const QString& marker);

// The trace's and the warning file's names.
inline const QString kWorkLogName = QStringLiteral("timeward.log");
inline const QString kWarnLogName = QStringLiteral("warn.log");
