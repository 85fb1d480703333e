#include "core/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTranslator>
#include <memory>

namespace {
// The translators in use; the application holds pointers to them, so they live to the end.
std::unique_ptr<QTranslator> ownTranslator;
std::unique_ptr<QTranslator> qtTranslator;

// English has no catalogue: the singular and plural of a counted text ("%n minute(s)") are
// picked here. Installed first and kept, so that every catalogue loaded later comes before it.
class EnglishPlurals final : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int n) const override {
        if (n < 0 || !source) return {};
        QString text = QString::fromUtf8(source);
        if (!text.contains(QLatin1String("(s)"))) return {};
        return text.replace(QLatin1String("(s)"), n == 1 ? QString() : QStringLiteral("s"));
    }
};

void installEnglishPlurals() {
    static EnglishPlurals* plurals = nullptr;
    if (plurals) return;
    plurals = new EnglishPlurals; // lives as long as the process
    QCoreApplication::installTranslator(plurals);
}

void removeTranslators() {
    for (std::unique_ptr<QTranslator>* t : {&ownTranslator, &qtTranslator}) {
        if (*t) QCoreApplication::removeTranslator(t->get());
        t->reset();
    }
}
} // namespace

QString ChosenLanguage(const QStringList& uiLanguages) {
    for (const QString& tag : uiLanguages) {
        // "de-DE", "de_DE.UTF-8", "de@euro": the language is the part before the first separator.
        const QString language = tag.section(QRegularExpression(QStringLiteral("[-_.@]")), 0, 0).toLower();
        if (language == QLatin1String("en") || language == QLatin1String("c") || language == QLatin1String("posix"))
            return {};
        if (kShippedLanguages.contains(language)) return language;
    }
    return {};
}

bool InstallTranslations(const QString& language, const QString& folder) {
    installEnglishPlurals();
    removeTranslators();
    if (language.isEmpty()) return false;
    auto own = std::make_unique<QTranslator>();
    if (!own->load(QStringLiteral("timeward_") + language, folder)) return false;
    QCoreApplication::installTranslator(own.get());
    ownTranslator = std::move(own);
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        qtTranslator = std::move(qt);
    }
    return true;
}
