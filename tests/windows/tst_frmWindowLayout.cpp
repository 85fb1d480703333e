#include "TestPlatform.h"
#include "TestRegistry.h"
#include "UserFixtures.h"
#include "admin/UserAdmin.h"
#include "admin/frmOptions.h"
#include "admin/frmPassChange.h"
#include "admin/frmUserMenu.h"
#include "core/WindowMetrics.h"
#include "login/frmLogin.h"
#include "program/UsageView.h"
#include "program/frmMain.h"
#include "program/frmTRWindow.h"
#include "storage/ConfigKeys.h"
#include "timekeeping/frmModUserFreeTime.h"
#include "timekeeping/frmPickuser.h"
#include "timekeeping/frmUS.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QDockWidget>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <functional>
#include <memory>

// The windows as they come up on the screen the tests run on (the offscreen platform is given
// a 1024 x 768 and a 1280 x 800 screen, see tests/CMakeLists.txt).
namespace {
const QString kLongName = QStringLiteral("Maximilian Alexander");

struct Fixture {
    TestPlatform tp;
    App& app = *tp.app;
    std::unique_ptr<frmModUserFreeTime> freeTime; // shown modally by the program; here without the wait
    Fixture() {
        tp.screen.rect = QGuiApplication::primaryScreen()->geometry();
        addThreeUsers(app);
        addUser(app, 3, {kLongName, "Weekly", "0", {"10", "0", "0"}, {"09", "59", "59"}});
        RecountUsers(app);
        app.CurrentUserNumber = 2;
        app.write(Sections::Config, ConfigKeys::AutoCenterWindows, 1);
    }
};

// Shows a window the way the program does and hands it back.
using Opener = std::function<QWidget*(Fixture&)>;

QMap<QString, Opener> openers() {
    return {
        {"frmMain",
         [](Fixture& f) {
             App& app = f.app;
             BringUpMainWindow(app);
             return static_cast<QWidget*>(&app.window<frmMain>());
         }},
        {"frmLogin",
         [](Fixture& f) {
             App& app = f.app;
             return static_cast<QWidget*>(&app.window<frmLogin>());
         }},
        {"frmUS",
         [](Fixture& f) {
             App& app = f.app;
             BringUpUserStatus(app);
             return static_cast<QWidget*>(&app.window<frmUS>());
         }},
        {"frmUserMenu",
         [](Fixture& f) {
             App& app = f.app;
             BringUpMainWindow(app);
             OpenUserEditorForUser(app, 1, &app.window<frmMain>());
             return static_cast<QWidget*>(&app.window<frmUserMenu>());
         }},
        {"frmOptions",
         [](Fixture& f) {
             App& app = f.app;
             BringUpMainWindow(app);
             ShowOptions(app, &app.window<frmMain>());
             return static_cast<QWidget*>(&app.window<frmOptions>());
         }},
        {"frmPickuser",
         [](Fixture& f) {
             App& app = f.app;
             BringUpMainWindow(app);
             ShowPickUser(app, QStringLiteral("Edit User"), &app.window<frmMain>(), {});
             return static_cast<QWidget*>(&app.window<frmPickuser>());
         }},
        {"frmPassChange",
         [](Fixture& f) {
             App& app = f.app;
             BringUpMainWindow(app);
             OpenUserEditorForUser(app, 1, &app.window<frmMain>());
             app.window<frmUserMenu>().Command1->click();
             return static_cast<QWidget*>(&app.window<frmPassChange>());
         }},
        {"frmModUserFreeTime",
         [](Fixture& f) {
             App& app = f.app;
             BringUpMainWindow(app);
             f.freeTime = std::make_unique<frmModUserFreeTime>(app);
             PlaceForm(app, *f.freeTime, &app.window<frmMain>());
             f.freeTime->show();
             return static_cast<QWidget*>(f.freeTime.get());
         }},
    };
}

QString describe(const QRect& r) {
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// Every tab caption shown whole: a tab bar that shows all tabs without eliding, or (for the
// Preferences dialog's two rows) buttons at least as wide as their text needs.
void verifyTabsReadable(QWidget* w) {
    for (QTabWidget* tabs : w->findChildren<QTabWidget*>()) {
        QTabBar* bar = tabs->tabBar();
        if (!bar->isVisible()) continue;
        for (int i = 0; i < bar->count(); ++i) {
            const QRect r = bar->tabRect(i);
            QVERIFY2(bar->rect().contains(r), qPrintable(bar->tabText(i) + QStringLiteral(" runs off the tab bar")));
            QVERIFY2(r.width() >= bar->fontMetrics().horizontalAdvance(bar->tabText(i)),
                     qPrintable(bar->tabText(i) + QStringLiteral(" is cut")));
        }
    }
    if (auto* options = qobject_cast<frmOptions*>(w)) {
        QCOMPARE(options->tabButtons->buttons().size(), options->SSTab1->count());
        for (QAbstractButton* b : options->tabButtons->buttons()) {
            QVERIFY(b->isVisible());
            QCOMPARE(b->text(), options->SSTab1->tabText(options->tabButtons->id(b)));
            QVERIFY2(b->width() >= b->sizeHint().width(), qPrintable(b->text() + QStringLiteral(" is cut")));
            QVERIFY(options->rect().contains(QRect(b->mapTo(options, QPoint(0, 0)), b->size())));
        }
    }
}
// The whole title fits the window's width (as far as the screen allows), and no label covers
// another label, nor is narrower than its one line of text.
void verifyTitleAndLabels(QWidget* w, const QRect& screen) {
    QVERIFY2(w->width() >= std::min(TitleBarWidth(*w), screen.width()),
             qPrintable(QStringLiteral("\"%1\" is cut at %2 px").arg(w->windowTitle()).arg(w->width())));
    QList<QLabel*> shown;
    for (QLabel* l : w->findChildren<QLabel*>())
        if (l->isVisible() && !l->text().isEmpty()) shown << l;
    const auto onWindow = [w](QLabel* l) { return QRect(l->mapTo(w, QPoint(0, 0)), l->size()); };
    for (int i = 0; i < shown.size(); ++i) {
        QLabel* a = shown[i];
        // As shown: an access key's "&" is not drawn, "&&" draws one.
        QString drawn = a->text();
        drawn.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
            .remove(QLatin1Char('&'))
            .replace(QLatin1Char('\x01'), QLatin1Char('&'));
        if (!a->wordWrap() && a->textFormat() != Qt::RichText && !drawn.contains(QLatin1Char('\n')))
            QVERIFY2(a->width() >= a->fontMetrics().horizontalAdvance(drawn),
                     qPrintable(QStringLiteral("\"%1\" is cut").arg(a->text())));
        for (int j = i + 1; j < shown.size(); ++j)
            QVERIFY2(!onWindow(a).intersects(onWindow(shown[j])),
                     qPrintable(QStringLiteral("\"%1\" overlaps \"%2\"").arg(a->text(), shown[j]->text())));
    }
}
} // namespace

class tst_frmWindowLayout : public QObject {
    Q_OBJECT
private slots:
    void firstShowing_data();
    void firstShowing();
    void userListColumns();
    void usageViewFitsBesideTheList();
    void metrics_data();
    void metrics();
    void timeRemainingCorners();
    void pickUserPreselects();
};

void tst_frmWindowLayout::firstShowing_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("centre");
    for (const QString& name : openers().keys()) {
        QTest::newRow(qPrintable(name + QStringLiteral(" centred"))) << name << true;
        QTest::newRow(qPrintable(name + QStringLiteral(" as designed"))) << name << false;
    }
}

