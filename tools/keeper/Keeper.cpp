#include "Keeper.h"

#include "core/App.h"
#include "platform/Clock.h"
#include "platform/FileInstanceLock.h"
#include "storage/ActivityLog.h"
#include "storage/ConfigKeys.h"
#include "users/UserKeys.h"

#include <QFile>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {
struct OpenSession {
    int user = 0;
    qint64 lastTickMs = -1;
};

// The session whose tick wrote last in this boot; none when no heartbeat is left.
OpenSession openSession(App& app) {
    OpenSession found;
    const QString boot = app.platform.clock->bootId();
    const int count = app.read(Sections::Config, ConfigKeys::CurrentNumberOfUsers).toInt(0);
    for (int n = 1; n <= count; ++n) {
        const QString section = Sections::User(n);
        const Setting tick = app.read(section, UserKeys::LastTickBoot);
        if (tick.isAbsent() || app.read(section, UserKeys::LastTickBootId).text() != boot) continue;
        bool ok = false;
        const qint64 ms = tick.text().trimmed().toLongLong(&ok);
        if (ok && ms > found.lastTickMs) found = {n, ms};
    }
    return found;
}

// The process's state letter from /proc ('T' stopped, 't' held by a debugger); 0 when it has
// gone (a zombie has gone too).
char processState(long long pid) {
    if (pid <= 0) return 0;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) return 0;
    const QByteArray text = stat.readAll();
    // "pid (name) S ...": the name may hold anything, so the state follows its last ')'.
    const qsizetype close = text.lastIndexOf(')');
    if (close < 0 || close + 2 >= text.size()) return 0;
    const char state = text.at(close + 2);
    return state == 'Z' || state == 'X' ? 0 : state;
}

uid_t g_owner = 0;
gid_t g_ownerGroup = 0;
} // namespace

void ActAsDataFolderOwner(const QString& dataFolder) {
    struct stat st {};
    if (::geteuid() != 0 || ::stat(QFile::encodeName(dataFolder).constData(), &st) != 0 || st.st_uid == 0) return;
    g_owner = st.st_uid;
    g_ownerGroup = st.st_gid;
    // The effective ids only: the real and saved ones stay root, so the account cannot signal
    // this process, and a program started again can be given the account's ids in full.
    if (::setegid(g_ownerGroup) != 0 || ::seteuid(g_owner) != 0)
        std::fprintf(stderr, "timeward-keeper: cannot act as the data folder's owner\n");
}

Keeper::Keeper(App& app, Options options) : m_app(app), m_options(std::move(options)) {
    // Programs started again are not waited for.
    std::signal(SIGCHLD, SIG_IGN);
}

void Keeper::check() {
    const OpenSession session = openSession(m_app);
    if (session.user == 0) return;
    const qint64 stillMs = m_app.platform.clock->boottimeMs() - session.lastTickMs;
    if (stillMs <= kStillMs) return;
    if (session.lastTickMs == m_actedOnTick && m_sinceAction.isValid() && m_sinceAction.elapsed() < kRetryMs) return;
    const long long pid = FileInstanceLock::holderPid(m_app.paths().dataFile(kLockFileName));
    const char state = processState(pid);
    QString what;
    if (state == 'T') {
        ::kill(static_cast<pid_t>(pid), SIGCONT);
        what = QStringLiteral("was stopped; the keeper let it run on");
    } else if (state == 't' || state == 0) {
        if (state == 't') ::kill(static_cast<pid_t>(pid), SIGKILL);
        restart();
        what = state == 't' ? QStringLiteral("was held by a debugger; the keeper ended it and started TimeWard again")
                            : QStringLiteral("had ended; the keeper started it again");
    } else {
        return; // running, with counting switched off
    }
    m_actedOnTick = session.lastTickMs;
    m_sinceAction.start();
    const QString line =
        QStringLiteral("The clock of %1's session stood still for %2 seconds: TimeWard (process %3) %4.")
            .arg(m_app.read(Sections::User(session.user), UserKeys::Name).text())
            .arg(stillMs / 1000)
            .arg(pid)
            .arg(what);
    std::printf("%s\n", line.toLocal8Bit().constData());
    std::fflush(stdout);
    try {
        WriteActivityLog(m_app, line);
    } catch (const RuntimeError&) {
        std::fprintf(stderr, "timeward-keeper: the activity log could not be written\n");
    }
}

void Keeper::restart() {
    std::vector<QByteArray> args;
    const bool asRoot = ::getuid() == 0 && g_owner != 0;
    if (!m_options.restartCommand.isEmpty()) {
        args.push_back(QFile::encodeName(m_options.restartCommand));
    } else {
        args = {"systemctl", "--user"};
        if (asRoot) {
            const passwd* pw = ::getpwuid(g_owner);
            if (!pw) return;
            args.push_back(QByteArray("--machine=") + pw->pw_name + '@');
        }
        args.push_back("start");
        args.push_back("timeward.service");
    }
    std::vector<char*> argv;
    for (QByteArray& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const pid_t child = ::fork();
    if (child != 0) return;
    // The child: the service manager is asked as root; a program of its own runs as the account.
    if (asRoot) {
        if (::seteuid(0) != 0) ::_exit(126);
        if (m_options.restartCommand.isEmpty()) {
            ::setegid(0);
        } else if (::setgroups(1, &g_ownerGroup) != 0 || ::setgid(g_ownerGroup) != 0 || ::setuid(g_owner) != 0) {
            ::_exit(126);
        }
    }
    ::setsid();
    ::execvp(argv[0], argv.data());
    ::_exit(127);
}
