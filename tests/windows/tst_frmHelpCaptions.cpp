#include "TestPlatform.h"
#include "TestRegistry.h"
#include "admin/frmAddNewUserWizard.h"
#include "admin/frmHelpBox.h"
#include "admin/frmOptions.h"
#include "admin/frmPassChange.h"
#include "admin/frmUserMenu.h"
#include "admin/frmWelcome.h"
#include "login/frmAskParent.h"
#include "login/frmLogin.h"
#include "platform/qt/QtHelp.h"
#include "program/frmAbout.h"
#include "program/frmMain.h"
#include "program/frmTRWindow.h"
#include "reports/frmBadShutdown.h"
#include "reports/frmCheckForUpdate.h"
#include "reports/frmErrorWizard.h"
#include "reports/frmMailAuthorBadShutdown.h"
#include "timekeeping/frmModUserFreeTime.h"
#include "timekeeping/frmPickuser.h"
#include "timekeeping/frmUS.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

// The help pages name options, buttons, tabs and menus in bold (<b>…</b>); a menu path is
// written with " | " between its steps ("Users | User Stats"). Every such name must be a
// caption the program really shows, and every path a way through its real menus.
namespace {
QString helpFolder() {
    // The tests' source folder as the build knows it (a compiler cache may shorten __FILE__).
    return QDir::cleanPath(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../help"));
}

// A caption as a person reads it: without the access-key marks, spaces collapsed, and without
// the colon that ends a field's label.
QString readable(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    text = text.simplified();
    if (text.endsWith(QLatin1Char(':'))) text.chop(1);
    return text.trimmed();
}

struct Captions {
    QSet<QString> names;
    QHash<QString, QSet<QString>> menus; // menu title -> the items and submenus it holds

    void addWindow(QWidget* w) {
        names << readable(w->windowTitle());
        for (QAbstractButton* b : w->findChildren<QAbstractButton*>())
            names << readable(b->text());
        for (QGroupBox* g : w->findChildren<QGroupBox*>())
            names << readable(g->title());
        for (QLabel* l : w->findChildren<QLabel*>())
            names << readable(l->text());
        for (QTabWidget* t : w->findChildren<QTabWidget*>())
            for (int i = 0; i < t->count(); ++i)
                names << readable(t->tabText(i));
        for (QComboBox* c : w->findChildren<QComboBox*>())
            for (int i = 0; i < c->count(); ++i)
                names << readable(c->itemText(i));
        for (QTreeWidget* t : w->findChildren<QTreeWidget*>())
            for (int i = 0; i < t->columnCount(); ++i)
                names << readable(t->headerItem()->text(i));
        for (QAction* a : w->findChildren<QAction*>())
            names << readable(a->text());
        for (QMenu* m : w->findChildren<QMenu*>()) {
            const QString title = readable(m->title());
            names << title;
            for (QAction* a : m->actions())
                if (!a->isSeparator()) menus[title] << readable(a->text());
        }
    }
};

struct Mention {
    QString page;
    QString text;
};

QList<Mention> boldMentions() {
    QList<Mention> out;
    static const QRegularExpression bold(QStringLiteral("<b>(.*?)</b>"),
                                         QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    for (const QString& page : QDir(helpFolder()).entryList({QStringLiteral("*.html")}, QDir::Files)) {
        QFile f(helpFolder() + QLatin1Char('/') + page);
        if (!f.open(QIODevice::ReadOnly)) continue;
        const QString html = QString::fromUtf8(f.readAll());
        for (auto it = bold.globalMatch(html); it.hasNext();) {
            QString text = it.next().captured(1);
            text.remove(tag);
            text.replace(QStringLiteral("&gt;"), QStringLiteral(">"))
                .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
                .replace(QStringLiteral("&hellip;"), QStringLiteral("\u2026"))
                .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
            out.append({page, text.simplified()});
        }
    }
    return out;
}
} // namespace

class tst_frmHelpCaptions : public QObject {
    Q_OBJECT
private slots:
    void helpNamesWhatTheWindowsShow();
};

void tst_frmHelpCaptions::helpNamesWhatTheWindowsShow() {
    TestPlatform tp;
    App& app = *tp.app;
    Captions captions;
    frmModUserFreeTime freeTime(app);
    frmAskParent askParent(app, &app.window<frmLogin>());
    HelpViewer viewer(helpFolder());
    for (QWidget* w : std::initializer_list<QWidget*>{
             &app.window<frmMain>(), &app.window<frmLogin>(), &app.window<frmUS>(), &app.window<frmUserMenu>(),
             &app.window<frmOptions>(), &app.window<frmPickuser>(), &app.window<frmPassChange>(), &freeTime, &askParent,
             &app.window<frmAddNewUserWizard>(), &app.window<frmWelcome>(), &app.window<frmHelpBox>(),
             &app.window<frmAbout>(), &app.window<frmCheckForUpdate>(), &app.window<frmBadShutdown>(),
             &app.window<frmErrorWizard>(), &app.window<frmMailAuthorBadShutdown>(), &app.window<frmTRWindow>(),
             &viewer})
        captions.addWindow(w);

    const QList<Mention> mentions = boldMentions();
    QVERIFY(mentions.size() > 100);
    QStringList wrong;
    for (const Mention& m : mentions) {
        const QStringList steps = m.text.split(QStringLiteral(" | "));
        if (steps.size() == 1) {
            if (!captions.names.contains(m.text)) wrong << m.page + QStringLiteral(": ") + m.text;
            continue;
        }
        for (int i = 0; i + 1 < steps.size(); ++i)
            if (!captions.menus.value(steps.at(i)).contains(steps.at(i + 1)))
                wrong << m.page + QStringLiteral(": no menu path ") + m.text;
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
}

TW_TEST(tst_frmHelpCaptions)
#include "tst_frmHelpCaptions.moc"
