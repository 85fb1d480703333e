#include "reports/UpdateCheck.h"

#include "platform/Http.h"
#include "reports/Reports.h"

#include <QCoreApplication>

namespace {
QString serverAddress() {
    QString base = Http::baseUrl();
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    return base;
}
} // namespace

QString VersionFileUrl() {
    return UpdateServerSet() ? serverAddress() + QStringLiteral("/timeward/twversion.txt") : QString();
}

QString DownloadPageUrl() {
    return UpdateServerSet() ? serverAddress() + QStringLiteral("/timeward/") : QString();
}

bool UpdateServerSet() {
    return !serverAddress().isEmpty();
}

QString NoUpdateServerText() {
    return QCoreApplication::translate(
        "UpdateCheck", "No update server is set, so TimeWard cannot look for a new version.  To use one, start "
                       "TimeWard with the environment variable TIMEWARD_UPDATE_URL set to the server's address "
                       "(for example in the Exec line of its autostart entry); the README says more.");
}

UpdateCheckResult CheckLatestVersion(Http& http) {
    UpdateCheckResult r;
    if (!UpdateServerSet()) {
        r.status = NoUpdateServerText();
        return r;
    }
    const Http::Response resp = http.get(VersionFileUrl(), kUpdateTimeoutMs);
    if (!resp.ok) {
        if (resp.status != 0)
            r.status =
                QCoreApplication::translate(
                    "UpdateCheck", "The update server answered with an error (HTTP %1%2).  Please try again later.")
                    .arg(resp.status)
                    .arg(resp.error.isEmpty() ? QString() : QStringLiteral(" ") + resp.error);
        else
            r.status =
                QCoreApplication::translate("UpdateCheck",
                                            "Could not reach the update server (%1).  Please check your internet "
                                            "connection and try again.")
                    .arg(resp.error.isEmpty() ? QCoreApplication::translate("UpdateCheck", "no answer") : resp.error);
        return r;
    }
    QString body = QString::fromUtf8(resp.body);
    if (body.endsWith(QLatin1Char('\n'))) body.chop(1);
    // An empty answer names no version at all; calling it a newer version would mislead.
    if (body.isEmpty()) {
        r.status = QCoreApplication::translate("UpdateCheck",
                                               "The update server sent no version number.  Please try again later.");
        return r;
    }
    r.latestVersion = body;
    if (body == kProgramVersion) {
        r.kind = UpdateCheckResult::Kind::Current;
        r.status = QCoreApplication::translate("UpdateCheck", "You have the current version.");
    } else {
        r.kind = UpdateCheckResult::Kind::Newer;
        r.status = QCoreApplication::translate("UpdateCheck",
                                               "A newer version is out (%1).  If you wish to download the update "
                                               "(recommended), please copy the box below and paste it in your "
                                               "favorite browser.")
                       .arg(body);
    }
    return r;
}
