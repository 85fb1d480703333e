#pragma once

// The Linux implementations of the outside services that need only the GUI toolkit.

#include "platform/Clipboard.h"
#include "platform/FilePicker.h"
#include "platform/MessageBox.h"
#include "platform/ProcessControl.h"
#include "platform/Screen.h"

#include <QMessageBox>
#include <QPointer>
#include <map>
#include <vector>

class QtMessageBox final : public MessageBox {
public:
    MsgAnswer show(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon, bool systemModal,
                   MsgDefault defaultButton) override;
    int open(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon, Answered answered,
             const QString& extraButton) override;
    int choose(const QString& text, const QString& title, MsgIcon icon, const QStringList& buttons) override;
    void close(int box) override;
    void declineWaiting() override;

private:
    struct Waiting {
        QMessageBox* box;
        bool declined;
    };
    std::vector<Waiting*> m_waiting; // the boxes of show(), innermost last
    int m_lastBox = 0;
    std::map<int, QPointer<QMessageBox>> m_open;
};

// Ends the process at once: no destructors, no close handlers. Every store write is already
// committed and every log line closed, so nothing is lost.
class QtProcessControl final : public ProcessControl {
public:
    void exitNow(int code) override;
};

class QtScreen final : public Screen {
public:
    QRect geometry() const override;
    QRect availableGeometry() const override;
    QRect virtualGeometry() const override;
};

class QtFilePicker final : public FilePicker {
public:
    QString openFile(const QString& title, const QString& filter, const QString& startPath) override;
    QString saveFile(const QString& title, const QString& filter, const QString& startPath) override;
};

class QtClipboard final : public Clipboard {
public:
    void setText(const QString& text) override;
    QString text() const override;
};
