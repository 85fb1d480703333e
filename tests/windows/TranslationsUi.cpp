#include "TestPlatform.h"
#include "TestRegistry.h"
#include "UserFixtures.h"
#include "admin/UserAdmin.h"
#include "admin/frmAddNewUserWizard.h"
#include "admin/frmOptions.h"
#include "admin/frmPassChange.h"
#include "admin/frmUserMenu.h"
#include "admin/frmWelcome.h"
#include "core/Translations.h"
#include "core/WindowMetrics.h"
#include "login/frmAskParent.h"
#include "login/frmLogin.h"
#include "platform/Clock.h"
#include "program/RequestsView.h"
#include "program/frmAbout.h"
#include "program/frmMain.h"
#include "program/frmTRWindow.h"
#include "reports/frmBadShutdown.h"
#include "reports/frmCheckForUpdate.h"
#include "reports/frmErrorWizard.h"
#include "reports/frmMailAuthorBadShutdown.h"
#include "storage/ConfigKeys.h"
#include "timekeeping/Requests.h"
#include "timekeeping/frmAskMoreTime.h"
#include "timekeeping/frmModUserFreeTime.h"
#include "timekeeping/frmPickuser.h"
#include "timekeeping/frmUS.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <QXmlStreamReader>
#include <algorithm>
#include <memory>

// Each shipped translation: complete, faithful to its source's placeholders and access keys,
// really shown by the windows, and no window wider than a 1024-pixel screen in that language.
namespace {
const QString kTranslations = QStringLiteral(TW_TRANSLATIONS_DIR);
constexpr int kNarrowestScreen = 1024;

struct Message {
    QString context;
    QString source;
    QString translation; // of a counted text ("%n minute(s)"): its forms, one a line
    QStringList forms;   // a counted text's forms
    bool finished = false;
};

QList<Message> readCatalogue(const QString& language) {
    QFile f(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../translations/timeward_%1.ts").arg(language));
    if (!f.open(QIODevice::ReadOnly)) return {};
    QList<Message> out;
    QString context;
    QXmlStreamReader xml(&f);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            Message m{context, {}, {}, {}, false};
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("source")) {
                    // A control character is written as <byte value="xd"/>, which holds no text.
                    m.source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                } else if (xml.name() == QLatin1String("translation")) {
                    m.finished = xml.attributes().value(QLatin1String("type")).isEmpty();
                    while (xml.readNext() != QXmlStreamReader::EndElement ||
                           xml.name() != QLatin1String("translation")) {
                        if (xml.isCharacters()) m.translation += xml.text();
                        if (xml.isStartElement() && xml.name() == QLatin1String("numerusform"))
                            m.forms << xml.readElementText();
                    }
                    if (!m.forms.isEmpty()) m.translation = m.forms.join(QLatin1Char('\n'));
                } else {
                    xml.skipCurrentElement();
                }
            }
            out.append(m);
        }
    }
    return out;
}