// Nothing stored yet: every window comes up whole on the screen with every tab caption
// readable, centred where "AutoCenterWindows" asks for it.
void tst_frmWindowLayout::firstShowing() {
    QFETCH(QString, window);
    QFETCH(bool, centre);
    Fixture f;
    f.app.write(Sections::Config, ConfigKeys::AutoCenterWindows, centre ? 1 : 0);
    QWidget* w = openers().value(window)(f);
    QVERIFY(w->isVisible());
    const QRect screen = f.tp.screen.availableGeometry();
    QVERIFY2(screen.contains(w->frameGeometry()),
             qPrintable(describe(w->frameGeometry()) + QStringLiteral(" not inside ") + describe(screen)));
    verifyTabsReadable(w);
    verifyTitleAndLabels(w, screen);
    if (!centre) return;
    // Centred over the main window when it is up (the dialogs), else on the screen; the main
    // window, the login and the status window on the screen.
    const bool overMain = window != QLatin1String("frmMain") && window != QLatin1String("frmLogin") &&
                          window != QLatin1String("frmUS") && window != QLatin1String("frmPassChange");
    QWidget* over = window == QLatin1String("frmPassChange") ? &f.app.window<frmUserMenu>() : nullptr;
    QRect area = overMain ? f.app.window<frmMain>().frameGeometry() : over ? over->frameGeometry() : screen;
    const QPoint expected = area.center();
    const QPoint actual = w->frameGeometry().center();
    // Brought back inside the screen where centring over a window would reach past its edge.
    if (WhollyInside(QRect(w->frameGeometry()).translated(expected - actual), screen) ==
        QRect(w->frameGeometry()).translated(expected - actual))
        QVERIFY2((actual - expected).manhattanLength() <= 8, // the frame's few pixels

                 qPrintable(describe(w->frameGeometry()) + QStringLiteral(" not centred on ") + describe(area)));
    if (window == QLatin1String("frmMain"))
        QCOMPARE(f.app.read(Sections::WindowMetrics, QStringLiteral("Time Ward Left")).toInt(0),
                 w->x() * kTwipsPerPixel);
}

