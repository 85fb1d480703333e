#include "storage/Migration.h"

#include "core/App.h"

void MigrateSettings(App&) {}
