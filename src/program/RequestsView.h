#pragma once

#include "core/DialogParts.h"

#include <QWidget>
#include <optional>

class App;
class QComboBox;
class QPushButton;
class QTimer;
class QTreeWidget;

// "Requests" in the main window: the children's open requests for more time, read from the
// store (so that one another copy or twreg wrote shows as well), with Approve and Deny for the
// parent at the computer.
class RequestsView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RequestsView)

public:
    explicit RequestsView(App& app, QWidget* parent = nullptr);

    QTreeWidget* lstRequests; // "User", "Minutes", "Reason", "Asked"; the id in the user role
    QPushButton* cmdApprove;
    QPushButton* cmdDeny;

    // Reads the open requests again; the list is rebuilt only when they changed.
    void refresh();
    int count() const;
    // The selected request's id, 0 when none.
    int selectedId() const;

    void cmdApprove_Click();
    void cmdDeny_Click();

signals:
    // The number of open requests changed.
    void countChanged(int count);

private:
    void answer(bool approve, int minutes);

    App& m_app;
    QTimer* m_poll;
    QString m_shown; // what the list shows, to skip refreshes that change nothing
};

// Approve's question: how many minutes, 5/15/30/60 or typed, starting from what was asked.
class frmApproveMinutes final : public QuestionDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmApproveMinutes)

public:
    frmApproveMinutes(const QString& user, int asked, QWidget* parent);

    QComboBox* cboMinutes;
    QPushButton* cmdOk;

    // The minutes typed or chosen, when they are a whole number from 1 to the most a parent gives.
    std::optional<int> minutes() const;

private:
    void cmdOk_Click();
};
