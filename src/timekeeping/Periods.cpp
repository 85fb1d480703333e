#include "timekeeping/Periods.h"

#include "core/App.h"

void CheckTimePeriods(App&) {}
