#include "program/frmTRWindow.h"

#include "core/App.h"
#include "platform/Screen.h"
#include "storage/ConfigKeys.h"
#include "timekeeping/SessionClock.h"

#include <QLabel>
#include <QVBoxLayout>

frmTRWindow::frmTRWindow(App& app) : QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint), m_app(app) {
    setObjectName(QStringLiteral("frmTRWindow"));
    setWindowTitle(QStringLiteral("TimeWard"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    Label1 = new QLabel(tr("Time Remaining"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    layout->addWidget(Label1, 0, Qt::AlignHCenter);
    layout->addWidget(Label2, 0, Qt::AlignHCenter);
    setFixedSize(kWidth, kHeight);
    connect(&app.model, &SessionModel::timeLeftChanged, this, [this] {
        if (m_app.read(Sections::Config, ConfigKeys::TRWindow, 0).is(1)) ShowTimeLeft();
    });
}

void frmTRWindow::showInCorner() {
    const QRect screen = m_app.platform.screen ? m_app.platform.screen->geometry() : QRect(0, 0, 1024, 768);
    // The corner is worked out for the window's final size, so it never reaches past the edge.
    const int right = screen.right() + 1 - kWidth;
    const int bottom = screen.bottom() + 1 - kHeight - kBottomMargin;
    // The corners as the Preferences dialog's picture shows them, where the parent chooses:
    // 0 top left, 1 top right, 2 bottom right, 3 bottom left.
    QPoint at = screen.topLeft();
    switch (m_app.read(Sections::Config, ConfigKeys::TWLoc).toInt(0)) {
    case 1:
        at = QPoint(right, screen.top());
        break;
    case 2:
        at = QPoint(right, bottom);
        break;
    case 3:
        at = QPoint(screen.left(), bottom);
        break;
    default:
        break;
    }
    move(at);
    show();
    raise();
}

void frmTRWindow::ShowTimeLeft() {
    Label2->setText(TimeLeftText(m_app));
}
