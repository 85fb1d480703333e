#include "core/WindowMetrics.h"

#include "core/App.h"
#include "platform/Screen.h"

#include <QWidget>

void CenterForm(App& app, QWidget& form) {
    const QRect screen = app.platform.screen->availableGeometry();
    const QSize size = form.frameGeometry().size().isValid() ? form.frameGeometry().size() : form.size();
    form.move(screen.x() + (screen.width() - size.width()) / 2, screen.y() + (screen.height() - size.height()) / 2);
}
