#include "restrictions/BootOptions.h"

#include "core/App.h"
#include "core/RuntimeError.h"
#include "platform/ProfileFile.h"
#include "storage/Setting.h"

#include <limits>

namespace {
// The system's read fills a buffer of 128 characters, one of them the closing NUL.
constexpr int kReadBuffer = 128;

QString bootFile(App& app) {
    return app.paths().native(BootOptions::File);
}
} // namespace

QString ReadBootOption(App& app, const QString& key) {
    QString text = ProfileFile::read(bootFile(app), BootOptions::Section, key, QString());
    const int nul = text.indexOf(QChar(0));
    if (nul >= 0) text.truncate(nul);
    text.truncate(kReadBuffer - 1);
    return text.toUpper();
}

bool WriteBootOption(App& app, const QString& key, const QString& value) {
    return ProfileFile::write(bootFile(app), BootOptions::Section, key, value);
}

void SaveBootOptions(App& app, const BootOptionStates& states) {
    bool ok = WriteBootOption(app, BootOptions::BootDelay, QString::number(states.BootDelay));
    ok = WriteBootOption(app, BootOptions::BootGUI, QString::number(states.BootGUI)) && ok;
    ok = WriteBootOption(app, BootOptions::BootWin, QString::number(states.BootWin)) && ok;
    if (!ok)
        throw RuntimeError(RuntimeError::PathFileAccess,
                           RuntimeError::standardText(RuntimeError::PathFileAccess) + QStringLiteral(": ") +
                               bootFile(app),
                           QStringLiteral("SaveBootOptions"));
}

std::optional<long long> LoadBootOption(App& app, const QString& key) {
    if (!WholeNumber(ReadBootOption(app, key))) return std::nullopt;
    // Read again for the value itself, as the box is set from a second read.
    const auto n = WholeNumber(ReadBootOption(app, key));
    if (!n) return std::nullopt;
    if (*n > std::numeric_limits<int>::max() || *n < std::numeric_limits<int>::min())
        return std::numeric_limits<long long>::max();
    return *n;
}
