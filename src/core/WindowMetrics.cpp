#include "core/WindowMetrics.h"

#include "core/App.h"
#include "platform/Screen.h"
#include "storage/ConfigKeys.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <limits>

namespace {
// A window that was never resized nor shown takes its size from its layout only as it is shown;
// centring needs that size beforehand.
void settleSize(QWidget& form) {
    if (!form.testAttribute(Qt::WA_Resized) && !form.isVisible()) form.adjustSize();
}

const char* const kCaptionProperty = "englishCaption";

QString metricKey(const QWidget& form, const char* part) {
    const QVariant caption = form.property(kCaptionProperty);
    return (caption.isValid() ? caption.toString() : form.windowTitle()) + QLatin1Char(' ') + QLatin1String(part);
}

constexpr int kTitleBarRoom = 130;

// Wide enough for its whole title, within the screen; a window of fixed width keeps it.
void widenForTitle(App& app, QWidget& form) {
    const int need = std::min(TitleBarWidth(form), std::max(0, app.platform.screen->availableGeometry().width()));
    if (form.width() < need && form.maximumWidth() >= need) form.resize(need, form.height());
}

// A window counts as reachable when this much of its top edge (where the title bar is) lies on
// the screens: enough to grab it with the mouse and drag it back.
constexpr int kGrabWidth = 100;
constexpr int kGrabHeight = 20;
} // namespace

void SetCaption(QWidget& form, const char* context, const char* caption) {
    form.setWindowTitle(QCoreApplication::translate(context, caption));
    form.setProperty(kCaptionProperty, QString::fromUtf8(caption));
}

void CenterForm(App& app, QWidget& form) {
    CenterForm(app, nullptr, form);
}

void CenterForm(App& app, QWidget* parent, QWidget& form) {
    settleSize(form);
    const QRect area = parent ? parent->frameGeometry() : app.platform.screen->availableGeometry();
    const QSize size = form.frameGeometry().size().isValid() ? form.frameGeometry().size() : form.size();
    form.move(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
}

void SaveWindowMetrics(App& app, QWidget& form) {
    if (form.isMinimized()) return;
    const QRect g(form.pos(), form.size());
    SettingsStore::Batch batch(app.store);
    app.write(Sections::WindowMetrics, metricKey(form, "Left"), static_cast<long long>(g.x()) * kTwipsPerPixel);
    app.write(Sections::WindowMetrics, metricKey(form, "Top"), static_cast<long long>(g.y()) * kTwipsPerPixel);
    app.write(Sections::WindowMetrics, metricKey(form, "Width"), static_cast<long long>(g.width()) * kTwipsPerPixel);
    app.write(Sections::WindowMetrics, metricKey(form, "Height"), static_cast<long long>(g.height()) * kTwipsPerPixel);
}

void SaveWindowMetricsOnClose(App& app, QWidget& form) {
    if (app.read(Sections::Config, ConfigKeys::SaveWinPosition).is(1)) SaveWindowMetrics(app, form);
}

qint16 MetricValue(const QString& stored) {
    const Setting s(stored);
    const long long n = s.toLongLong(0);
    return static_cast<qint16>(
        std::clamp<long long>(n, std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max()));
}

QRect ReachableGeometry(const QRect& wanted, const QRect& available, const QRect& virtualArea) {
    const QRect grip(wanted.x(), wanted.y(), wanted.width(), std::min(kGrabHeight, wanted.height()));
    const QRect onScreen = grip.intersected(virtualArea);
    const bool reachable = wanted.y() >= virtualArea.y() && onScreen.height() >= grip.height() &&
                           onScreen.width() >= std::min(kGrabWidth, wanted.width());
    return reachable ? wanted : WhollyInside(wanted, available);
}

QRect WhollyInside(const QRect& wanted, const QRect& available) {
    if (available.isEmpty()) return wanted;
    QRect r = wanted;
    r.setWidth(std::min(r.width(), available.width()));
    r.setHeight(std::min(r.height(), available.height()));
    r.moveLeft(std::clamp(r.x(), available.left(), available.left() + available.width() - r.width()));
    r.moveTop(std::clamp(r.y(), available.top(), available.top() + available.height() - r.height()));
    return r;
}

int TitleBarWidth(const QWidget& form) {
    QFont bold = form.font();
    bold.setBold(true);
    return QFontMetrics(bold).horizontalAdvance(form.windowTitle()) + kTitleBarRoom;
}

void PlaceForm(App& app, QWidget& form, QWidget* over) {
    settleSize(form);
    widenForTitle(app, form);
    if (app.read(Sections::Config, ConfigKeys::AutoCenterWindows, 0).is(1))
        CenterForm(app, over && over->isVisible() ? over : nullptr, form);
    // The frame (title bar included) is what must fit; the client area shrinks by as much.
    const QRect frame = form.frameGeometry();
    const QRect inside = WhollyInside(frame, app.platform.screen->availableGeometry());
    if (inside == frame) return;
    form.resize(form.size() - (frame.size() - inside.size()));
    form.move(inside.topLeft());
}

void RestoreOrPlaceForm(App& app, QWidget& form) {
    if (!RestoreWindowMetrics(app, form)) PlaceForm(app, form);
}

bool RestoreWindowMetrics(App& app, QWidget& form) {
    auto value = [&](const char* part) {
        return static_cast<int>(MetricValue(app.read(Sections::WindowMetrics, metricKey(form, part), 0).text()));
    };
    const int left = value("Left");
    const int top = value("Top");
    const int width = value("Width");
    const int height = value("Height");
    // Nothing stored yet: the designed place. A size below zero cannot be set at all.
    if (width <= 0 || height <= 0) return false;
    const QRect wanted(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel, height / kTwipsPerPixel);
    const Screen& screen = *app.platform.screen;
    const QRect place = ReachableGeometry(wanted, screen.availableGeometry(), screen.virtualGeometry());
    form.move(place.topLeft());
    form.resize(place.size());
    return true;
}
