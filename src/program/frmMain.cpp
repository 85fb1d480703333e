#include "program/frmMain.h"
#include "program/RequestsView.h"

#include "admin/UserAdmin.h"
#include "admin/frmOptions.h"
#include "core/App.h"
#include "core/WindowMetrics.h"
#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/Screen.h"
#include "platform/Tray.h"
#include "program/StartUp.h"
#include "program/UsageView.h"
#include "program/frmAbout.h"
#include "program/frmSecret.h"
#include "reports/Reports.h"
#include "reports/frmCheckForUpdate.h"
#include "storage/ActivityLog.h"
#include "storage/ConfigKeys.h"
#include "timekeeping/Periods.h"
#include "timekeeping/TimeFields.h"
#include "timekeeping/frmModUserFreeTime.h"
#include "timekeeping/frmPickuser.h"
#include "timekeeping/frmUS.h"
#include "users/UserKeys.h"
#include "users/UserTable.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>

using namespace ConfigKeys;

namespace {
const QString kVersion = QStringLiteral("1.3.5");
const char* const kOneUserLeft =
    QT_TRANSLATE_NOOP("frmMain", "There is only one user left!  You cannot delete all of the users.");
const char* const kExitQuestion = QT_TRANSLATE_NOOP("frmMain", "Are you sure you wish to exit TimeWard?");

// The program's picture: a clock face, drawn so that no image file has to travel with it.
QPixmap programPicture() {
    QPixmap pm(64, 64);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x20, 0x40, 0x80), 4));
    p.setBrush(QColor(0xf0, 0xf4, 0xff));
    p.drawEllipse(4, 4, 56, 56);
    p.drawLine(32, 32, 32, 14);
    p.drawLine(32, 32, 46, 38);
    return pm;
}

bool newUserWizardOn(App& app) {
    return app.read(Sections::Wizards, WizardsKeys::NewUser, true).isTrue();
}
} // namespace

QStringList UserListCells(App& app, int n) {
    const QString section = Sections::User(n);
    const QString basedOn = app.read(section, UserKeys::TimeBasedOn).text();
    const bool unlimited = basedOn.compare(PeriodTypes::Unlimited, Qt::CaseInsensitive) == 0;
    const QString na = frmMain::tr("N/A");
    auto text = [&](const QString& key) { return app.read(section, key).text(); };
    return {
        text(UserKeys::Name),
        app.read(section, UserKeys::ParentRights).is(1) ? frmMain::tr("Yes") : frmMain::tr("No"),
        PeriodTypeLabel(basedOn),
        unlimited ? na : AllowanceText(app, n),
        unlimited ? na : FreeTimeText(app, n),
    };
}