void tst_frmWindowLayout::userListColumns() {
    Fixture f;
    BringUpMainWindow(f.app);
    frmMain& m = f.app.window<frmMain>();
    QTreeWidget* ul = m.UL;
    QCOMPARE(ul->topLevelItemCount(), 3);
    auto verifyFits = [&] {
        QVERIFY2(ul->columnWidth(0) >= ul->fontMetrics().horizontalAdvance(kLongName),
                 qPrintable(QStringLiteral("first column %1 px").arg(ul->columnWidth(0))));
        for (int c = 0; c < 5; ++c)
            QVERIFY2(ul->columnWidth(c) >= ul->header()->fontMetrics().horizontalAdvance(ul->headerItem()->text(c)),
                     qPrintable(ul->headerItem()->text(c)));
    };
    verifyFits();
    // The columns fill the list's width, and follow it when the window is resized.
    int total = 0;
    for (int c = 0; c < 5; ++c)
        total += ul->columnWidth(c);
    QVERIFY(qAbs(total - ul->viewport()->width()) <= 5);
    const int before = ul->columnWidth(2);
    m.resize(m.width() + 200, m.height());
    QTRY_VERIFY(ul->columnWidth(2) > before);
    verifyFits();
    m.resize(420, m.height());
    QTRY_VERIFY(ul->columnWidth(2) < before);
    verifyFits();
}

// On the narrowest screen too, the usage view comes up whole beside a readable user list, and
// the window stays on the screen.
void tst_frmWindowLayout::usageViewFitsBesideTheList() {
    Fixture f;
    BringUpMainWindow(f.app);
    frmMain& m = f.app.window<frmMain>();
    m.mnuUsage->trigger();
    QTRY_VERIFY(m.dockUsage->isVisible());
    const QRect screen = f.tp.screen.availableGeometry();
    QVERIFY2(screen.contains(m.frameGeometry()),
             qPrintable(describe(m.frameGeometry()) + QStringLiteral(" not inside ") + describe(screen)));
    auto* scroll = qobject_cast<QScrollArea*>(m.dockUsage->widget());
    QVERIFY(scroll);
    QTRY_VERIFY2(scroll->viewport()->width() >= m.usageView->minimumSizeHint().width(),
                 qPrintable(QStringLiteral("%1 px for the usage view").arg(scroll->viewport()->width())));
    QVERIFY(m.dockUsage->geometry().left() >= m.centralWidget()->geometry().right());
    QVERIFY2(m.UL->columnWidth(0) >= m.UL->fontMetrics().horizontalAdvance(kLongName),
             qPrintable(QStringLiteral("first column %1 px").arg(m.UL->columnWidth(0))));
}

void tst_frmWindowLayout::metrics_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("savedOnResize");
    QTest::addColumn<bool>("savedOnClose");
    QTest::newRow("main window") << "frmMain"
                                 << "Time Ward" << true << true;
    QTest::newRow("login") << "frmLogin"
                           << "Time Ward Login" << true << true;
    QTest::newRow("user status") << "frmUS"
                                 << "User Statistics" << true << true;
    QTest::newRow("user editor") << "frmUserMenu"
                                 << "Edit User Information" << true << true;
    QTest::newRow("preferences") << "frmOptions"
                                 << "Time Ward Preferences" << true << true;
    QTest::newRow("pick user") << "frmPickuser"
                               << "Pick User" << true << false;
    QTest::newRow("password change") << "frmPassChange"
                                     << "Change Password" << false << false;
    QTest::newRow("free time") << "frmModUserFreeTime"
                               << "Modify User Free Time" << true << false;
}

