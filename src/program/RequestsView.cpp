#include "program/RequestsView.h"

#include "platform/Clock.h"

#include "core/App.h"
#include "core/DialogParts.h"
#include "core/ErrorPrompt.h"
#include "core/WindowMetrics.h"
#include "platform/MessageBox.h"
#include "program/frmMain.h"
#include "storage/ConfigKeys.h"
#include "timekeeping/Requests.h"
#include "users/UserKeys.h"

#include <QComboBox>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

RequestsView::RequestsView(App& app, QWidget* parent) : QWidget(parent), m_app(app) {
    setObjectName(QStringLiteral("RequestsView"));
    lstRequests = new QTreeWidget(this);
    lstRequests->setObjectName(QStringLiteral("lstRequests"));
    lstRequests->setColumnCount(4);
    lstRequests->setHeaderLabels({tr("User"), tr("Minutes"), tr("Reason"), tr("Asked")});
    lstRequests->setRootIsDecorated(false);
    lstRequests->setSelectionMode(QAbstractItemView::SingleSelection);
    lstRequests->header()->setStretchLastSection(false);
    lstRequests->header()->setSectionResizeMode(2, QHeaderView::Stretch);

    cmdApprove = new QPushButton(tr("&Approve…"), this);
    cmdApprove->setObjectName(QStringLiteral("cmdApprove"));
    cmdDeny = new QPushButton(tr("&Deny"), this);
    cmdDeny->setObjectName(QStringLiteral("cmdDeny"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(lstRequests);
    layout->addLayout(ButtonRow({cmdApprove, cmdDeny}));

    connect(cmdApprove, &QPushButton::clicked, this, &RequestsView::cmdApprove_Click);
    connect(cmdDeny, &QPushButton::clicked, this, &RequestsView::cmdDeny_Click);
    connect(lstRequests, &QTreeWidget::itemSelectionChanged, this, [this] {
        cmdApprove->setEnabled(selectedId() != 0);
        cmdDeny->setEnabled(selectedId() != 0);
    });
    connect(lstRequests, &QTreeWidget::itemDoubleClicked, this, &RequestsView::cmdApprove_Click);

    // Another process's request shows within a second of it, or of the main window's showing:
    // a main window kept hidden (after the splash, through a child's session) reads nothing.
    m_poll = new QTimer(this);
    m_poll->setObjectName(QStringLiteral("tmrRequests"));
    m_poll->setInterval(1000);
    connect(m_poll, &QTimer::timeout, this, [this] {
        if (window()->isVisible()) refresh();
    });
    m_poll->start();
    // The poll finds what another copy or twreg wrote; this copy's own changes show at once.
    connect(&app.model, &SessionModel::requestsChanged, this, &RequestsView::refresh);
    refresh();
}

int RequestsView::count() const {
    return lstRequests->topLevelItemCount();
}

int RequestsView::selectedId() const {
    const QList<QTreeWidgetItem*> items = lstRequests->selectedItems();
    return items.isEmpty() ? 0 : items.first()->data(0, Qt::UserRole).toInt();
}

void RequestsView::refresh() {
    QList<MoreTimeRequest> open;
    if (!RunStep(m_app, QStringLiteral("FillRequestList"), [&] { open = OpenRequests(m_app); })) return;
    QString shown;
    for (const MoreTimeRequest& r : open)
        shown += QString::number(r.id) + QLatin1Char('\n') + r.user + QLatin1Char('\n') + QString::number(r.minutes) +
                 QLatin1Char('\n') + r.reason + QLatin1Char('\n') + r.asked + QLatin1Char('\n');
    if (shown == m_shown && lstRequests->topLevelItemCount() == open.size()) return;
    m_shown = shown;
    const int before = count();
    const int selected = selectedId();
    lstRequests->clear();
    QTreeWidgetItem* keep = nullptr;
    for (const MoreTimeRequest& r : open) {
        auto* item =
            new QTreeWidgetItem(lstRequests, {r.user, QString::number(r.minutes), r.reason, ShownStamp(r.asked)});
        item->setData(0, Qt::UserRole, r.id);
        item->setToolTip(2, r.reason);
        if (r.id == selected) keep = item;
    }
    if (!keep && lstRequests->topLevelItemCount() > 0) keep = lstRequests->topLevelItem(0);
    if (keep) keep->setSelected(true);
    for (int c = 0; c < 4; ++c)
        if (c != 2) lstRequests->resizeColumnToContents(c);
    cmdApprove->setEnabled(selectedId() != 0);
    cmdDeny->setEnabled(selectedId() != 0);
    if (count() != before) emit countChanged(count());
}

void RequestsView::cmdApprove_Click() {
    const int id = selectedId();
    if (id == 0) return;
    // Answered from the parent's page, or closed, since the list was read: said before asking.
    const std::optional<MoreTimeRequest> request = ReadRequest(m_app, id);
    if (!request || request->state.compare(RequestStates::Open, Qt::CaseInsensitive) != 0) {
        AnswerResult gone;
        gone.outcome = request ? AnswerResult::NotOpen : AnswerResult::NoSuchRequest;
        refresh();
        m_app.platform.messageBox->show(AnswerResultMessage(gone), kProgramTitle, MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    frmApproveMinutes dialog(request->user, request->minutes, window());
    PlaceForm(m_app, dialog, window());
    if (dialog.exec() != QDialog::Accepted) return;
    if (const std::optional<int> minutes = dialog.minutes()) answer(true, *minutes);
}

void RequestsView::cmdDeny_Click() {
    if (selectedId() != 0) answer(false, 0);
}

void RequestsView::answer(bool approve, int minutes) {
    const int id = selectedId();
    const QString parent = m_app.read(Sections::User(m_app.CurrentUserNumber), UserKeys::Name).text();
    AnswerResult result;
    if (!RunStep(m_app, QStringLiteral("AnswerRequest"), [&] {
            result = AnswerRequest(m_app, id, approve, minutes, parent, QStringLiteral("from the main window"));
        }))
        return;
    refresh();
    if (!result.ok())
        m_app.platform.messageBox->show(AnswerResultMessage(result), kProgramTitle, MsgButtons::Ok,
                                        MsgIcon::Exclamation);
}

frmApproveMinutes::frmApproveMinutes(const QString& user, int asked, QWidget* parent) : QuestionDialog(parent) {
    setObjectName(QStringLiteral("frmApproveMinutes"));
    setWindowTitle(tr("Approve"));
    auto* layout = new QVBoxLayout(this);
    auto* lblFor = new QLabel(tr("How many minutes do you give %1?").arg(user), this);
    lblFor->setWordWrap(true);
    layout->addWidget(lblFor);

    cboMinutes = new QComboBox(this);
    cboMinutes->setObjectName(QStringLiteral("cboMinutes"));
    cboMinutes->setEditable(true);
    cboMinutes->setInsertPolicy(QComboBox::NoInsert);
    cboMinutes->addItems({QStringLiteral("5"), QStringLiteral("15"), QStringLiteral("30"), QStringLiteral("60")});
    cboMinutes->setValidator(new QIntValidator(1, kMaxAnswerMinutes, cboMinutes));
    cboMinutes->setEditText(QString::number(asked > 0 ? asked : 15));
    cmdOk = addQuestion(layout, tr("&Minutes:"), cboMinutes, tr("&Give"), "cmdOk");
    connect(cmdOk, &QPushButton::clicked, this, &frmApproveMinutes::cmdOk_Click);
    cboMinutes->setFocus();
    cboMinutes->lineEdit()->selectAll();
}

std::optional<int> frmApproveMinutes::minutes() const {
    bool isNumber = false;
    const int m = cboMinutes->currentText().trimmed().toInt(&isNumber);
    if (!isNumber || m < 1 || m > kMaxAnswerMinutes) return std::nullopt;
    return m;
}

void frmApproveMinutes::cmdOk_Click() {
    if (!minutes()) {
        lblInfo->setText(tr("Please give from 1 to %1 minutes.").arg(kMaxAnswerMinutes));
        cboMinutes->setFocus();
        return;
    }
    accept();
}