frmMain::frmMain(App& app) : m_app(app) {
    setObjectName(QStringLiteral("frmMain"));
    SetCaption(*this, "frmMain", QT_TRANSLATE_NOOP("frmMain", "Time Ward"));
    resize(640, 480);

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("clientArea"));
    setCentralWidget(central);

    Frame1 = new QGroupBox(tr("User List"), central);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    UL = new QTreeWidget(Frame1);
    UL->setObjectName(QStringLiteral("UL"));
    UL->setColumnCount(5);
    UL->setHeaderLabels({tr("User"), tr("Parent?"), tr("Measured By"), tr("Time Allowed"), tr("Time Remaining")});
    UL->setRootIsDecorated(false);
    UL->setUniformRowHeights(true);
    UL->setItemsExpandable(false);
    UL->setSelectionMode(QAbstractItemView::SingleSelection);
    UL->setSelectionBehavior(QAbstractItemView::SelectRows);
    UL->setEditTriggers(QAbstractItemView::NoEditTriggers);
    UL->header()->setStretchLastSection(false);
    UL->viewport()->installEventFilter(this);
    UL->installEventFilter(this);

    Frame3 = new QGroupBox(central);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    lstLog = new QListWidget(Frame3);
    lstLog->setObjectName(QStringLiteral("lstLog"));
    // Lines are picked to be copied (Ctrl+C) into a message or a note.
    lstLog->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstLog->installEventFilter(this);

    Picture1 = new QLabel(central);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPixmap(programPicture());
    Picture1->setAlignment(Qt::AlignCenter);

    Label1 = new QLabel(central);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    StatusBar1 = new QStatusBar(central);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    for (int i = 0; i < 5; ++i) {
        m_panels[i] = new QLabel(StatusBar1);
        m_panels[i]->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        m_panels[i]->setFrameShape(QFrame::Panel);
        m_panels[i]->setFrameShadow(QFrame::Sunken);
        if (i == 0)
            StatusBar1->addWidget(m_panels[i], 1);
        else
            StatusBar1->addPermanentWidget(m_panels[i]);
    }
    m_panels[0]->setText(tr("  TimeWard Enabled  "));
    m_panels[2]->setText(QStringLiteral("SCRL"));
    m_panels[3]->setText(QStringLiteral("CAPS"));
    updateLockPanels();

    T2 = new QTimer(this);
    T2->setObjectName(QStringLiteral("T2"));
    T2->setInterval(5000);
    T2->setSingleShot(true);
    connect(T2, &QTimer::timeout, this, [this] { t2_Timer(m_app); });

    m_clock = new QTimer(this);
    m_clock->setInterval(1000);
    connect(m_clock, &QTimer::timeout, this, &frmMain::updateClock);
    m_clock->start();
    updateClock();
    // The lock keys are seen wherever the focus is in this program.
    qApp->installEventFilter(this);

    buildMenus();
    buildUsageView();
    buildRequestsView();

    // Form_Load
    RestoreOrPlaceForm(m_app, *this);
    m_panels[1]->setText(tr("Version %1").arg(kVersion));
    mnuNewUsWiz->setChecked(newUserWizardOn(m_app));
    // A reloaded window shows "&Enabled" as the session has it.
    if (!m_app.model.countingEnabled()) {
        mnuEnabled->setChecked(false);
        m_panels[0]->setText(tr("TimeWard Disabled"));
    }
    Label1->setText(tr("Right-click a user for more choices."));
    // What was logged while the window was closed, or before the last restart.
    lstLog->addItems(LastingLogTail(m_app.paths(), kLogListReload));
    lstLog->scrollToBottom();
    layoutControls();
    FillUserList(false);

    SessionModel& model = m_app.model;
    connect(&model, &SessionModel::usersChanged, this, [this] { FillUserList(false); });
    // The time left is written while the list is seen; a main window kept hidden (after the
    // splash, through a child's session) catches up when it is shown.
    connect(&model, &SessionModel::timeLeftChanged, this, [this] {
        if (isVisible()) FillUserList(true);
    });
    connect(&model, &SessionModel::logLine, lstLog, [this](const QString& line) { lstLog->addItem(line); });
}

frmMain::~frmMain() {
    qApp->removeEventFilter(this);
}

QLabel* frmMain::panel(int number) const {
    return number >= 1 && number <= 5 ? m_panels[number - 1] : nullptr;
}