QStringList placeholders(const QString& text) {
    static const QRegularExpression re(QStringLiteral("%[1-9]"));
    QStringList found;
    for (auto it = re.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}

// Access keys: single "&" marks, not the "&&" that shows one ampersand.
int accessKeys(QString text) {
    text.remove(QStringLiteral("&&"));
    return static_cast<int>(text.count(QLatin1Char('&')));
}

// Every text the window shows a person.
QStringList shownTexts(QWidget* w) {
    QStringList texts{w->windowTitle()};
    for (QAbstractButton* b : w->findChildren<QAbstractButton*>())
        texts << b->text() << b->toolTip();
    for (QGroupBox* g : w->findChildren<QGroupBox*>())
        texts << g->title();
    for (QLabel* l : w->findChildren<QLabel*>())
        texts << l->text();
    for (QTabWidget* t : w->findChildren<QTabWidget*>())
        for (int i = 0; i < t->count(); ++i)
            texts << t->tabText(i);
    for (QComboBox* c : w->findChildren<QComboBox*>())
        for (int i = 0; i < c->count(); ++i)
            texts << c->itemText(i);
    for (QTreeWidget* t : w->findChildren<QTreeWidget*>())
        for (int i = 0; i < t->columnCount(); ++i)
            texts << t->headerItem()->text(i);
    for (QAction* a : w->findChildren<QAction*>())
        texts << a->text();
    for (QMenu* m : w->findChildren<QMenu*>())
        texts << m->title();
    texts.removeAll(QString());
    return texts;
}

struct Fixture {
    TestPlatform tp;
    App& app = *tp.app;
    std::unique_ptr<frmModUserFreeTime> freeTime;
    std::unique_ptr<frmAskParent> askParent;
    std::unique_ptr<frmApproveMinutes> approve;
    Fixture() {
        addThreeUsers(app);
        RecountUsers(app);
        app.CurrentUserNumber = 2;
    }
    // The main windows, shown as the program shows them.
    QList<QWidget*> windows() {
        BringUpMainWindow(app);
        OpenUserEditorForUser(app, 1, &app.window<frmMain>());
        ShowOptions(app, &app.window<frmMain>());
        freeTime = std::make_unique<frmModUserFreeTime>(app);
        PlaceForm(app, *freeTime, &app.window<frmMain>()); // as the program places it before its modal wait
        askParent = std::make_unique<frmAskParent>(app, &app.window<frmLogin>());
        askParent->prepare(2);
        ShowPickUser(app, QStringLiteral("Edit User"), &app.window<frmMain>(), {});
        app.window<frmAddNewUserWizard>().NewUser(QStringLiteral("Add"));
        BringUpUserStatus(app);
        ShowAskForMoreTime(app);
        approve = std::make_unique<frmApproveMinutes>(QStringLiteral("Bob"), 15, &app.window<frmMain>());
        PlaceForm(app, *approve, &app.window<frmMain>()); // as the requests list places it before its modal wait
        return {&app.window<frmLogin>(),
                &app.window<frmMain>(),
                &app.window<frmOptions>(),
                &app.window<frmUserMenu>(),
                &app.window<frmAddNewUserWizard>(),
                &app.window<frmUS>(),
                freeTime.get(),
                askParent.get(),
                &app.window<frmPickuser>(),
                &app.window<frmPassChange>(),
                &app.window<frmWelcome>(),
                &app.window<frmAbout>(),
                &app.window<frmTRWindow>(),
                &app.window<frmCheckForUpdate>(),
                &app.window<frmBadShutdown>(),
                &app.window<frmErrorWizard>(),
                &app.window<frmMailAuthorBadShutdown>(),
                &app.window<frmAskMoreTime>(),
                approve.get()};
    }
};
} // namespace

class TranslationsUi : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { InstallTranslations(QString(), kTranslations); }

    void desktopLanguageChoosesTheTranslation_data();
    void desktopLanguageChoosesTheTranslation();
    void catalogueIsCompleteAndFaithful_data();
    void catalogueIsCompleteAndFaithful();
    void windowsShowTheTranslationAndFitTheScreen_data();
    void windowsShowTheTranslationAndFitTheScreen();
    void storedWindowPlacesKeepEnglishNames();
    void countedTextsTakeTheirForm_data();
    void countedTextsTakeTheirForm();
    void shownDatesFollowTheLocale_data();
    void shownDatesFollowTheLocale();
};

void TranslationsUi::desktopLanguageChoosesTheTranslation_data() {
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("German") << QStringList{"de-DE", "de", "en-US"} << "de";
    QTest::newRow("LANGUAGE=de") << QStringList{"de"} << "de";
    QTest::newRow("Austrian German") << QStringList{"de-AT"} << "de";
    QTest::newRow("French, Canada") << QStringList{"fr-CA"} << "fr";
    QTest::newRow("Spanish, Mexico") << QStringList{"es_MX.UTF-8"} << "es";
    QTest::newRow("English") << QStringList{"en-GB", "de"} << "";
    QTest::newRow("C locale") << QStringList{"C"} << "";
    QTest::newRow("not shipped, then French") << QStringList{"it-IT", "fr"} << "fr";
    QTest::newRow("nothing shipped") << QStringList{"ja-JP", "ko"} << "";
    QTest::newRow("no language") << QStringList{} << "";
}

