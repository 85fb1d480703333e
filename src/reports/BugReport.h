#pragma once

#include <QString>

class App;

// Where the report is mailed: "BugReportAddress" of "Config", empty when none is set (the
// report is then saved to a file for the parent to send).
QString BugReportAddress(App& app);

// The bug report as the mail window shows it, lines separated by CR LF: the error wizard's
// answers, the version and folder, the pending run-time error (if any), the activity log
// file (if there is one) and the start-up trace of this run and the one before.
QString ComposeBugReport(App& app);

// The error wizard's check of its fields: the message to show, or an empty text when the
// answers may be kept.
QString ErrorWizardCheck(const QString& name, const QString& email);