void frmMain::buildMenus() {
    auto menu = [this](QWidget* parent, const char* name, const QString& caption) {
        auto* m = new QMenu(caption, parent);
        m->setObjectName(QLatin1String(name));
        m->menuAction()->setObjectName(QLatin1String(name));
        return m;
    };
    auto item = [this](QMenu* m, const char* name, const QString& caption, const QKeySequence& keys = {}) {
        auto* a = new QAction(caption, this);
        a->setObjectName(QLatin1String(name));
        a->setShortcut(keys);
        m->addAction(a);
        return a;
    };

    mnuTimeWard = menu(this, "mnuTimeWard", tr("&TimeWard"));
    mnuEnabled = item(mnuTimeWard, "mnuEnabled", tr("&Enabled"), QKeySequence(Qt::CTRL | Qt::Key_E));
    mnuEnabled->setCheckable(true);
    mnuEnabled->setChecked(true);
    mnuLogin = item(mnuTimeWard, "mnuLogin", tr("&Login New User"), QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuTimeWard->addSeparator();
    mnuOptions = item(mnuTimeWard, "mnuOptions", tr("&Preferences"), QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuTimeWard->addSeparator();
    mnuPrintSetup = item(mnuTimeWard, "mnuPrintSetup", tr("Printer &Setup"));
    mnuPrint = menu(mnuTimeWard, "mnuPrint", tr("&Print"));
    mnuTimeWard->addMenu(mnuPrint);
    mnuPrintLog = item(mnuPrint, "mnuPrintLog", tr("&Log"));
    mnuPrintTime = item(mnuPrint, "mnuPrintTime", tr("&Time Usage"));
    mnuPrintUL = item(mnuPrint, "mnuPrintUL", tr("&User List"));
    mnuPrintEverything = item(mnuPrint, "mnuPrintEverything", tr("&Everything"));
    mnuPrintUsage = item(mnuPrint, "mnuPrintUsage", tr("&Weekly Usage"));
    mnuTimeWard->addSeparator();
    mnuClose = item(mnuTimeWard, "mnuClose", tr("&Close Window"), QKeySequence(Qt::CTRL | Qt::Key_C));
    mnuExit = item(mnuTimeWard, "mnuExit", tr("&Exit"), QKeySequence(Qt::CTRL | Qt::Key_X));

    mnuUser = menu(this, "mnuUser", tr("&Users"));
    mnuAddUser = item(mnuUser, "mnuAddUser", tr("&Add User"), QKeySequence(Qt::CTRL | Qt::Key_A));
    mnuUser->addSeparator();
    mnuUserModFreeTime2 =
        item(mnuUser, "mnuUserModFreeTime2", tr("&Modify Time Remaining"), QKeySequence(Qt::CTRL | Qt::Key_M));
    mnuSNTP2 = item(mnuUser, "mnuSNTP2", tr("Refresh &Time Period"), QKeySequence(Qt::CTRL | Qt::Key_T));
    mnuEditUsers = item(mnuUser, "mnuEditUsers", tr("User &Stats"), QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuUsage = item(mnuUser, "mnuUsage", tr("&Usage"), QKeySequence(Qt::CTRL | Qt::Key_U));
    mnuUsage->setCheckable(true);
    mnuUser->addSeparator();
    mnuDeleteUser = item(mnuUser, "mnuDeleteUser", tr("&Delete User"), QKeySequence(Qt::CTRL | Qt::Key_D));

    mnuWiz = menu(this, "mnuWiz", tr("&Wizards"));
    mnuNewUsWiz = item(mnuWiz, "mnuNewUsWiz", tr("New &User Wizard"));
    mnuNewUsWiz->setCheckable(true);
    mnuNewUsWiz->setChecked(true);

    mnuHelp = menu(this, "mnuHelp", tr("&Help"));
    mnuIndex = item(mnuHelp, "mnuIndex", tr("&Index"), QKeySequence(Qt::Key_F1));
    mnuHelp->addSeparator();
    mnuSearch = item(mnuHelp, "mnuSearch", tr("&Search For Help On..."), QKeySequence(Qt::SHIFT | Qt::Key_F1));
    mnuUsingHelp = item(mnuHelp, "mnuUsingHelp", tr("&Help On Using Help"));
    mnuHelp->addSeparator();
    mnuAbout = item(mnuHelp, "mnuAbout", tr("&About TimeWard"));
    mnuCheckNewVer = item(mnuHelp, "mnuCheckNewVer", tr("Check For New &Version"));

    for (QMenu* m : {mnuTimeWard, mnuUser, mnuWiz, mnuHelp})
        menuBar()->addMenu(m);

    mnuUserList = menu(this, "mnuUserList", tr("&User"));
    mnuEditMenu2 = menu(mnuUserList, "mnuEditMenu2", tr("&Edit User"));
    mnuUserList->addMenu(mnuEditMenu2);
    mnuUserModFreeTime = item(mnuEditMenu2, "mnuUserModFreeTime", tr("&Modify Time Remaining"));
    mnuSNTP = item(mnuEditMenu2, "mnuSNTP", tr("Refresh &Time Period"));
    mnuEditUser2 = item(mnuEditMenu2, "mnuEditUser2", tr("User &Stats"));
    mnuDeleteUser2 = item(mnuUserList, "mnuDeleteUser2", tr("&Delete User"));
    mnuUserList->addSeparator();
    mnuAddUser2 = item(mnuUserList, "mnuAddUser2", tr("&Add User"));
    mnuUserList->addSeparator();
    mnuOptions2 = item(mnuUserList, "mnuOptions2", tr("&Preferences"));
    mnuUserList->addSeparator();
    mnuHelp2 = menu(mnuUserList, "mnuHelp2", tr("&Help"));
    mnuUserList->addMenu(mnuHelp2);
    mnuIndex2 = item(mnuHelp2, "mnuIndex2", tr("&Index"));
    mnuHelp2->addSeparator();
    mnuSearch2 = item(mnuHelp2, "mnuSearch2", tr("&Search For Help On..."));
    mnuUsingHelp2 = item(mnuHelp2, "mnuUsingHelp2", tr("&Help On Using Help"));
    mnuHelp2->addSeparator();
    mnuAbout2 = item(mnuHelp2, "mnuAbout2", tr("&About TimeWard"));

    connect(mnuEnabled, &QAction::triggered, this, &frmMain::mnuEnabled_Click);
    connect(mnuLogin, &QAction::triggered, this, &frmMain::mnuLogin_Click);
    connect(mnuOptions, &QAction::triggered, this, &frmMain::mnuOptions_Click);
    connect(mnuOptions2, &QAction::triggered, this, &frmMain::mnuOptions_Click);
    connect(mnuPrintSetup, &QAction::triggered, this, [this] { ShowPrinterSetup(m_app); });
    // The reports print what the lists show; the user list is rebuilt first.
    connect(mnuPrintLog, &QAction::triggered, this, [this] { PrintLogReport(m_app, logLines()); });
    connect(mnuPrintTime, &QAction::triggered, this, [this] { PrintTimeUsageReport(m_app, userRows()); });
    connect(mnuPrintUL, &QAction::triggered, this, [this] { PrintUserInformationReport(m_app, userRows()); });
    connect(mnuPrintEverything, &QAction::triggered, this, [this] { PrintEverything(m_app, logLines(), userRows()); });
    connect(mnuPrintUsage, &QAction::triggered, this, [this] {
        PrintWeeklyUsageReport(m_app, [this](QPainter& p, const QRect& area) {
            const UsageOverview usage = BuildUsageOverview(m_app, PeriodClockToday(m_app));
            PaintUsageChart(p, area, usage, QPalette(Qt::black, Qt::white));
        });
    });
    connect(mnuClose, &QAction::triggered, this, &QWidget::close);
    connect(mnuExit, &QAction::triggered, this, &frmMain::mnuExit_Click);
    connect(mnuAddUser, &QAction::triggered, this, &frmMain::mnuAddUser_Click);
    connect(mnuAddUser2, &QAction::triggered, this, &frmMain::mnuAddUser_Click);
    connect(mnuNewUsWiz, &QAction::triggered, this, &frmMain::mnuNewUsWiz_Click);
    connect(mnuEditUsers, &QAction::triggered, this, &frmMain::mnuEditUsers_Click);
    connect(mnuDeleteUser, &QAction::triggered, this, &frmMain::mnuDeleteUser_Click);
    connect(mnuUserModFreeTime2, &QAction::triggered, this, [this] { pickUser(QStringLiteral("Mod User Free Time")); });
    connect(mnuSNTP2, &QAction::triggered, this, [this] { pickUser(QStringLiteral("SNTP")); });
    connect(mnuEditUser2, &QAction::triggered, this, &frmMain::mnuEditUser2_Click);
    connect(mnuDeleteUser2, &QAction::triggered, this, &frmMain::mnuDeleteUser2_Click);
    connect(mnuUserModFreeTime, &QAction::triggered, this, &frmMain::mnuUserModFreeTime_Click);
    connect(mnuSNTP, &QAction::triggered, this, &frmMain::mnuSNTP_Click);
    for (QAction* a : {mnuIndex, mnuIndex2})
        connect(a, &QAction::triggered, this, [this] { ShowHelpIndex(m_app); });
    for (QAction* a : {mnuSearch, mnuSearch2})
        connect(a, &QAction::triggered, this, [this] { ShowHelpSearch(m_app); });
    for (QAction* a : {mnuUsingHelp, mnuUsingHelp2})
        connect(a, &QAction::triggered, this, [this] { ShowHelpOnUsingHelp(m_app); });
    for (QAction* a : {mnuAbout, mnuAbout2})
        connect(a, &QAction::triggered, this, [this] { ShowAbout(m_app); });
    connect(mnuCheckNewVer, &QAction::triggered, this, [this] { ShowCheckForUpdate(m_app); });
}

void frmMain::buildRequestsView() {
    dockRequests = new QDockWidget(tr("Requests"), this);
    dockRequests->setObjectName(QStringLiteral("dockRequests"));
    dockRequests->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                              QDockWidget::DockWidgetFloatable);
    requestsView = new RequestsView(m_app, dockRequests);
    // A few rows: the user list and the log keep their room.
    requestsView->setMaximumHeight(170);
    dockRequests->setWidget(requestsView);
    addDockWidget(Qt::BottomDockWidgetArea, dockRequests);
    dockRequests->setVisible(requestsView->count() > 0);
    // A new request brings the list up; the last one answered takes it away.
    connect(requestsView, &RequestsView::countChanged, dockRequests, [this](int count) {
        dockRequests->setVisible(count > 0);
        layoutControls();
    });
}

void frmMain::buildUsageView() {
    dockUsage = new QDockWidget(tr("Usage"), this);
    dockUsage->setObjectName(QStringLiteral("dockUsage"));
    dockUsage->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                           QDockWidget::DockWidgetFloatable);
    usageView = new UsageView(m_app);
    auto* scroll = new QScrollArea(dockUsage);
    scroll->setWidget(usageView);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    dockUsage->setWidget(scroll);
    addDockWidget(Qt::RightDockWidgetArea, dockUsage);
    dockUsage->hide();
    centralWidget()->installEventFilter(this);
    connect(mnuUsage, &QAction::toggled, this, [this](bool on) {
        if (on == dockUsage->isVisible()) return;
        if (on) {
            // Room for the view beside the list, as far as the screen has it: the window moves
            // left where it would reach past the screen's edge.
            int want = width() + usageView->sizeHint().width() + 24;
            const QRect screen = m_app.platform.screen ? m_app.platform.screen->availableGeometry() : QRect();
            const int frame = frameGeometry().width() - width();
            if (!screen.isEmpty()) want = std::min(want, screen.width() - frame);
            if (isVisible() && width() < want) {
                resize(want, height());
                const int over = x() + want + frame - 1 - screen.right();
                if (!screen.isEmpty() && over > 0) move(std::max(screen.left(), x() - over), y());
            }
        }
        dockUsage->setVisible(on);
    });
    connect(dockUsage, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible) usageView->refresh();
        mnuUsage->setChecked(!dockUsage->isHidden());
    });
}

