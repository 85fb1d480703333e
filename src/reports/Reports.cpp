#include "reports/Reports.h"

#include "core/App.h"
#include "platform/Clock.h"
#include "platform/Help.h"
#include "platform/MessageBox.h"
#include "platform/Printer.h"
#include "storage/ConfigKeys.h"
#include "timekeeping/Periods.h"
#include "timekeeping/TimeFields.h"
#include "timekeeping/UsageHistory.h"
#include "users/UserKeys.h"
#include "users/UserTable.h"

#include <QLocale>

namespace {
const QChar kTab = QLatin1Char('\t');
const QString kLogTitle = QStringLiteral("TimeWard Log");
const QString kTimeUsageTitle = QStringLiteral("TimeWard Time Usage");
const QString kPasswordsTitle = QStringLiteral("TimeWard User Passwords");
const QString kUserInformationTitle = QStringLiteral("TimeWard User Information");
constexpr int kLineWidth = 79;

QString yesNo(const Setting& s) {
    return s.is(1) ? QStringLiteral("Yes") : QStringLiteral("No");
}

struct Job {
    QString name;
    QStringList lines;
    Printer::PagePainter picture = {};
};

bool confirm(App& app, const QString& question) {
    return app.platform.messageBox->show(question, kProgramTitle, MsgButtons::YesNo, MsgIcon::Question) ==
           MsgAnswer::Yes;
}

// Sends the jobs in order. A job that went to a file, or failed, is told in one message at
// the end, so that nothing printed is lost without the user knowing where it went.
void printJobs(App& app, const QList<Job>& jobs) {
    QStringList files;
    QStringList errors;
    for (const Job& job : jobs) {
        const Printer::Result r = job.picture ? app.platform.printer->printWithPicture(job.name, job.lines, job.picture)
                                              : app.platform.printer->print(job.name, job.lines);
        if (!r.ok)
            errors << job.name + QStringLiteral(": ") + (r.error.isEmpty() ? QStringLiteral("unknown error") : r.error);
        else if (!r.pdfFile.isEmpty())
            files << r.pdfFile;
    }
    if (!files.isEmpty()) {
        const QString text =
            files.size() == 1
                ? QStringLiteral("No printer is installed, so the report was saved as:\n%1").arg(files.first())
                : QStringLiteral("No printer is installed, so the reports were saved as:\n%1")
                      .arg(files.join(QLatin1Char('\n')));
        app.platform.messageBox->show(text, kProgramTitle, MsgButtons::Ok, MsgIcon::Information);
    }
    if (!errors.isEmpty())
        app.platform.messageBox->show(
            QStringLiteral("The report could not be printed.\n%1").arg(errors.join(QLatin1Char('\n'))), kProgramTitle,
            MsgButtons::Ok, MsgIcon::Exclamation);
}

Job logJob(App& app, const QStringList& logLines) {
    return {kLogTitle, LogReportLines(app, logLines)};
}
Job timeUsageJob(App& app, const QList<UserListRow>& rows) {
    return {kTimeUsageTitle, TimeUsageReportLines(app, rows)};
}
Job userInformationJob(App& app, const QList<UserListRow>& rows) {
    return {kUserInformationTitle, UserInformationReportLines(app, rows)};
}
} // namespace

QStringList ReportHeader(App& app, const QString& title) {
    const QDateTime now = app.platform.clock->now();
    return {title, QStringLiteral("Printed %1 at %2").arg(DateText(now.date()), TimeText(now.time())),
            QStringLiteral("Version: ") + kProgramVersion, QString()};
}

QStringList LogReportLines(App& app, const QStringList& logLines) {
    return ReportHeader(app, kLogTitle) + logLines;
}

QString TimeUsageNameColumn(const QString& name) {
    if (name.size() < 8) return name + kTab + kTab;
    if (name.size() < 16) return name + kTab;
    // The shortened name fills the column by itself; the tab still ends it, so that the next
    // field does not run into it.
    return name.left(13) + QStringLiteral("...") + kTab;
}

QStringList TimeUsageReportLines(App& app, const QList<UserListRow>& rows) {
    QStringList lines = ReportHeader(app, kTimeUsageTitle);
    lines << QStringLiteral("Name\t\tMeasured By\tTime Allowed\tTime Available");
    for (const UserListRow& row : rows)
        lines << TimeUsageNameColumn(row.user) + row.measuredBy + kTab + row.timeAllowed + kTab + row.timeRemaining;
    return lines;
}

