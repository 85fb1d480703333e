#include "reports/Reports.h"

#include "core/App.h"
#include "platform/Clock.h"
#include "platform/Help.h"
#include "platform/MessageBox.h"
#include "platform/Printer.h"
#include "platform/ProcessStart.h"
#include "storage/ConfigKeys.h"
#include "timekeeping/LoginHours.h"
#include "timekeeping/Periods.h"
#include "timekeeping/TimeFields.h"
#include "timekeeping/UsageHistory.h"
#include "users/UserKeys.h"
#include "users/UserTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QUrl>

namespace {
const QChar kTab = QLatin1Char('\t');
const char* const kLogTitle = QT_TRANSLATE_NOOP("Reports", "TimeWard Log");
const char* const kTimeUsageTitle = QT_TRANSLATE_NOOP("Reports", "TimeWard Time Usage");
const char* const kPasswordsTitle = QT_TRANSLATE_NOOP("Reports", "TimeWard User Passwords");
const char* const kUserInformationTitle = QT_TRANSLATE_NOOP("Reports", "TimeWard User Information");
const char* const kWeeklyUsageTitle = QT_TRANSLATE_NOOP("Reports", "TimeWard Weekly Usage");
constexpr int kLineWidth = 79;

QString yesNo(const Setting& s) {
    return s.is(1) ? QCoreApplication::translate("Reports", "Yes") : QCoreApplication::translate("Reports", "No");
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

// Tells where reports saved as PDF went, each file whole on a line of its own, and opens them
// or their folder with the desktop's programs when asked.
void offerSavedReports(App& app, const QStringList& files) {
    const QString text = files.size() == 1
                             ? QCoreApplication::translate(
                                   "Reports", "No printer is installed, so the report was saved as a PDF file:\n%1")
                                   .arg(QDir::toNativeSeparators(files.first()))
                             : QCoreApplication::translate(
                                   "Reports", "No printer is installed, so the reports were saved as PDF files:\n%1")
                                   .arg(QDir::toNativeSeparators(files.join(QLatin1Char('\n'))));
    const int chosen = app.platform.messageBox->choose(text, kProgramTitle, MsgIcon::Information,
                                                       {QCoreApplication::translate("Reports", "&Open"),
                                                        QCoreApplication::translate("Reports", "Show in &Folder"),
                                                        QCoreApplication::translate("Reports", "Close")});
    QList<QUrl> urls;
    if (chosen == 0)
        for (const QString& f : files)
            urls << QUrl::fromLocalFile(f);
    else if (chosen == 1)
        urls << QUrl::fromLocalFile(QFileInfo(files.first()).absolutePath());
    for (const QUrl& url : urls)
        if (!app.platform.processStart->openUrl(url)) {
            app.platform.messageBox->show(
                QCoreApplication::translate("Reports", "No program of the desktop could open %1.")
                    .arg(QDir::toNativeSeparators(url.toLocalFile())),
                kProgramTitle, MsgButtons::Ok, MsgIcon::Exclamation);
            return;
        }
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
            errors << job.name + QStringLiteral(": ") +
                          (r.error.isEmpty() ? QCoreApplication::translate("Reports", "unknown error") : r.error);
        else if (!r.pdfFile.isEmpty())
            files << r.pdfFile;
    }
    if (!files.isEmpty()) offerSavedReports(app, files);
    if (!errors.isEmpty())
        app.platform.messageBox->show(QCoreApplication::translate("Reports", "The report could not be printed.\n%1")
                                          .arg(errors.join(QLatin1Char('\n'))),
                                      kProgramTitle, MsgButtons::Ok, MsgIcon::Exclamation);
}

Job logJob(App& app, const QStringList& logLines) {
    return {QCoreApplication::translate("Reports", kLogTitle), LogReportLines(app, logLines)};
}
Job timeUsageJob(App& app, const QList<UserListRow>& rows) {
    return {QCoreApplication::translate("Reports", kTimeUsageTitle), TimeUsageReportLines(app, rows)};
}
Job userInformationJob(App& app, const QList<UserListRow>& rows) {
    return {QCoreApplication::translate("Reports", kUserInformationTitle), UserInformationReportLines(app, rows)};
}
} // namespace

QStringList ReportHeader(App& app, const QString& title) {
    const QDateTime now = app.platform.clock->now();
    return {
        title,
        QCoreApplication::translate("Reports", "Printed %1 at %2").arg(ShownDate(now.date()), ShownTime(now.time())),
        QCoreApplication::translate("Reports", "Version: %1").arg(kProgramVersion), QString()};
}

QStringList LogReportLines(App& app, const QStringList& logLines) {
    return ReportHeader(app, QCoreApplication::translate("Reports", kLogTitle)) + logLines;
}

QString TimeUsageNameColumn(const QString& name) {
    if (name.size() < 8) return name + kTab + kTab;
    if (name.size() < 16) return name + kTab;
    // The shortened name fills the column by itself; the tab still ends it, so that the next
    // field does not run into it.
    return name.left(13) + QStringLiteral("...") + kTab;
}

QStringList TimeUsageReportLines(App& app, const QList<UserListRow>& rows) {
    QStringList lines = ReportHeader(app, QCoreApplication::translate("Reports", kTimeUsageTitle));
    lines << QCoreApplication::translate("Reports", "Name\t\tMeasured By\tTime Allowed\tTime Available");
    for (const UserListRow& row : rows)
        lines << TimeUsageNameColumn(row.user) + row.measuredBy + kTab + row.timeAllowed + kTab + row.timeRemaining;
    return lines;
}

