#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// Runs the real binaries of the build on a data folder of the test's own.
struct ProgramRunner {
    QString home; // TIMEWARD_HOME

    static QString binary(const QString& relative) {
        return qEnvironmentVariable("TIMEWARD_TEST_BINDIR") + QLatin1Char('/') + relative;
    }
    static QString timeward() { return binary(QStringLiteral("src/timeward")); }
    static QString twreg() { return binary(QStringLiteral("tools/twreg/twreg")); }
    static QString keeper() { return binary(QStringLiteral("tools/keeper/timeward-keeper")); }
    static QString storeWriter() { return binary(QStringLiteral("tests/tw_storewriter")); }

    QProcessEnvironment environment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TIMEWARD_HOME"), home);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/xdg-config"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/xdg-data"));
        return env;
    }

    struct Result {
        int exitCode = -1;
        QString out;
        QString err;
    };
    // Runs a program to its end (at most timeoutMs).
    Result run(const QString& program, const QStringList& args, int timeoutMs = 30000) const {
        QProcess p;
        p.setProcessEnvironment(environment());
        p.start(program, args);
        Result r;
        if (!p.waitForFinished(timeoutMs)) {
            p.kill();
            p.waitForFinished();
            r.err = QStringLiteral("timed out");
            return r;
        }
        r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.out = QString::fromUtf8(p.readAllStandardOutput());
        r.err = QString::fromUtf8(p.readAllStandardError());
        return r;
    }
};