QStringList UserInformationReportLines(App& app, const QList<UserListRow>& rows) {
    using namespace UserKeys;
    QStringList lines = ReportHeader(app, kUserInformationTitle);
    for (const UserListRow& row : rows) {
        const int n = FindUserByName(app, row.user);
        const QString section = Sections::User(n);
        auto v = [&](const QString& key) { return app.read(section, key).text(); };
        lines << QString() << row.user;
        lines << QStringLiteral("\tUser Number: ") + QString::number(n);
        lines << QStringLiteral("\tParent Rights?: ") + yesNo(app.read(section, ParentRights));
        lines << QStringLiteral("\tTime Based On: ") + v(TimeBasedOn);
        lines << QStringLiteral("\tTime Per Period: ") + AllowanceText(app, n);
        lines << QStringLiteral("\tTake Action?: ") + yesNo(app.read(section, TakeAction));
        lines << QStringLiteral("\t\tAction:") + v(TakeActionDo);
        lines << QStringLiteral("\tDisplay Message?: ") + yesNo(app.read(section, DisplayMessage));
        // The message text is stored as "Display Message Text"; that is what the record holds.
        lines << QStringLiteral("\t\tText:") + v(DisplayMessageText);
        lines << QStringLiteral("\tPlay Sound?: ") + yesNo(app.read(section, PlaySound));
        lines << QStringLiteral("\t\tSound:") + v(PlaySoundSoundLocation);
        lines << QStringLiteral("\tFree Time: ") + FreeTimeText(app, n);
    }
    return lines;
}

QStringList PackPasswordLines(const QStringList& passwords) {
    QStringList lines;
    QString current;
    for (const QString& p : passwords) {
        const QString entry = p + kTab;
        if (current.size() + entry.size() <= kLineWidth) {
            current += entry;
            continue;
        }
        // An entry too long for any line starts a line of its own; no blank line before it.
        if (!current.isEmpty()) lines << current;
        current = entry;
    }
    if (!current.isEmpty()) lines << current;
    return lines;
}

QStringList PasswordReportLines(App& app, const QString& userName, const QStringList& passwords) {
    return ReportHeader(app, kPasswordsTitle) + QStringList{QStringLiteral("User:  ") + userName} +
           PackPasswordLines(passwords);
}

void PrintLogReport(App& app, const QStringList& logLines) {
    if (confirm(app, QStringLiteral("Are you sure you wish to print the log?")))
        printJobs(app, {logJob(app, logLines)});
}

void PrintTimeUsageReport(App& app, const QList<UserListRow>& rows) {
    if (confirm(app, QStringLiteral("Are you sure you wish to print the time usage?")))
        printJobs(app, {timeUsageJob(app, rows)});
}

void PrintUserInformationReport(App& app, const QList<UserListRow>& rows) {
    if (confirm(app, QStringLiteral("Are you sure you wish to print the user information?")))
        printJobs(app, {userInformationJob(app, rows)});
}

void PrintEverything(App& app, const QStringList& logLines, const QList<UserListRow>& rows) {
    if (confirm(app, QStringLiteral("Are you sure you wish to print all?")))
        printJobs(app, {logJob(app, logLines), timeUsageJob(app, rows), userInformationJob(app, rows)});
}

void PrintPasswordReport(App& app, const QString& userName, const QStringList& passwords) {
    if (confirm(app, QStringLiteral("Are you sure you wish to print all the passwords for this user?")))
        printJobs(app, {{kPasswordsTitle, PasswordReportLines(app, userName, passwords)}});
}

void ShowPrinterSetup(App& app) {
    app.platform.printer->setup();
}

void ShowHelpIndex(App& app) {
    app.platform.help->showContents();
}

void ShowHelpSearch(App& app) {
    app.platform.help->showSearch();
}

void ShowHelpOnUsingHelp(App& app) {
    app.platform.help->showHelpOnHelp();
}

QStringList WeeklyUsageReportLines(App& app, const UsageOverview& usage) {
    QStringList lines = ReportHeader(app, QStringLiteral("TimeWard Weekly Usage"));
    lines << QStringLiteral("Time used on each of the last %1 days, in hours and minutes.").arg(usage.days);
    for (const UsageRow& r : usage.rows) {
        lines << QString() << r.name;
        lines << kTab + QStringLiteral("Measured By: ") + r.basedOn;
        lines << kTab + QStringLiteral("Allowance A Day: ") +
                     (r.allowancePerDay >= 0 ? UsageHoursMinutes(r.allowancePerDay) : QStringLiteral("N/A"));
        lines << kTab + QStringLiteral("Last 7 Days: ") + UsageHoursMinutes(r.weekTotal) +
                     QStringLiteral(", average ") + UsageHoursMinutes(r.weekAverage) + QStringLiteral(" a day");
        for (int i = 0; i < r.seconds.size(); ++i) {
            const QDate day = usage.firstDay().addDays(i);
            lines << kTab + QLocale::c().dayName(day.dayOfWeek(), QLocale::ShortFormat) + QLatin1Char(' ') +
                         DateText(day) + kTab + UsageHoursMinutes(r.seconds[i]) +
                         (day == usage.today ? QStringLiteral(" (today)") : QString());
        }
    }
    return lines;
}

void PrintWeeklyUsageReport(App& app, const Printer::PagePainter& chart) {
    if (!confirm(app, QStringLiteral("Are you sure you wish to print the weekly usage?"))) return;
    const UsageOverview usage = BuildUsageOverview(app, PeriodClockToday(app));
    printJobs(app, {{QStringLiteral("TimeWard Weekly Usage"), WeeklyUsageReportLines(app, usage), chart}});
}
