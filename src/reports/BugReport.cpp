#include "reports/BugReport.h"

#include "core/App.h"
#include "platform/Paths.h"
#include "reports/Reports.h"
#include "storage/ActivityLog.h"
#include "storage/ConfigKeys.h"

#include <QCoreApplication>
#include <QFile>

namespace {
const QString kRule = QStringLiteral("---------------------------------");

// Every line of a text file, in order, without the line ends.
QStringList fileLines(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QString text = QString::fromUtf8(f.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}
} // namespace

QString BugReportAddress(App& app) {
    return app.read(Sections::Config, ConfigKeys::BugReportAddress).text().trimmed();
}

QString ComposeBugReport(App& app) {
    const App::ErrorWizardAnswers& a = app.errorWizardAnswers;
    QStringList l;
    l << QStringLiteral("TimeWard Bug Report");
    l << QStringLiteral("--- User Supplied Information ---");
    l << QStringLiteral("Name: ") + a.name;
    l << QStringLiteral("Email: ") + a.email;
    l << QStringLiteral("Functions Properly: ") + a.functionsProperly;
    l << QStringLiteral("Functions At All: ") + a.functionsAtAll;
    l << QStringLiteral("Comments:");
    l << QStringLiteral("---");
    QString comments = a.comments;
    comments.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    l << comments.split(QLatin1Char('\n'));
    l << kRule;
    l << QStringLiteral("--- Application Information   ---");
    l << QStringLiteral("Version: ") + kProgramVersion;
    l << QStringLiteral("Path: ") + app.paths().programFolder;
    l << kRule;
    if (app.currentError && app.currentError->number != 0) {
        const RuntimeError& e = *app.currentError;
        l << QStringLiteral("---    Error Information      ---");
        l << QStringLiteral("\tNumber:") + QString::number(e.number);
        l << QStringLiteral("\tDescription:") + e.description;
        l << QStringLiteral("\tSource:") + e.source;
        l << QStringLiteral("\tSection: ") + app.store.LastSettingSection + QStringLiteral("\tKey: ") +
                 app.store.LastSettingKey;
        l << kRule;
    }
    const QString mainLog = app.read(Sections::Config, ConfigKeys::LogTFFile).text();
    if (!mainLog.isEmpty() && FileExists(app.paths(), mainLog)) {
        l << kRule;
        l << QStringLiteral("Main Log file:");
        l << fileLines(app.paths().native(mainLog));
    }
    l << QStringLiteral("---   Work Log File           ---");
    const QString workLog = app.paths().dataFile(kWorkLogName);
    if (QFile::exists(workLog)) l << fileLines(workLog);
    return l.join(QStringLiteral("\r\n"));
}

QString ErrorWizardCheck(const QString& name, const QString& email) {
    if (name.isEmpty()) return QCoreApplication::translate("BugReport", "Please enter your name");
    if (email.isEmpty()) return QCoreApplication::translate("BugReport", "Please enter your email");
    return {};
}