void frmMain::layoutControls() {
    const QWidget* client = centralWidget();
    const double W = client->width();
    const double H = client->height();
    auto place = [](QWidget* w, double left, double top, double width, double height) {
        w->setGeometry(qRound(left), qRound(top), qRound(width), qRound(height));
    };
    place(Frame1, 0.013 * W, 0, 0.974 * W, 0.51 * H);
    place(UL, 0.013 * W, 0.044 * H, 0.949 * W, 0.444 * H);
    place(Frame3, 0.154 * W, 0.529 * H, 0.834 * W, 0.399 * H);
    place(lstLog, 0.013 * W, 0.044 * H, 0.808 * W, 0.333 * H);
    place(Picture1, 0.013 * W, 0.529 * H, 0.13 * W, 0.223 * H);
    place(Label1, 0.013 * W, 0.771 * H, 0.13 * W, 0.157 * H);
    place(StatusBar1, 0, 0.95 * H, W, 0.05 * H);
}

void frmMain::Form_Resize() {
    layoutControls();
    SaveWindowMetrics(m_app, *this);
}

void frmMain::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    Form_Resize();
}

void frmMain::showEvent(QShowEvent* e) {
    FillUserList(true);
    QMainWindow::showEvent(e);
}

void frmMain::closeEvent(QCloseEvent* e) {
    // Form_QueryUnload: the close is never refused, and only this window goes.
    SaveWindowMetricsOnClose(m_app, *this);
    e->accept();
    m_app.unloadLater("frmMain");
}