void TranslationsUi::desktopLanguageChoosesTheTranslation() {
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, chosen);
    QCOMPARE(ChosenLanguage(uiLanguages), chosen);
}

void TranslationsUi::catalogueIsCompleteAndFaithful_data() {
    QTest::addColumn<QString>("language");
    for (const QString& language : kShippedLanguages)
        QTest::newRow(qPrintable(language)) << language;
}

void TranslationsUi::catalogueIsCompleteAndFaithful() {
    QFETCH(QString, language);
    const QList<Message> catalogue = readCatalogue(language);
    QVERIFY(!catalogue.isEmpty());
    QStringList faults;
    for (const Message& m : catalogue) {
        const QString where = m.context + QStringLiteral(": ") + m.source.left(60);
        const QStringList forms = m.forms.isEmpty() ? QStringList{m.translation} : m.forms;
        const auto unlike = [&](auto measure) {
            return std::any_of(forms.begin(), forms.end(),
                               [&](const QString& f) { return measure(f) != measure(m.source); });
        };
        if (!m.finished || forms.contains(QString()))
            faults << QStringLiteral("untranslated  ") + where;
        else if (unlike(placeholders))
            faults << QStringLiteral("placeholders  ") + where;
        else if (unlike(accessKeys))
            faults << QStringLiteral("access keys   ") + where;
        else if (m.source.contains(QLatin1String("%n")) != !m.forms.isEmpty())
            faults << QStringLiteral("count forms   ") + where;
    }
    if (!faults.isEmpty()) qWarning().noquote() << faults.join(QLatin1Char('\n'));
    QVERIFY(faults.isEmpty());
}

void TranslationsUi::windowsShowTheTranslationAndFitTheScreen_data() {
    QTest::addColumn<QString>("language");
    for (const QString& language : kShippedLanguages)
        QTest::newRow(qPrintable(language)) << language;
}

void TranslationsUi::windowsShowTheTranslationAndFitTheScreen() {
    QFETCH(QString, language);
    QVERIFY2(InstallTranslations(language, kTranslations), qPrintable(kTranslations));
    // The source texts whose translation reads differently: shown as they are, they were missed.
    QHash<QString, QString> translated;
    for (const Message& m : readCatalogue(language))
        if (m.translation != m.source) translated.insert(m.source, m.translation);

    Fixture f;
    QStringList faults;
    for (QWidget* w : f.windows()) {
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        for (const QString& text : shownTexts(w))
            if (translated.contains(text)) faults << w->objectName() + QStringLiteral(" shows \"") + text + '"';
        // A window of fixed size (the time-remaining corner) keeps its size.
        if (w->minimumWidth() != w->maximumWidth() && w->width() < std::min(TitleBarWidth(*w), kNarrowestScreen))
            faults << w->objectName() + QStringLiteral(" cuts its title \"") + w->windowTitle() + '"';
        // A longer text that wraps onto more lines than its label has room for is cut off.
        for (QLabel* l : w->findChildren<QLabel*>())
            if (l->isVisible() && l->wordWrap() && l->heightForWidth(l->width()) > l->height() + 1)
                faults << w->objectName() + QStringLiteral(" cuts \"") + l->text().left(40) + '"';
        // Every page of a tabbed window in turn: the widest decides.
        QList<QTabWidget*> tabs = w->findChildren<QTabWidget*>();
        int widest = std::max(w->frameGeometry().width(), w->minimumSizeHint().width());
        for (QTabWidget* t : tabs)
            for (int i = 0; i < t->count(); ++i) {
                t->setCurrentIndex(i);
                widest = std::max({widest, w->frameGeometry().width(), w->minimumSizeHint().width()});
            }
        if (widest > kNarrowestScreen) faults << w->objectName() + QStringLiteral(" is %1 pixels wide").arg(widest);
        w->hide();
    }
    if (!faults.isEmpty()) qWarning().noquote() << faults.join(QLatin1Char('\n'));
    QVERIFY(faults.isEmpty());
}

