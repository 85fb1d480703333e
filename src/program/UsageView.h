#pragma once

#include "timekeeping/UsageHistory.h"

#include <QWidget>

class App;
class QPainter;

// The main window's "Usage" view: for each user the last 14 days as bars, the allowance as a
// line, today picked out, and the last 7 days' total and daily average. The figures come from
// BuildUsageOverview; this only draws them.
class UsageView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(UsageView)

public:
    explicit UsageView(App& app, QWidget* parent = nullptr);

    // Reads the history anew and redraws.
    void refresh();
    const UsageOverview& overview() const { return m_overview; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    App& m_app;
    UsageOverview m_overview;
};

// Draws the overview into area: one band per user. Used by the view and by the weekly usage
// report's PDF page.
void PaintUsageChart(QPainter& p, const QRect& area, const UsageOverview& overview, const QPalette& palette);
// The height one user's band needs.
constexpr int kUsageBandHeight = 120;