void frmMain::SizeColumns() {
    // The columns share the list's width in these proportions. None is narrower than its header
    // text or its widest cell, so no name is cut; what they need beyond their share comes out of
    // the columns that have room to spare.
    constexpr double parts[] = {0.125, 0.06, 0.1, 0.1, 0.1};
    constexpr double whole = parts[0] + parts[1] + parts[2] + parts[3] + parts[4];
    constexpr int columns = 5;
    const int available = UL->viewport()->width();
    const QAbstractItemView* view = UL;
    int width[columns];
    int need[columns];
    int total = 0;
    for (int c = 0; c < columns; ++c) {
        need[c] = std::max(UL->header()->sectionSizeHint(c), view->sizeHintForColumn(c));
        width[c] = std::max(need[c], qRound(parts[c] / whole * available));
        total += width[c];
    }
    for (int c = 0; c < columns && total > available; ++c) {
        const int give = std::min(width[c] - need[c], total - available);
        width[c] -= give;
        total -= give;
    }
    for (int c = 0; c < columns; ++c)
        UL->setColumnWidth(c, width[c]);
}

void frmMain::updateClock() {
    m_panels[4]->setText(ShownTime(m_app.platform.clock->now().time()));
}

void frmMain::updateLockPanels() {
    m_panels[2]->setEnabled(m_scrollLock);
    m_panels[3]->setEnabled(m_capsLock);
}

