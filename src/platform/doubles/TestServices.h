#pragma once

// Recording doubles of the outside services: nothing here touches the real desktop,
// starts a program, plays a sound, prints or leaves the machine.

#include "platform/Clipboard.h"
#include "platform/DdeLink.h"
#include "platform/FilePicker.h"
#include "platform/Help.h"
#include "platform/Http.h"
#include "platform/InputGrab.h"
#include "platform/InstanceLock.h"
#include "platform/Platform.h"
#include "platform/Printer.h"
#include "platform/ProcessControl.h"
#include "platform/ProcessStart.h"
#include "platform/Screen.h"
#include "platform/Sound.h"
#include "platform/SystemExit.h"
#include "platform/Tray.h"
#include "platform/UserServices.h"

#include <QList>
#include <QMap>
#include <QQueue>
#include <QStringList>
#include <QUrl>

class TestInstanceLock final : public InstanceLock {
public:
    bool tryAcquire() override { return !otherCopyRunning; }
    bool holderAnswers(int) override { return holderLive; }
    bool otherCopyRunning = false;
    bool holderLive = true; // the holder answers on the exit link
};

class TestProcessControl final : public ProcessControl {
public:
    void exitNow(int code) override { exitCodes.append(code); }
    bool exited() const { return !exitCodes.isEmpty(); }
    QList<int> exitCodes;
};

class TestSystemExit final : public SystemExit {
public:
    bool exitWindows(unsigned flags) override {
        calls.append(flags);
        return true;
    }
    QList<unsigned> calls;
};

class TestTray final : public Tray {
public:
    bool add(const QString& tip) override {
        ops << QStringLiteral("add:") + tip;
        if (!available) return false;
        shown = true;
        this->tip = tip;
        return true;
    }
    bool modify(const QString& t) override {
        ops << QStringLiteral("modify:") + t;
        if (!shown) return false;
        tip = t;
        return true;
    }
    bool remove() override {
        ops << QStringLiteral("delete");
        const bool was = shown;
        shown = false;
        return was;
    }
    void doubleClick() {
        if (onLeftDoubleClick) onLeftDoubleClick();
    }
    // The menu's texts as it would open now, and a click on one of them (false: no such entry).
    QStringList menuTexts() const {
        QStringList t;
        if (menuEntries)
            for (const TrayMenuEntry& e : menuEntries())
                t << e.text;
        return t;
    }
    bool choose(const QString& text) {
        if (!menuEntries) return false;
        for (const TrayMenuEntry& e : menuEntries())
            if (e.text == text && e.run) {
                e.run();
                return true;
            }
        return false;
    }
    bool available = true;
    bool shown = false;
    QString tip;
    QStringList ops;
};

class TestSound final : public Sound {
public:
    bool play(const QString& file) override {
        played << file;
        return true;
    }
    QStringList played;
};

class TestHelp final : public Help {
public:
    void showContents() override { calls << QStringLiteral("contents"); }
    void showSearch() override { calls << QStringLiteral("search"); }
    void showHelpOnHelp() override { calls << QStringLiteral("helponhelp"); }
    void showTopic(const QString& t) override { calls << QStringLiteral("topic:") + t; }
    void quit() override { calls << QStringLiteral("quit"); }
    QStringList calls;
};

class TestProcessStart final : public ProcessStart {
public:
    bool start(const QString& program) override {
        started << program;
        return succeed;
    }
    bool openUrl(const QUrl& url) override {
        opened << url;
        return succeed;
    }
    QStringList started;
    QList<QUrl> opened;
    bool succeed = true;
};

class TestUserServices final : public UserServices {
public:
    bool hasUnit(const QString& unit) override { return managerRuns && installed.contains(unit); }
    bool setUnitEnabled(const QString& unit, bool on) override {
        if (!hasUnit(unit)) return false;
        enabled[unit] = on;
        return true;
    }
    bool managerRuns = false;
    QStringList installed{kServiceUnitName};
    QMap<QString, bool> enabled;
};

class TestDdeLink final : public DdeLink {
public:
    bool listen() override { return listening = true; }
    void close() override { listening = false; }
    void open() {
        if (onOpen) onOpen();
    }
    void send(const QString& text) {
        if (onText) onText(text);
    }
    bool listening = false;
};

class TestPrinter final : public Printer {
public:
    struct Job {
        QString name;
        QStringList lines;
        bool picture = false; // a page picture came with the lines
    };
    Result print(const QString& jobName, const QStringList& lines) override {
        jobs.append({jobName, lines});
        return result(jobName);
    }
    Result printWithPicture(const QString& jobName, const QStringList& lines, const PagePainter& picture) override {
        jobs.append({jobName, lines, bool(picture)});
        return result(jobName);
    }
    // Set: no printer is installed, and each job "goes" to <pdfFolder>/<job name>.pdf.
    QString pdfFolder;
    bool setup() override {
        ++setups;
        return true;
    }
    QList<Job> jobs;
    int setups = 0;

private:
    Result result(const QString& jobName) const {
        Result r;
        r.ok = true;
        if (!pdfFolder.isEmpty()) r.pdfFile = pdfFolder + QLatin1Char('/') + jobName + QStringLiteral(".pdf");
        return r;
    }
};

class TestHttp final : public Http {
public:
    Response get(const QString& url, int timeoutMs) override {
        requests << url;
        lastTimeoutMs = timeoutMs;
        if (!responses.isEmpty()) return responses.dequeue();
        Response r;
        r.error = QStringLiteral("No answer");
        return r;
    }
    QStringList requests;
    QQueue<Response> responses;
    int lastTimeoutMs = 0;
};

class TestClipboard final : public Clipboard {
public:
    void setText(const QString& t) override { m_text = t; }
    QString text() const override { return m_text; }

private:
    QString m_text;
};

class TestFilePicker final : public FilePicker {
public:
    QString openFile(const QString& title, const QString& filter, const QString&) override {
        asked << title + QLatin1Char('|') + filter;
        return next.isEmpty() ? QString() : next.dequeue();
    }
    QString saveFile(const QString& title, const QString& filter, const QString& startPath) override {
        asked << title + QLatin1Char('|') + filter + QLatin1Char('|') + startPath;
        return next.isEmpty() ? QString() : next.dequeue();
    }
    QQueue<QString> next;
    QStringList asked;
};

class TestScreen final : public Screen {
public:
    QRect geometry() const override { return rect; }
    QRect availableGeometry() const override { return rect; }
    QRect virtualGeometry() const override { return rect; }
    QRect rect{0, 0, 1024, 768};
};

// Records who holds the keyboard and the pointer; refuse makes the display say no.
class TestInputGrab final : public InputGrab {
public:
    void hold(QWidget& window, std::function<void()> refused) override {
        ops << QStringLiteral("hold");
        if (refuse) {
            holder = nullptr;
            if (refused) refused();
            return;
        }
        holder = &window;
    }
    void release() override {
        ops << QStringLiteral("release");
        holder = nullptr;
    }
    bool held() const override { return holder != nullptr; }
    QWidget* holder = nullptr;
    bool refuse = false;
    QStringList ops;
};

// Stands in for everything of a real platform that could reach the desktop or the machine
// (ending the session, sounds, programs, help) in a resident copy that a test or a benchmark
// runs in a process of its own.
struct DesktopDoubles {
    TestSystemExit systemExit;
    TestSound sound;
    TestProcessStart processStart;
    TestHelp help;
    void installInto(Platform& platform) {
        platform.systemExit = &systemExit;
        platform.sound = &sound;
        platform.processStart = &processStart;
        platform.help = &help;
    }
};
