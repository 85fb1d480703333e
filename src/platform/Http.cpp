#include "platform/Http.h"

QString Http::baseUrl() {
    const QString env = qEnvironmentVariable("TIMEWARD_UPDATE_URL");
    return env.isEmpty() ? QStringLiteral("http://updates.timeward.invalid") : env;
}