bool frmMain::eventFilter(QObject* watched, QEvent* e) {
    // The usage view takes its room from the client area, not from the window.
    if (watched == centralWidget() && e->type() == QEvent::Resize) layoutControls();
    // Ctrl+C in the log list with lines selected copies them; elsewhere it is "&Close Window".
    if (watched == lstLog && (e->type() == QEvent::ShortcutOverride || e->type() == QEvent::KeyPress) &&
        static_cast<QKeyEvent*>(e)->matches(QKeySequence::Copy) && !lstLog->selectedItems().isEmpty()) {
        e->accept();
        if (e->type() == QEvent::KeyPress) copySelectedLogLines();
        return true;
    }
    if (e->type() == QEvent::KeyPress) {
        const auto* k = static_cast<QKeyEvent*>(e);
        // The toolkit does not report the lock states themselves, only the key presses.
        if (!k->isAutoRepeat() && (k->key() == Qt::Key_CapsLock || k->key() == Qt::Key_ScrollLock)) {
            (k->key() == Qt::Key_CapsLock ? m_capsLock : m_scrollLock) ^= true;
            updateLockPanels();
        }
        if (watched == UL && k->key() == Qt::Key_Menu) {
            // The keyboard's way to the pop-up: the current row's user.
            QTreeWidgetItem* current = UL->currentItem();
            mnuUserListTag = current ? current->text(0) : QString();
            const QRect r = current ? UL->visualItemRect(current) : QRect();
            showUserListPopup(UL->viewport()->mapToGlobal(r.isValid() ? r.center() : QPoint(0, 0)));
            return true;
        }
    }
    if (watched == UL->viewport()) {
        if (e->type() == QEvent::Resize || e->type() == QEvent::Show) SizeColumns();
        if (e->type() == QEvent::MouseButtonPress) {
            const auto* m = static_cast<QMouseEvent*>(e);
            switch (m->button()) {
            case Qt::LeftButton:
                ULTag = 1;
                break;
            case Qt::RightButton:
                ULTag = 2;
                break;
            case Qt::MiddleButton:
                ULTag = 4;
                break;
            default:
                ULTag = 0;
                break;
            }
            // A press beside every row names nobody, so the pop-up cannot act on a user
            // clicked long before.
            QTreeWidgetItem* hit = UL->itemAt(m->position().toPoint());
            mnuUserListTag = hit ? hit->text(0) : QString();
            if (hit) UL->setCurrentItem(hit);
        } else if (e->type() == QEvent::MouseButtonRelease) {
            const auto* m = static_cast<QMouseEvent*>(e);
            if (ULTag == 2 && m->button() == Qt::RightButton) {
                showUserListPopup(m->globalPosition().toPoint());
                return true;
            }
        } else if (e->type() == QEvent::ContextMenu) {
            return true; // the pop-up is opened by the click above
        }
    }
    return QMainWindow::eventFilter(watched, e);
}

