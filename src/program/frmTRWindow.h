#pragma once

#include <QWidget>

class App;
class QLabel;

// The small always-on-top window with the logged-in user's remaining time.
class frmTRWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmTRWindow)

public:
    explicit frmTRWindow(App& app);

    // Takes the corner that "TWLoc" names, shows the window (not modal) and keeps it on top.
    void showInCorner();

    QLabel* Label1; // "Time Remaining"
    QLabel* Label2; // the time left

    static constexpr int kWidth = 125;
    static constexpr int kHeight = 75;
    // 500 twips above the bottom edge, clear of a bottom panel.
    static constexpr int kBottomMargin = 500 / 15;

    // Writes the current user's time into Label2 (each tick, while "TRWindow" is on).
    void ShowTimeLeft();

private:
    App& m_app;
};