QStringList UserInformationReportLines(App& app, const QList<UserListRow>& rows) {
    using namespace UserKeys;
    QStringList lines = ReportHeader(app, QCoreApplication::translate("Reports", kUserInformationTitle));
    for (const UserListRow& row : rows) {
        const int n = FindUserByName(app, row.user);
        const QString section = Sections::User(n);
        auto v = [&](const QString& key) { return app.read(section, key).text(); };
        lines << QString() << row.user;
        lines << QCoreApplication::translate("Reports", "\tUser Number: ") + QString::number(n);
        lines << QCoreApplication::translate("Reports", "\tParent Rights?: ") + yesNo(app.read(section, ParentRights));
        lines << QCoreApplication::translate("Reports", "\tTime Based On: ") + PeriodTypeLabel(v(TimeBasedOn));
        lines << QCoreApplication::translate("Reports", "\tTime Per Period: ") + AllowanceText(app, n);
        lines << QCoreApplication::translate("Reports", "\tTake Action?: ") + yesNo(app.read(section, TakeAction));
        lines << QCoreApplication::translate("Reports", "\t\tAction:") + v(TakeActionDo);
        lines << QCoreApplication::translate("Reports", "\tDisplay Message?: ") +
                     yesNo(app.read(section, DisplayMessage));
        // The message text is stored as "Display Message Text"; that is what the record holds.
        lines << QCoreApplication::translate("Reports", "\t\tText:") + v(DisplayMessageText);
        lines << QCoreApplication::translate("Reports", "\tPlay Sound?: ") + yesNo(app.read(section, PlaySound));
        lines << QCoreApplication::translate("Reports", "\t\tSound:") + v(PlaySoundSoundLocation);
        lines << QCoreApplication::translate("Reports", "\tFree Time: ") + FreeTimeText(app, n);
        lines << QCoreApplication::translate("Reports", "\tTime Restrictions?: ") +
                     yesNo(app.read(section, TimeRestriction));
        for (const HourRule& rule : ReadHourRules(app, n))
            lines << QCoreApplication::translate("Reports", "\t\tFrom %1 till %2: %3")
                         .arg(ShownTime(QTime(static_cast<int>(rule.begin % 24), 0)),
                              ShownTime(QTime(static_cast<int>(rule.end % 24), 0)), RuleTypeLabel(rule.type));
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
    return ReportHeader(app, QCoreApplication::translate("Reports", kPasswordsTitle)) +
           QStringList{QCoreApplication::translate("Reports", "User:  ") + userName} + PackPasswordLines(passwords);
}

void PrintLogReport(App& app, const QStringList& logLines) {
    if (confirm(app, QCoreApplication::translate("Reports", "Are you sure you wish to print the log?")))
        printJobs(app, {logJob(app, logLines)});
}

void PrintTimeUsageReport(App& app, const QList<UserListRow>& rows) {
    if (confirm(app, QCoreApplication::translate("Reports", "Are you sure you wish to print the time usage?")))
        printJobs(app, {timeUsageJob(app, rows)});
}

void PrintUserInformationReport(App& app, const QList<UserListRow>& rows) {
    if (confirm(app, QCoreApplication::translate("Reports", "Are you sure you wish to print the user information?")))
        printJobs(app, {userInformationJob(app, rows)});
}

void PrintEverything(App& app, const QStringList& logLines, const QList<UserListRow>& rows) {
    if (confirm(app, QCoreApplication::translate("Reports", "Are you sure you wish to print all?")))
        printJobs(app, {logJob(app, logLines), timeUsageJob(app, rows), userInformationJob(app, rows)});
}

void PrintPasswordReport(App& app, const QString& userName, const QStringList& passwords) {
    if (confirm(app, QCoreApplication::translate("Reports",
                                                 "Are you sure you wish to print all the passwords for this user?")))
        printJobs(app, {{QCoreApplication::translate("Reports", kPasswordsTitle),
                         PasswordReportLines(app, userName, passwords)}});
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
    QStringList lines = ReportHeader(app, QCoreApplication::translate("Reports", kWeeklyUsageTitle));
    lines << QCoreApplication::translate("Reports", "Time used on each of the last %1 days, in hours and minutes.")
                 .arg(usage.days);
    for (const UsageRow& r : usage.rows) {
        lines << QString() << r.name;
        lines << kTab + QCoreApplication::translate("Reports", "Measured By: ") + PeriodTypeLabel(r.basedOn);
        lines << kTab + QCoreApplication::translate("Reports", "Allowance A Day: ") +
                     (r.allowancePerDay >= 0 ? UsageHoursMinutes(r.allowancePerDay)
                                             : QCoreApplication::translate("Reports", "N/A"));
        lines << kTab + QCoreApplication::translate("Reports", "Last 7 Days: %1, average %2 a day")
                            .arg(UsageHoursMinutes(r.weekTotal), UsageHoursMinutes(r.weekAverage));
        for (int i = 0; i < r.seconds.size(); ++i) {
            const QDate day = usage.firstDay().addDays(i);
            lines << kTab + QLocale::system().dayName(day.dayOfWeek(), QLocale::ShortFormat) + QLatin1Char(' ') +
                         ShownDate(day) + kTab + UsageHoursMinutes(r.seconds[i]) +
                         (day == usage.today ? QCoreApplication::translate("Reports", " (today)") : QString());
        }
    }
    return lines;
}

void PrintWeeklyUsageReport(App& app, const Printer::PagePainter& chart) {
    if (!confirm(app, QCoreApplication::translate("Reports", "Are you sure you wish to print the weekly usage?")))
        return;
    const UsageOverview usage = BuildUsageOverview(app, PeriodClockToday(app));
    printJobs(app,
              {{QCoreApplication::translate("Reports", kWeeklyUsageTitle), WeeklyUsageReportLines(app, usage), chart}});
}