void frmMain::updatePopupItems() {
    const bool named = !mnuUserListTag.isEmpty();
    mnuEditMenu2->setEnabled(named);
    mnuDeleteUser2->setEnabled(named);
}

void frmMain::showUserListPopup(const QPoint& globalPos) {
    updatePopupItems();
    mnuUserList->popup(globalPos);
}

void frmMain::FillUserList(bool quick) {
    auto setCell = [](QTreeWidgetItem* row, int column, const QString& text) {
        if (row->text(column) != text) row->setText(column, text);
    };
    if (quick) {
        const int n = m_app.CurrentUserNumber;
        QTreeWidgetItem* row = n >= 1 ? UL->topLevelItem(n - 1) : nullptr;
        if (row) {
            const QString section = Sections::User(n);
            if (!m_app.read(section, UserKeys::TimeBasedOn).is(PeriodTypes::Unlimited))
                setCell(row, 4, FreeTimeText(m_app, n));
            return;
        }
        // The list has not been filled since this window was loaded: fill all of it.
    }
    const int count = RecountUsers(m_app);
    // Rows are reused rather than cleared, so that only a cell whose text changes is written
    // and the selection stays where it was.
    while (UL->topLevelItemCount() > count)
        delete UL->takeTopLevelItem(UL->topLevelItemCount() - 1);
    for (int n = 1; n <= count; ++n) {
        QTreeWidgetItem* row = UL->topLevelItem(n - 1);
        if (!row) row = new QTreeWidgetItem(UL);
        const QStringList cells = UserListCells(m_app, n);
        for (int c = 0; c < cells.size(); ++c)
            setCell(row, c, cells[c]);
    }
    SizeColumns();
}

void frmMain::mnuEnabled_Click(bool checked) {
    // The item has already turned its check mark over.
    m_panels[0]->setText(checked ? tr("TimeWard Enabled") : tr("TimeWard Disabled"));
    m_app.model.setCountingEnabled(checked);
}

QStringList frmMain::logLines() const {
    QStringList lines;
    for (int i = 0; i < lstLog->count(); ++i)
        lines << lstLog->item(i)->text();
    return lines;
}

