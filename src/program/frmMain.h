#pragma once

#include "reports/Reports.h"

#include <QMainWindow>
#include <array>

class App;
class QAction;
class QDockWidget;
class RequestsView;
class UsageView;
class QGroupBox;
class QLabel;
class QListWidget;
class QMenu;
class QStatusBar;
class QTimer;
class QTreeWidget;

// The administrators' main window: every user with the time allowed and left, the on-screen
// activity log, the status bar and the menus from which all administration starts. Closing it
// unloads only this window; the program goes on.
class frmMain final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmMain)

public:
    explicit frmMain(App& app);
    ~frmMain() override;

    QGroupBox* Frame1;
    QTreeWidget* UL; // report style: "User", "Parent?", "Measured By", "Time Allowed", "Time Remaining"
    QGroupBox* Frame3;
    QListWidget* lstLog;
    QLabel* Picture1;
    QLabel* Label1;
    QStatusBar* StatusBar1;
    QTimer* T2; // the end of the splash, one shot after 5000 ms

    QMenu* mnuTimeWard;
    QAction* mnuEnabled;
    QAction* mnuLogin;
    QAction* mnuOptions;
    QAction* mnuPrintSetup;
    QMenu* mnuPrint;
    QAction* mnuPrintLog;
    QAction* mnuPrintTime;
    QAction* mnuPrintUL;
    QAction* mnuPrintEverything;
    QAction* mnuPrintUsage; // "&Weekly Usage"
    QAction* mnuClose;
    QAction* mnuExit;
    QMenu* mnuUser;
    QAction* mnuAddUser;
    QAction* mnuUserModFreeTime2;
    QAction* mnuSNTP2;
    QAction* mnuEditUsers;
    QAction* mnuDeleteUser;
    QAction* mnuUsage; // shows or hides the usage view
    QMenu* mnuWiz;
    QAction* mnuNewUsWiz;
    QMenu* mnuHelp;
    QAction* mnuIndex;
    QAction* mnuSearch;
    QAction* mnuUsingHelp;
    QAction* mnuAbout;
    QAction* mnuCheckNewVer;
    // The user list's pop-up menu, never in the menu bar.
    QMenu* mnuUserList;
    QMenu* mnuEditMenu2;
    QAction* mnuUserModFreeTime;
    QAction* mnuSNTP;
    QAction* mnuEditUser2;
    QAction* mnuDeleteUser2;
    QAction* mnuAddUser2;
    QAction* mnuOptions2;
    QMenu* mnuHelp2;
    QAction* mnuIndex2;
    QAction* mnuSearch2;
    QAction* mnuUsingHelp2;
    QAction* mnuAbout2;

    // "Usage" beside the user list: each user's last 14 days.
    QDockWidget* dockUsage;
    UsageView* usageView;
    // "Requests" below the lists: the children's open requests for more time, shown while
    // there are any.
    QDockWidget* dockRequests;
    RequestsView* requestsView;

    // The tags the pop-up works with: the mouse button last pressed on the list (1 left,
    // 2 right, 4 middle) and the name of the user last clicked.
    int ULTag = 0;
    QString mnuUserListTag;

    // Status bar panel 1 to 5: enabled text, version, scroll lock, caps lock, clock.
    QLabel* panel(int number) const;

    // The user list: quick = true writes only the current user's "Time Remaining" cell (each
    // tick); false rebuilds every row (when the users changed).
    void FillUserList(bool quick);
    // What the printed reports take: the log list's entries, and the user list's rows
    // (rebuilt first).
    QStringList logLines() const;
    QList<UserListRow> userRows();
    // Columns 1 to 5 get 0.125, 0.06, 0.1, 0.1 and 0.1 of the list's width.
    void SizeColumns();
    // Places every control by the window's inner size, then saves the window's place.
    void Form_Resize();

protected:
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void buildMenus();
    void layoutControls();
    void updateClock();
    void updateLockPanels();
    void showUserListPopup(const QPoint& globalPos);
    void updatePopupItems();
    void buildUsageView();
    // Opens the pick-a-user dialog over this window with the selected user chosen.
    void pickUser(const QString& mode);
    void buildRequestsView();
    // The log list's selected lines onto the clipboard, one a line.
    void copySelectedLogLines();

    void mnuEnabled_Click(bool checked);
    void mnuLogin_Click();
    void mnuOptions_Click();
    void mnuExit_Click();
    void mnuAddUser_Click();
    void mnuNewUsWiz_Click(bool checked);
    void mnuEditUsers_Click();
    void mnuDeleteUser_Click();
    void mnuEditUser2_Click();
    void mnuDeleteUser2_Click();
    void mnuUserModFreeTime_Click();
    void mnuSNTP_Click();

    App& m_app;
    std::array<QLabel*, 5> m_panels{};
    QTimer* m_clock;
    bool m_capsLock = false;
    bool m_scrollLock = false;
};

// Brings the main window up for a parent (tray double-click, "MainScreen"): columns sized,
// place restored, list rebuilt, shown, enabled and focused. Nothing when it is visible already.
void BringUpMainWindow(App& app);
// What the user list shows for every user. One row: "User", "Parent?", "Measured By",
// "Time Allowed", "Time Remaining".
QStringList UserListCells(App& app, int userNumber);
