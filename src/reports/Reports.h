#pragma once

#include "platform/Printer.h"

#include <QList>
#include <QString>
#include <QStringList>

class App;
struct UsageOverview;

// The program's version as every window and report shows it.
inline const QString kProgramVersion = QStringLiteral(TIMEWARD_VERSION);

// One row of the main window's user list, cell by cell.
struct UserListRow {
    QString user;
    QString parent;
    QString measuredBy;
    QString timeAllowed;
    QString timeRemaining;
};

// The printed reports as lines of text; fields within a line are separated by tabs.
// The four header lines every report starts with: title, when it was printed, version, blank.
QStringList ReportHeader(App& app, const QString& title);
QStringList LogReportLines(App& app, const QStringList& logLines);
QStringList TimeUsageReportLines(App& app, const QList<UserListRow>& rows);
QStringList UserInformationReportLines(App& app, const QList<UserListRow>& rows);
QStringList PasswordReportLines(App& app, const QString& userName, const QStringList& passwords);
// The weekly usage report: per user the measure, the allowance a day, the last 7 days' total
// and average, and each day of the overview with its time.
QStringList WeeklyUsageReportLines(App& app, const UsageOverview& usage);
// The name column of the time usage report: short names get two tabs, middling ones one,
// and long ones are cut to 13 characters and "..." and get one.
QString TimeUsageNameColumn(const QString& name);
// Packs entries, each followed by a tab, into lines of at most 79 characters.
QStringList PackPasswordLines(const QStringList& passwords);

// What the menus call. Each asks its confirmation first; No prints nothing.
void PrintLogReport(App& app, const QStringList& logLines);                                  // mnuPrintLog
void PrintTimeUsageReport(App& app, const QList<UserListRow>& rows);                         // mnuPrintTime
void PrintUserInformationReport(App& app, const QList<UserListRow>& rows);                   // mnuPrintUL
void PrintEverything(App& app, const QStringList& logLines, const QList<UserListRow>& rows); // mnuPrintEverything
void PrintPasswordReport(App& app, const QString& userName, const QStringList& passwords);   // cmdPrintPW
void ShowPrinterSetup(App& app);
// mnuPrintUsage: the weekly usage report, with the chart on a page of its own in a PDF.
void PrintWeeklyUsageReport(App& app, const Printer::PagePainter& chart); // mnuPrintSetup

// The Help menu: the help window at its contents, its keyword index, and help on using help.
void ShowHelpIndex(App& app);       // mnuIndex, mnuIndex2
void ShowHelpSearch(App& app);      // mnuSearch, mnuSearch2
void ShowHelpOnUsingHelp(App& app); // mnuUsingHelp, mnuUsingHelp2
