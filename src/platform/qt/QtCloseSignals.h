#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

// SIGTERM and SIGINT are how Linux asks a program to end, as a task manager's end-task
// does: they arrive here on the event loop, so the controller window can refuse them.
class QtCloseSignals final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QtCloseSignals)

public:
    explicit QtCloseSignals(QObject* parent = nullptr);
    ~QtCloseSignals() override;
    bool installed() const { return m_notifier != nullptr; }
    std::function<void(int)> onSignal;

private:
    QSocketNotifier* m_notifier = nullptr;
};
