#include "platform/Http.h"

QString Http::baseUrl() {
    return qEnvironmentVariable("TIMEWARD_UPDATE_URL").trimmed();
}
