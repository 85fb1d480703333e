#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

// The languages TimeWard ships besides English, as the translation files name them.
inline const QStringList kShippedLanguages = {QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es")};

// The shipped language the desktop asks for, from its languages in order of preference (as
// QLocale::uiLanguages gives them: "de-DE", "fr", "en-US" ...): the first one that is English or
// shipped decides. Empty means English.
QString ChosenLanguage(const QStringList& uiLanguages);

// Loads timeward_<language>.qm from folder and Qt's own qtbase_<language>.qm (where installed, so
// that the standard buttons speak the same language) into the application. English, or a
// language whose file is missing, installs nothing. Any translators loaded before are removed
// first. English counted texts ("%n minute(s)") get their singular or plural in every
// language. True when the program's own translation was installed.
bool InstallTranslations(const QString& language, const QString& folder);