void frmMain::copySelectedLogLines() {
    // In the list's order, whatever order they were picked in.
    QStringList lines;
    for (int i = 0; i < lstLog->count(); ++i)
        if (lstLog->item(i)->isSelected()) lines << lstLog->item(i)->text();
    if (Clipboard* clipboard = m_app.platform.clipboard) clipboard->setText(lines.join(QLatin1Char('\n')));
}

QList<UserListRow> frmMain::userRows() {
    FillUserList(false);
    QList<UserListRow> rows;
    for (int i = 0; i < UL->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* it = UL->topLevelItem(i);
        rows.append({it->text(0), it->text(1), it->text(2), it->text(3), it->text(4)});
    }
    return rows;
}

void frmMain::mnuLogin_Click() {
    ReturnToLogin(m_app, true);
}

void frmMain::mnuOptions_Click() {
    setEnabled(false);
    ShowOptions(m_app, this); // the dialog enables this window again when it closes
}

void frmMain::mnuExit_Click() {
    if (m_app.platform.messageBox->show(tr(kExitQuestion), kProgramTitle, MsgButtons::YesNo, MsgIcon::Question, false,
                                        MsgDefault::Second) == MsgAnswer::Yes)
        ShutDownProgram(m_app);
}

void frmMain::pickUser(const QString& mode) {
    const QTreeWidgetItem* selected = UL->currentItem();
    ShowPickUser(m_app, mode, this, selected ? selected->text(0) : QString());
}

void frmMain::mnuAddUser_Click() {
    AddUser(m_app, this);
}

void frmMain::mnuNewUsWiz_Click(bool checked) {
    m_app.write(Sections::Wizards, WizardsKeys::NewUser, checked);
}

void frmMain::mnuEditUsers_Click() {
    pickUser(QStringLiteral("Edit User"));
}

void frmMain::mnuDeleteUser_Click() {
    if (RecountUsers(m_app) <= 1) {
        m_app.platform.messageBox->show(tr(kOneUserLeft), kProgramTitle, MsgButtons::Ok, MsgIcon::Information);
        return;
    }
    pickUser(QStringLiteral("Delete User"));
}

void frmMain::mnuEditUser2_Click() {
    if (FindUserByName(m_app, mnuUserListTag) == 0) return;
    EditUserByName(m_app, mnuUserListTag, this, true); // the editor keeps this window disabled while it is up
}

void frmMain::mnuDeleteUser2_Click() {
    if (RecountUsers(m_app) <= 1) {
        m_app.platform.messageBox->show(tr(kOneUserLeft), kProgramTitle, MsgButtons::Ok, MsgIcon::Information);
        return;
    }
    AskAndDeleteUser(m_app, mnuUserListTag);
}

void frmMain::mnuUserModFreeTime_Click() {
    const int n = FindUserByName(m_app, mnuUserListTag);
    if (n == 0) return;
    if (ReadUserSetting(m_app, n, UserKeys::TimeBasedOn).is(PeriodTypes::Unlimited)) {
        m_app.platform.messageBox->show(frmModUserFreeTime::tr(kUnlimitedTimeMessage), kProgramTitle, MsgButtons::Ok,
                                        MsgIcon::Information);
        return;
    }
    ModifyUserFreeTime(m_app, mnuUserListTag, this);
}

void frmMain::mnuSNTP_Click() {
    // Renews the chosen user's period, as "Refresh &Time Period" in the "&Users" menu does.
    if (!mnuUserListTag.isEmpty()) RefreshTimePeriod(m_app, mnuUserListTag);
}

void BringUpMainWindow(App& app) {
    frmMain& w = app.window<frmMain>();
    if (w.isVisible()) return;
    w.SizeColumns();
    RestoreWindowMetrics(app, w);
    w.FillUserList(false);
    w.setEnabled(true);
    w.show();
    w.raise();
    w.activateWindow();
}
