#include "program/UsageView.h"

#include "core/App.h"
#include "platform/Clock.h"
#include "timekeeping/Periods.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

namespace {
constexpr int kTitleHeight = 28;
constexpr int kNameWidth = 150;
constexpr int kMargin = 8;

QColor mix(const QColor& a, const QColor& b, qreal t) {
    return QColor::fromRgbF(a.redF() * (1 - t) + b.redF() * t, a.greenF() * (1 - t) + b.greenF() * t,
                            a.blueF() * (1 - t) + b.blueF() * t);
}
} // namespace

UsageView::UsageView(App& app, QWidget* parent) : QWidget(parent), m_app(app) {
    setObjectName(QStringLiteral("usageView"));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    refresh();
    // A tick charges the day's usage; users come and go. Read anew only while it is seen.
    const auto refreshShown = [this] {
        if (isVisible()) refresh();
    };
    connect(&app.model, &SessionModel::timeLeftChanged, this, refreshShown);
    connect(&app.model, &SessionModel::usersChanged, this, refreshShown);
}

void UsageView::refresh() {
    m_overview = BuildUsageOverview(m_app, PeriodClockToday(m_app));
    updateGeometry();
    update();
}

QSize UsageView::sizeHint() const {
    return {kNameWidth + 14 * 26 + 3 * kMargin,
            kTitleHeight + static_cast<int>(std::max<qsizetype>(1, m_overview.rows.size())) * kUsageBandHeight};
}

QSize UsageView::minimumSizeHint() const {
    return {kNameWidth + 14 * 12 + 3 * kMargin, sizeHint().height()};
}

void UsageView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PaintUsageChart(p, rect(), m_overview, palette());
}

void PaintUsageChart(QPainter& p, const QRect& area, const UsageOverview& o, const QPalette& palette) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const QColor text = palette.color(QPalette::Text);
    const QColor bar = palette.color(QPalette::Highlight);
    const QColor todayBar = QColor(0xE0, 0x7A, 0x10);
    const QColor allowance = QColor(0xC0, 0x20, 0x20);
    const QColor grid = mix(palette.color(QPalette::Base), text, 0.15);
    QFont font = p.font();
    const QFontMetrics fm(font, p.device());
    const int line = fm.height();

    QFont bold = font;
    bold.setBold(true);
    p.setFont(bold);
    p.setPen(text);
    const QRect title(area.left() + kMargin, area.top(), area.width() - 2 * kMargin, kTitleHeight);
    if (o.rows.isEmpty()) {
        p.drawText(title, Qt::AlignLeft | Qt::AlignVCenter, QCoreApplication::translate("UsageView", "No users."));
        p.restore();
        return;
    }
    p.drawText(
        title, Qt::AlignLeft | Qt::AlignVCenter,
        QCoreApplication::translate("UsageView", "Time used, last %1 days to %2").arg(o.days).arg(ShownDate(o.today)));
    p.setFont(font);
    p.setPen(allowance);
    p.drawText(title, Qt::AlignRight | Qt::AlignVCenter, QCoreApplication::translate("UsageView", "— allowance a day"));

    const long long scale = o.scaleSeconds();
    const int plotLeft = area.left() + kNameWidth + kMargin;
    const int plotWidth = std::max(o.days, area.right() - kMargin - plotLeft);
    const qreal slot = static_cast<qreal>(plotWidth) / o.days;
    for (int u = 0; u < o.rows.size(); ++u) {
        const UsageRow& r = o.rows[u];
        const int top = area.top() + kTitleHeight + u * kUsageBandHeight;
        const QRect band(area.left(), top, area.width(), kUsageBandHeight);
        if (u % 2 == 1) p.fillRect(band, mix(palette.color(QPalette::Base), text, 0.04));

        // The user's figures on the left.
        p.setPen(text);
        p.setFont(bold);
        const QRect names(area.left() + kMargin, top + 4, kNameWidth - kMargin, kUsageBandHeight - 8);
        p.drawText(names, Qt::AlignLeft | Qt::AlignTop, fm.elidedText(r.name, Qt::ElideRight, names.width()));
        p.setFont(font);
        p.drawText(
            names.adjusted(0, line + 2, 0, 0), Qt::AlignLeft | Qt::AlignTop,
            QCoreApplication::translate("UsageView", "%1\n7 days: %2\nAverage: %3 a day")
                .arg(PeriodTypeLabel(r.basedOn), UsageHoursMinutes(r.weekTotal), UsageHoursMinutes(r.weekAverage)));

        // The bars, with the day under each.
        const int plotTop = top + 6;
        const int plotBottom = top + kUsageBandHeight - line - 6;
        const int plotHeight = std::max(1, plotBottom - plotTop);
        p.setPen(grid);
        p.drawLine(plotLeft, plotBottom, plotLeft + plotWidth, plotBottom);
        for (int i = 0; i < r.seconds.size(); ++i) {
            const QDate day = o.firstDay().addDays(i);
            const bool isToday = day == o.today;
            const qreal x = plotLeft + i * slot;
            const qreal h = plotHeight * static_cast<qreal>(r.seconds[i]) / static_cast<qreal>(scale);
            const QRectF b(x + slot * 0.15, plotBottom - h, slot * 0.7, h);
            if (isToday)
                p.fillRect(QRectF(x, plotTop, slot, plotHeight), mix(palette.color(QPalette::Base), todayBar, 0.15));
            p.fillRect(b, isToday ? todayBar : bar);
            p.setPen(isToday ? todayBar : text);
            p.setFont(isToday ? bold : font);
            p.drawText(QRectF(x, plotBottom + 2, slot, line), Qt::AlignHCenter | Qt::AlignTop,
                       QString::number(day.day()));
        }
        p.setFont(font);
        // The allowance line across the days.
        if (r.allowancePerDay > 0) {
            const qreal y = plotBottom - plotHeight * static_cast<qreal>(r.allowancePerDay) / static_cast<qreal>(scale);
            p.setPen(QPen(allowance, 2, Qt::DashLine));
            p.drawLine(QPointF(plotLeft, y), QPointF(plotLeft + plotWidth, y));
            p.setPen(allowance);
            p.drawText(QRectF(plotLeft - kNameWidth / 3.0 - 4, y - line / 2.0, kNameWidth / 3.0, line),
                       Qt::AlignRight | Qt::AlignVCenter, UsageHoursMinutes(r.allowancePerDay));
        }
    }
    p.restore();
}
