#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QWidget>
#include <functional>

// Drives modal windows: act() runs once the top-level window named name is visible. A watchdog
// rejects every dialog still up after a few seconds, so a test that goes wrong fails instead
// of hanging in a modal loop.
inline void whenShown(const QString& name, std::function<void(QWidget*)> act) {
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, name, act] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == name && w->isVisible()) {
                poll->stop();
                poll->deleteLater();
                act(w);
                return;
            }
    });
    poll->start();
    QTimer::singleShot(8000, poll, [poll] {
        poll->deleteLater();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible()) d->reject();
    });
}
