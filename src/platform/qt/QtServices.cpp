#include "platform/qt/QtServices.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <unistd.h>

namespace {
struct ButtonAnswer {
    QMessageBox::StandardButton button;
    MsgAnswer answer;
};

// Sets up the box's text, title, icon and buttons; returns the buttons with their answers.
QList<ButtonAnswer> setUpBox(QMessageBox& box, const QString& text, const QString& title, MsgButtons buttons,
                             MsgIcon icon) {
    box.setText(text);
    box.setWindowTitle(title);
    switch (icon) {
    case MsgIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MsgIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case MsgIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case MsgIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MsgIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    }
    QList<ButtonAnswer> list;
    switch (buttons) {
    case MsgButtons::Ok:
        list = {{QMessageBox::Ok, MsgAnswer::Ok}};
        break;
    case MsgButtons::OkCancel:
        list = {{QMessageBox::Ok, MsgAnswer::Ok}, {QMessageBox::Cancel, MsgAnswer::Cancel}};
        break;
    case MsgButtons::AbortRetryIgnore:
        list = {{QMessageBox::Abort, MsgAnswer::Abort},
                {QMessageBox::Retry, MsgAnswer::Retry},
                {QMessageBox::Ignore, MsgAnswer::Ignore}};
        break;
    case MsgButtons::YesNoCancel:
        list = {{QMessageBox::Yes, MsgAnswer::Yes},
                {QMessageBox::No, MsgAnswer::No},
                {QMessageBox::Cancel, MsgAnswer::Cancel}};
        break;
    case MsgButtons::YesNo:
        list = {{QMessageBox::Yes, MsgAnswer::Yes}, {QMessageBox::No, MsgAnswer::No}};
        break;
    case MsgButtons::RetryCancel:
        list = {{QMessageBox::Retry, MsgAnswer::Retry}, {QMessageBox::Cancel, MsgAnswer::Cancel}};
        break;
    }
    QMessageBox::StandardButtons all;
    for (const ButtonAnswer& b : list)
        all |= b.button;
    box.setStandardButtons(all);
    box.setDefaultButton(list.first().button);
    box.setWindowModality(Qt::ApplicationModal);
    // Kept above the window it answers (the login window stays above all others), without
    // belonging to it.
    if (QWidget* owner = QApplication::activeWindow(); owner && owner->windowHandle()) {
        box.winId();
        box.windowHandle()->setTransientParent(owner->windowHandle());
    }
    return list;
}

MsgAnswer answerFor(const QList<ButtonAnswer>& list, QMessageBox::StandardButton pressed) {
    for (const ButtonAnswer& b : list)
        if (b.button == pressed) return b.answer;
    // The close box counts as Cancel where there is one, else as the only sensible answer.
    for (const ButtonAnswer& b : list)
        if (b.answer == MsgAnswer::Cancel || b.answer == MsgAnswer::No) return b.answer;
    return list.first().answer;
}
} // namespace

MsgAnswer QtMessageBox::show(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon,
                             bool systemModal, MsgDefault defaultButton) {
    QMessageBox box;
    const QList<ButtonAnswer> list = setUpBox(box, text, title, buttons, icon);
    const qsizetype chosen = static_cast<qsizetype>(defaultButton) / static_cast<qsizetype>(MsgDefault::Second);
    if (chosen < list.size()) box.setDefaultButton(list.at(chosen).button);
    if (systemModal) box.setWindowFlag(Qt::WindowStaysOnTopHint);
    Waiting waiting{&box, false};
    m_waiting.push_back(&waiting);
    const int pressed = box.exec();
    m_waiting.erase(std::find(m_waiting.begin(), m_waiting.end(), &waiting));
    if (waiting.declined) return DeclineAnswer(buttons);
    return answerFor(list, static_cast<QMessageBox::StandardButton>(pressed));
}

void QtMessageBox::declineWaiting() {
    for (Waiting* w : m_waiting) {
        w->declined = true;
        w->box->done(0);
    }
}

int QtMessageBox::open(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon, Answered answered,
                       const QString& extraButton) {
    auto* box = new QMessageBox;
    box->setAttribute(Qt::WA_DeleteOnClose);
    const QList<ButtonAnswer> list = setUpBox(*box, text, title, buttons, icon);
    QAbstractButton* extra = extraButton.isEmpty() ? nullptr : box->addButton(extraButton, QMessageBox::ActionRole);
    const int id = ++m_lastBox;
    m_open[id] = box;
    QObject::connect(box, &QMessageBox::finished, box, [this, id, box, list, answered, extra] {
        // A box taken away by close() is no longer listed: its answer is not wanted.
        if (m_open.erase(id) == 0) return;
        const MsgAnswer a = extra && box->clickedButton() == extra
                                ? MsgAnswer::Extra
                                : answerFor(list, box->standardButton(box->clickedButton()));
        if (answered) answered(a);
    });
    // Shown and left to the event loop: no nested loop, so the caller's timers keep firing.
    box->show();
    return id;
}

int QtMessageBox::choose(const QString& text, const QString& title, MsgIcon icon, const QStringList& buttons) {
    QMessageBox box;
    setUpBox(box, text, title, MsgButtons::Ok, icon);
    box.setStandardButtons(QMessageBox::NoButton);
    // The box breaks long lines wherever it may (a file name at its hyphens): each line is
    // kept whole instead.
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines)
        line = QStringLiteral("<nobr>") + line.toHtmlEscaped() + QStringLiteral("</nobr>");
    box.setTextFormat(Qt::RichText);
    box.setText(lines.join(QStringLiteral("<br>")));
    QList<QAbstractButton*> added;
    for (qsizetype i = 0; i < buttons.size(); ++i)
        added << box.addButton(buttons.at(i),
                               i + 1 == buttons.size() ? QMessageBox::RejectRole : QMessageBox::ActionRole);
    const int last = static_cast<int>(buttons.size()) - 1;
    if (added.isEmpty()) return last;
    box.setDefaultButton(qobject_cast<QPushButton*>(added.first()));
    box.setEscapeButton(added.last());
    Waiting waiting{&box, false};
    m_waiting.push_back(&waiting);
    box.exec();
    m_waiting.erase(std::find(m_waiting.begin(), m_waiting.end(), &waiting));
    const int pressed = static_cast<int>(added.indexOf(box.clickedButton()));
    return waiting.declined || pressed < 0 ? last : pressed;
}

void QtMessageBox::close(int id) {
    const auto it = m_open.find(id);
    if (it == m_open.end()) return;
    QPointer<QMessageBox> box = it->second;
    m_open.erase(it);
    if (box) {
        box->hide();
        box->deleteLater();
    }
}

void QtProcessControl::exitNow(int code) {
    ::_exit(code);
}

QRect QtScreen::geometry() const {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry() : QRect(0, 0, 1024, 768);
}

QRect QtScreen::availableGeometry() const {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->availableGeometry() : QRect(0, 0, 1024, 768);
}

QRect QtScreen::virtualGeometry() const {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->virtualGeometry() : QRect(0, 0, 1024, 768);
}

QString QtFilePicker::openFile(const QString& title, const QString& filter, const QString& startPath) {
    return QFileDialog::getOpenFileName(nullptr, title, startPath, filter);
}

QString QtFilePicker::saveFile(const QString& title, const QString& filter, const QString& startPath) {
    return QFileDialog::getSaveFileName(nullptr, title, startPath, filter);
}

void QtClipboard::setText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

QString QtClipboard::text() const {
    return QGuiApplication::clipboard()->text();
}
