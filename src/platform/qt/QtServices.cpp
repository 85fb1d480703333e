#include "platform/qt/QtServices.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <unistd.h>

MsgAnswer QtMessageBox::show(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon,
                             bool systemModal) {
    QMessageBox box;
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
    struct B {
        QMessageBox::StandardButton button;
        MsgAnswer answer;
    };
    QList<B> list;
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
    for (const B& b : list)
        all |= b.button;
    box.setStandardButtons(all);
    box.setDefaultButton(list.first().button);
    if (systemModal) box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.setWindowModality(Qt::ApplicationModal);
    // Kept above the window it answers (the login window stays above all others), without
    // belonging to it.
    if (QWidget* owner = QApplication::activeWindow(); owner && owner->windowHandle()) {
        box.winId();
        box.windowHandle()->setTransientParent(owner->windowHandle());
    }
    const auto pressed = static_cast<QMessageBox::StandardButton>(box.exec());
    for (const B& b : list)
        if (b.button == pressed) return b.answer;
    // The close box counts as Cancel where there is one, else as the only sensible answer.
    for (const B& b : list)
        if (b.answer == MsgAnswer::Cancel || b.answer == MsgAnswer::No) return b.answer;
    return list.first().answer;
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

void QtClipboard::setText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

QString QtClipboard::text() const {
    return QGuiApplication::clipboard()->text();
}
