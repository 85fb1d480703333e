#pragma once

#include <QString>

class App;

// Brings the stored settings up to this version's shape, one marked step per version.
void MigrateSettings(App& app);

// Where earlier versions kept their settings: HKEY_CURRENT_USER\<this path>\<section> in the
// same registry.
inline const QString kLegacySettingsPath = QStringLiteral("Software\\Legacy Settings\\TimeWard");