// A window's place is stored under its English caption, so that it is found again whatever
// language the desktop speaks the next time.
void TranslationsUi::storedWindowPlacesKeepEnglishNames() {
    QVERIFY(InstallTranslations(QStringLiteral("de"), kTranslations));
    Fixture f;
    BringUpMainWindow(f.app);
    ShowOptions(f.app, &f.app.window<frmMain>());
    QCOMPARE(f.app.window<frmOptions>().windowTitle(), QStringLiteral("Time Ward – Einstellungen"));
    SaveWindowMetrics(f.app, f.app.window<frmOptions>());
    QCOMPARE(f.app.read(Sections::WindowMetrics, QStringLiteral("Time Ward Preferences Width")).toInt(0),
             f.app.window<frmOptions>().width() * kTwipsPerPixel);
    QVERIFY(f.app.read(Sections::WindowMetrics, QStringLiteral("Time Ward – Einstellungen Width")).isAbsent());
}

void TranslationsUi::countedTextsTakeTheirForm_data() {
    QTest::addColumn<QString>("language"); // empty: English, which has no catalogue
    QTest::addColumn<int>("minutes");
    QTest::addColumn<QString>("told");
    QTest::newRow("en 1") << "" << 1 << "Dad gave you 1 minute.";
    QTest::newRow("en 15") << "" << 15 << "Dad gave you 15 minutes.";
    QTest::newRow("de 1") << "de" << 1 << "Dad hat dir 1 Minute gegeben.";
    QTest::newRow("de 2") << "de" << 2 << "Dad hat dir 2 Minuten gegeben.";
    QTest::newRow("fr 1") << "fr" << 1 << "Dad t'a donné 1 minute.";
    QTest::newRow("fr 30") << "fr" << 30 << "Dad t'a donné 30 minutes.";
    QTest::newRow("es 1") << "es" << 1 << "Dad te ha dado 1 minuto.";
    QTest::newRow("es 5") << "es" << 5 << "Dad te ha dado 5 minutos.";
}

void TranslationsUi::countedTextsTakeTheirForm() {
    QFETCH(QString, language);
    QFETCH(int, minutes);
    QFETCH(QString, told);
    QCOMPARE(InstallTranslations(language, kTranslations), !language.isEmpty());
    MoreTimeRequest answered;
    answered.state = RequestStates::Approved;
    answered.by = QStringLiteral("Dad");
    answered.answer = minutes;
    QCOMPARE(RequestAnswerText(answered), told);
}

void TranslationsUi::shownDatesFollowTheLocale_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    // 7 March 2026, 3:04 in the afternoon: the day and month orders and the 12- and 24-hour
    // clocks differ between these.
    QTest::newRow("de_DE") << "de_DE"
                           << "07.03.26"
                           << "15:04";
    QTest::newRow("en_US") << "en_US"
                           << "3/7/26"
                           << "3:04 PM";
    QTest::newRow("en_GB") << "en_GB"
                           << "07/03/2026"
                           << "15:04";
    QTest::newRow("fr_FR") << "fr_FR"
                           << "07/03/2026"
                           << "15:04";
    QTest::newRow("es_ES") << "es_ES"
                           << "7/3/26"
                           << "15:04";
    QTest::newRow("C") << "C"
                       << "3/7/2026"
                       << "15:04";
}

void TranslationsUi::shownDatesFollowTheLocale() {
    QFETCH(QString, locale);
    QFETCH(QString, date);
    QFETCH(QString, time);
    const QLocale l(locale);
    QCOMPARE(ShownDate(QDate(2026, 3, 7), l), date);
    QCOMPARE(ShownTime(QTime(15, 4, 31), l), time);
    // A stored stamp (a request's) is shown the same way; one that cannot be read, as stored.
    QCOMPARE(ShownStamp(QStringLiteral("3/7/2026 3:04:31 PM"), l), date + QLatin1Char(' ') + time);
    QCOMPARE(ShownStamp(QStringLiteral("yesterday"), l), QStringLiteral("yesterday"));
    // What is stored keeps its one form whatever the desktop's locale.
    QCOMPARE(DateText(QDate(2026, 3, 7)), QStringLiteral("3/7/2026"));
    QCOMPARE(TimeText(QTime(15, 4, 31)), QStringLiteral("3:04:31 PM"));
}

TW_TEST(TranslationsUi)
#include "TranslationsUi.moc"
