// From exec until the first window is mapped: the real timeward on a fresh data folder holding
// one user (so that its login window is the first it shows) against the reference window
// program built beside it, taken in turns, each once to warm up and then runs times. Prints
// every run, the medians and their ratio.
//
//   DISPLAY=:N startup [runs]
//
// Run it on an X server of its own (Xvfb): the programs put windows on DISPLAY. Every run of
// timeward gets its own TIMEWARD_HOME and configuration folders, and no session or system bus.
#include "platform/SqliteRegistry.h"
#include "storage/ConfigKeys.h"
#include "storage/SettingsStore.h"
#include "users/PasswordScramble.h"
#include "users/UserKeys.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {
const char* const kLoginTitle = "Time Ward Login";
const char* const kReferenceTitle = "Startup reference";

// A data folder whose store has been through the first start and holds one user, with no
// splash and no login countdown.
void prepareHome(const QString& home) {
    QDir().mkpath(home);
    SqliteRegistry reg(home + QStringLiteral("/registry.db"));
    SettingsStore store(reg);
    SettingsStore::Batch batch(store);
    const auto config = [&](const QString& key, const QString& value) {
        store.WriteSetting(kAppName, Sections::Config, key, value);
    };
    for (const auto& d : ConfigKeys::FirstRunDefaults)
        config(d.key, QString::fromUtf8(d.value));
    config(ConfigKeys::ShowSplash, QStringLiteral("0"));
    config(ConfigKeys::LoginTimer, QStringLiteral("0"));
    config(ConfigKeys::LoadedBefore, QStringLiteral("1"));
    config(ConfigKeys::CurrentNumberOfUsers, QStringLiteral("1"));
    const QString user = Sections::User(1);
    store.WriteSetting(kAppName, user, UserKeys::Number, 1);
    store.WriteSetting(kAppName, user, UserKeys::Name, QStringLiteral("bench"));
    store.WriteSetting(kAppName, user, UserKeys::Password, StoredPasswordForm(QStringLiteral("bench")));
    store.WriteSetting(kAppName, user, UserKeys::TimeBasedOn, PeriodTypes::Unlimited);
    store.WriteSetting(kAppName, user, UserKeys::ParentRights, 0);
}

// The window's name, whatever its text type.
std::string windowName(Display* dpy, Window w) {
    for (Atom property : {XInternAtom(dpy, "_NET_WM_NAME", False), static_cast<Atom>(XA_WM_NAME)}) {
        Atom type = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(dpy, w, property, 0, 256, False, AnyPropertyType, &type, &format, &count, &after,
                               &data) == Success &&
            data) {
            std::string name(reinterpret_cast<const char*>(data), count);
            XFree(data);
            if (!name.empty()) return name;
        }
    }
    return {};
}

// Milliseconds from the start of program until a window titled title is mapped; -1 when none
// is within the time allowed or the program ends first. The program is ended either way.
double timeToWindow(Display* dpy, const std::string& program, const std::vector<std::string>& env, const char* title) {
    while (XPending(dpy)) {
        XEvent discard;
        XNextEvent(dpy, &discard);
    }
    std::vector<char*> envp;
    for (const std::string& e : env)
        envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, envp.data()) != 0) return -1;
    double ms = -1;
    const auto elapsed = [&] {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    };
    while (ms < 0 && elapsed() < 20000) {
        if (!XPending(dpy)) {
            pollfd fd{ConnectionNumber(dpy), POLLIN, 0};
            poll(&fd, 1, 50);
            if (waitpid(pid, nullptr, WNOHANG) == pid) {
                pid = 0;
                break;
            }
            if (!XPending(dpy)) continue;
        }
        XEvent ev;
        XNextEvent(dpy, &ev);
        if (ev.type == MapNotify && windowName(dpy, ev.xmap.window) == title) ms = elapsed();
    }
    if (pid > 0) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    return ms;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// This process's environment with the entries of overrides put in place.
std::vector<std::string> environmentWith(const std::vector<std::pair<std::string, std::string>>& overrides) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry(*e);
        const bool replaced = std::any_of(overrides.begin(), overrides.end(), [&](const auto& o) {
            return entry.compare(0, o.first.size() + 1, o.first + "=") == 0;
        });
        if (!replaced) env.push_back(entry);
    }
    for (const auto& [name, value] : overrides)
        env.push_back(name + "=" + value);
    return env;
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fprintf(stderr, "startup: set DISPLAY to an X server of its own (Xvfb)\n");
        return 2;
    }
    Display* dpy = XOpenDisplay(nullptr);
    if (!dpy) {
        std::fprintf(stderr, "startup: cannot open the display\n");
        return 2;
    }
    XSelectInput(dpy, DefaultRootWindow(dpy), SubstructureNotifyMask);
    XSync(dpy, False);

    const QString dir = QCoreApplication::applicationDirPath();
    const std::string timeward = QDir::cleanPath(dir + QStringLiteral("/../src/timeward")).toStdString();
    const std::string reference = (dir + QStringLiteral("/startup_window")).toStdString();
    QTemporaryDir work;
    const QString templateHome = work.filePath(QStringLiteral("template"));
    prepareHome(templateHome);

    int made = 0;
    const auto freshEnvironment = [&] {
        const QString home = work.filePath(QStringLiteral("run%1").arg(++made));
        QDir().mkpath(home + QStringLiteral("/xdg-runtime"));
        QFile::setPermissions(home + QStringLiteral("/xdg-runtime"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::copy(templateHome + QStringLiteral("/registry.db"), home + QStringLiteral("/registry.db"));
        const std::string h = home.toStdString();
        return environmentWith({{"TIMEWARD_HOME", h},
                                {"XDG_CONFIG_HOME", h + "/xdg-config"},
                                {"XDG_DATA_HOME", h + "/xdg-data"},
                                {"XDG_CACHE_HOME", h + "/xdg-cache"},
                                {"XDG_RUNTIME_DIR", h + "/xdg-runtime"},
                                {"DBUS_SESSION_BUS_ADDRESS", "unix:path=" + h + "/no-session-bus"},
                                {"DBUS_SYSTEM_BUS_ADDRESS", "unix:path=" + h + "/no-system-bus"},
                                {"QT_QPA_PLATFORM", "xcb"}});
    };

    std::vector<double> real, ref;
    for (int i = 0; i <= runs; ++i) {
        const double r = timeToWindow(dpy, reference, freshEnvironment(), kReferenceTitle);
        const double t = timeToWindow(dpy, timeward, freshEnvironment(), kLoginTitle);
        if (r < 0 || t < 0) {
            std::fprintf(stderr, "startup: run %d: no window (reference %.1f ms, timeward %.1f ms)\n", i, r, t);
            XCloseDisplay(dpy);
            return 1;
        }
        std::printf("%s %2d: reference %7.1f ms   timeward %7.1f ms\n", i == 0 ? "warm-up" : "run    ", i, r, t);
        if (i == 0) continue;
        ref.push_back(r);
        real.push_back(t);
    }
    XCloseDisplay(dpy);
    const double mr = median(ref), mt = median(real);
    std::printf("median reference %.1f ms, timeward %.1f ms\n", mr, mt);
    std::printf("ratio timeward / reference = %.3f (aim <= 1.20: %s)\n", mt / mr, mt / mr <= 1.2 ? "met" : "missed");
    return 0;
}
