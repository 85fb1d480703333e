#pragma once

class App;

// Renews every user whose allowance period has ended.
void CheckTimePeriods(App& app);