// Restored when loaded, saved on every resize, saved at closing when "SaveWinPosition" is 1.
void tst_frmWindowLayout::metrics() {
    QFETCH(QString, window);
    QFETCH(QString, caption);
    QFETCH(bool, savedOnResize);
    QFETCH(bool, savedOnClose);
    Fixture f;
    f.app.write(Sections::Config, ConfigKeys::AutoCenterWindows, 0);
    f.app.write(Sections::Config, ConfigKeys::SaveWinPosition, 1);
    auto key = [&](const char* part) { return caption + QLatin1Char(' ') + QLatin1String(part); };
    const QRect stored(40, 60, 560, 500);
    f.app.write(Sections::WindowMetrics, key("Left"), stored.x() * kTwipsPerPixel);
    f.app.write(Sections::WindowMetrics, key("Top"), stored.y() * kTwipsPerPixel);
    f.app.write(Sections::WindowMetrics, key("Width"), stored.width() * kTwipsPerPixel);
    f.app.write(Sections::WindowMetrics, key("Height"), stored.height() * kTwipsPerPixel);
    QWidget* w = openers().value(window)(f);
    QCOMPARE(w->windowTitle(), caption);
    // The login window is centred on the screen and fitted to its panel whenever it comes up.
    if (window != QLatin1String("frmLogin")) {
        QCOMPARE(w->pos(), stored.topLeft());
        // A window never gets smaller than its contents need.
        QCOMPARE(w->size(), stored.size().expandedTo(w->minimumSizeHint()).expandedTo(w->minimumSize()));
    }

    w->resize(w->width() + 20, w->height() + 10);
    QCoreApplication::processEvents();
    const int widthAfterResize = f.app.read(Sections::WindowMetrics, key("Width")).toInt(0);
    QCOMPARE(widthAfterResize == w->width() * kTwipsPerPixel, savedOnResize);

    if (window == QLatin1String("frmModUserFreeTime") || window == QLatin1String("frmPassChange")) return;
    f.app.write(Sections::WindowMetrics, key("Left"), 0);
    w->move(w->x() + 7, w->y());
    w->close();
    QCoreApplication::processEvents();
    const int left = f.app.read(Sections::WindowMetrics, key("Left")).toInt(0);
    QCOMPARE(left != 0, savedOnClose);
}

// The time-remaining window goes to the corner the Preferences dialog's picture shows for the
// chosen button.
void tst_frmWindowLayout::timeRemainingCorners() {
    Fixture f;
    frmOptions& options = f.app.window<frmOptions>();
    options.show();
    options.SSTab1->setCurrentIndex(4); // "Time Window"
    QCoreApplication::processEvents();
    QWidget* picture = options.TWLoc[0]->parentWidget();
    const QPoint pictureCentre = picture->rect().center();
    const QRect screen = f.tp.screen.geometry();
    for (int i = 0; i < 4; ++i) {
        const QPoint button = options.TWLoc[static_cast<std::size_t>(i)]->geometry().center();
        f.app.write(Sections::Config, ConfigKeys::TWLoc, i);
        frmTRWindow& tr = f.app.window<frmTRWindow>();
        tr.showInCorner();
        const QPoint window = tr.geometry().center();
        QCOMPARE(button.x() > pictureCentre.x(), window.x() > screen.center().x());
        QCOMPARE(button.y() > pictureCentre.y(), window.y() > screen.center().y());
    }
}

void tst_frmWindowLayout::pickUserPreselects() {
    Fixture f;
    BringUpMainWindow(f.app);
    f.app.window<frmMain>().UL->setCurrentItem(f.app.window<frmMain>().UL->topLevelItem(1));
    f.app.window<frmMain>().mnuEditUsers->trigger();
    QCOMPARE(f.app.window<frmPickuser>().cboPU->currentText(), QStringLiteral("Bob"));
}

TW_TEST(tst_frmWindowLayout)
#include "tst_frmWindowLayout.moc"
