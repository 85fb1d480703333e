#pragma once

#include <QString>

class Http;

// The version file and the download page on the update server; empty when no server is set.
QString VersionFileUrl();
QString DownloadPageUrl();
// Whether an update server is set ($TIMEWARD_UPDATE_URL), and what to say when none is.
bool UpdateServerSet();
QString NoUpdateServerText();

// How long the update check waits for the server.
constexpr int kUpdateTimeoutMs = 5000;

// The outcome of one check, as the update window shows it.
struct UpdateCheckResult {
    enum class Kind { Current, Newer, Failed };
    Kind kind = Kind::Failed;
    QString latestVersion; // Text2; empty when the check failed
    QString status;        // Label3
};

// Fetches the version file and compares it with this program's version as exact text,
// after dropping one trailing line feed. Any difference counts as newer. With no server set
// nothing is fetched and the check fails with NoUpdateServerText().
UpdateCheckResult CheckLatestVersion(Http& http);
