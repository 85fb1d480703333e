#include "TestRegistry.h"
#include "core/Translations.h"

#include <QStandardPaths>
#include <QTest>
#include <memory>

#ifdef TW_GUI_TESTS
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

int main(int argc, char** argv) {
    TestApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    InstallTranslations(QString(), QString()); // English, as the program starts without a catalogue
    const QByteArray only = qgetenv("TW_ONLY");
    int failed = 0;
    for (auto& [name, make] : TestRegistry::all()) {
        if (!only.isEmpty() && only != name) continue;
        std::unique_ptr<QObject> test(make());
        failed += QTest::qExec(test.get(), argc, argv);
    }
    return failed == 0 ? 0 : 1;
}
