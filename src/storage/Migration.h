#pragma once

class App;

// Brings the stored settings up to this version's shape, one marked step per version.
void MigrateSettings(App& app);
