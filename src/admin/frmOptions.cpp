#include "admin/frmOptions.h"

#include "core/App.h"
#include "core/DialogParts.h"
#include "core/ErrorPrompt.h"
#include "core/WindowMetrics.h"
#include "platform/FilePicker.h"
#include "platform/MessageBox.h"
#include "platform/qt/X11ScreenSaver.h"
#include "restrictions/BootOptions.h"
#include "restrictions/ScreenSaver.h"
#include "restrictions/StartupRegistration.h"
#include "storage/ActivityLog.h"
#include "storage/ConfigKeys.h"
#include "storage/Setting.h"
#include "timekeeping/TimeOut.h"
#include "users/UserTable.h"
#include "web/ParentPage.h"
#include "web/ParentPageTab.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <vector>

const QString kNoEffectNote =
    QString::fromUtf8(QT_TRANSLATE_NOOP("frmOptions", "Kept for other installations; no effect on this system"));

namespace {

const QString kSource = QStringLiteral("frmOptions");
const char* const kLogFileTitle = QT_TRANSLATE_NOOP("frmOptions", "Log File");
// The file-open dialog's filter as the program states it: pairs of description and pattern.
const char* const kLogFileFilter =
    QT_TRANSLATE_NOOP("frmOptions", "Log Files (*.log)|*.log|Text Files (*.txt)|*.txt|All Files|*.*");
const char* const kSecurityNote = QT_TRANSLATE_NOOP(
    "frmOptions",
    "These options only work on some systems,  usually depending on what version of Windows95 you have (Win95b "
    "OSR2 namely *doesn't* work).  ");
const char* const kRiskWarning = QT_TRANSLATE_NOOP("frmOptions", "Use these options at your own risk!");
const char* const kOtherSystemsNote = QT_TRANSLATE_NOOP(
    "frmOptions", "Nothing on these pages has an effect on this system. The settings are kept, and saved as they "
                  "are, because copies of TimeWard on other systems that share this store use them.");

// The end actions of the login countdown, in the list's order.
const QStringList kLoginTimerActions = {QStringLiteral("ShutDown Windows"), QStringLiteral("Restart Windows"),
                                        QStringLiteral("Restart Computer")};

// Seconds typed into the timer-interval box: a decimal number, with sign, fraction or exponent.
std::optional<double> secondsIn(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return std::nullopt;
    bool ok = false;
    const double d = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(d)) return std::nullopt;
    return d;
}

QString numberText(double d) {
    return QLocale::c().toString(d, 'g', 15);
}

// "Log Files (*.log)|*.log|..." as the file dialog's "Log Files (*.log);;..." form.
QString dialogFilter(const QString& pairs) {
    const QStringList parts = pairs.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts.at(i);
        const QString pattern = QString(parts.at(i + 1)).replace(QLatin1Char(';'), QLatin1Char(' '));
        if (!description.contains(QLatin1Char('('))) description += QStringLiteral(" (") + pattern + QLatin1Char(')');
        filters << description;
    }
    return filters.join(QStringLiteral(";;"));
}

int boxValue(const QCheckBox* b) {
    switch (b->checkState()) {
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    default:
        return 0;
    }
}

QString boxText(const QCheckBox* b) {
    return QString::number(boxValue(b));
}

QGroupBox* frame(const QString& title, QWidget* parent) {
    auto* g = new QGroupBox(title, parent);
    new QVBoxLayout(g);
    return g;
}

void addTo(QGroupBox* g, QWidget* w) {
    g->layout()->addWidget(w);
}

QWidget* row(QWidget* parent, std::initializer_list<QWidget*> widgets) {
    auto* w = new QWidget(parent);
    auto* l = new QHBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    for (QWidget* c : widgets) {
        c->setParent(w);
        l->addWidget(c);
    }
    l->addStretch();
    return w;
}

// Frames in two columns side by side, each column packed to the top, so that the dialog stays
// short enough for a small screen.
QHBoxLayout* twoColumns(std::initializer_list<QWidget*> left, std::initializer_list<QWidget*> right) {
    auto* columns = new QHBoxLayout;
    for (const auto& frames : {left, right}) {
        auto* column = new QVBoxLayout;
        for (QWidget* w : frames)
            column->addWidget(w);
        column->addStretch();
        columns->addLayout(column, 1);
    }
    return columns;
}

QLabel* note(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setWordWrap(true);
    return l;
}

// A new page at the end of tabs, and the layout its frames stack in.
QVBoxLayout* newPage(QTabWidget* tabs, const QString& title) {
    auto* page = new QWidget;
    auto* l = new QVBoxLayout(page);
    tabs->addTab(page, title);
    return l;
}

// A page of settings that only some systems honoured, headed by its two warnings.
QVBoxLayout* securityPage(QTabWidget* tabs, const QString& title) {
    QVBoxLayout* l = newPage(tabs, title);
    QWidget* page = l->parentWidget();
    l->addWidget(note(frmOptions::tr(kSecurityNote), page));
    l->addWidget(note(frmOptions::tr(kRiskWarning), page));
    return l;
}

// Options that change nothing on this system stay loaded, saved and reported, but cannot be
// changed here; the note at the top of their frame says why, beside them and nothing else.
// They move into one disabled holder, so that no enabling rule can make them changeable again.
void noEffectHere(QGroupBox* frame, const QString& why) {
    auto* fixed = new QWidget(frame);
    auto* inner = new QVBoxLayout(fixed);
    inner->setContentsMargins(0, 0, 0, 0);
    QLayout* outer = frame->layout();
    while (QLayoutItem* item = outer->takeAt(0)) {
        if (QWidget* w = item->widget()) {
            inner->addWidget(w);
            delete item;
        } else {
            inner->addItem(item);
        }
    }
    fixed->setEnabled(false);
    QLabel* n = note(why, frame);
    n->setObjectName(QStringLiteral("lblNoEffect"));
    outer->addWidget(n);
    outer->addWidget(fixed);
}

// A control that shows its stored value as it stands: a check box or a text field.
struct PlainControl {
    PlainControl(QCheckBox* b, const QString& k) : box(b), key(k) {}
    PlainControl(QLineEdit* t, const QString& k) : text(t), key(k) {}
    QCheckBox* box = nullptr;
    QLineEdit* text = nullptr;
    const QString& key;
};

// The caption of a shell part's box, after the part's key without "Disable" or "DisableRun".
QString shellCaption(const QString& key) {
    static const std::map<QString, const char*> captions = {
        {ConfigKeys::DisableScreenSaver, QT_TRANSLATE_NOOP("frmOptions", "Disable ScreenSaver")},
        {ConfigKeys::DisableTrayClock, QT_TRANSLATE_NOOP("frmOptions", "Disable Tray Clock")},
        {ConfigKeys::DisableMouse, QT_TRANSLATE_NOOP("frmOptions", "Disable Mouse (Not Recommended)")},
        {ConfigKeys::DisableDesktop, QT_TRANSLATE_NOOP("frmOptions", "Disable Desktop")},
        {ConfigKeys::DisableStartButton, QT_TRANSLATE_NOOP("frmOptions", "Disable Start Button")},
        {ConfigKeys::DisableIconTray, QT_TRANSLATE_NOOP("frmOptions", "Disable Icon Tray")},
        {ConfigKeys::DisableTaskbar, QT_TRANSLATE_NOOP("frmOptions", "Disable Taskbar")},
        {ConfigKeys::DisableTaskSwitch,
         QT_TRANSLATE_NOOP("frmOptions", "Disable Task Switching and CTRL-ALT-DEL to End Program")},
    };
    QString part = key;
    part.replace(QStringLiteral("DisableRun"), QStringLiteral("Disable"));
    const auto it = captions.find(part);
    return it == captions.end() ? key : frmOptions::tr(it->second);
}

// The six while-running boxes of the dialog, in the order of the "Windows Security" tab.
const std::array<QString, 6>& whileRunningKeys() {
    static const std::array<QString, 6> keys = {ConfigKeys::DisableRunDesktop,     ConfigKeys::DisableRunMouse,
                                                ConfigKeys::DisableRunScreenSaver, ConfigKeys::DisableRunStartButton,
                                                ConfigKeys::DisableRunTaskSwitch,  ConfigKeys::DisableRunTrayClock};
    return keys;
}

// "Security" keys of the Start menu, in the order the dialog loads and saves them.
const QString& kStartRun = SecurityKeys::StartMenu[0];
const QString& kStartFind = SecurityKeys::StartMenu[1];
const QString& kStartSettings = SecurityKeys::StartMenu[2];
const QString& kStartShutdown = SecurityKeys::StartMenu[3];
const QString& kStartTaskbarSettings = SecurityKeys::StartMenu[4];

// Captions of the Control Panel boxes, in the order of SecurityKeys::ControlPanel.
const std::array<const char*, 19> kControlPanelCaptions = {
    QT_TRANSLATE_NOOP("frmOptions", "User can't Add a Printer"),
    QT_TRANSLATE_NOOP("frmOptions", "User can't Delete a Printer"),
    QT_TRANSLATE_NOOP("frmOptions", "General && Details in Printer Properties"),
    QT_TRANSLATE_NOOP("frmOptions", "User Profiles"),
    QT_TRANSLATE_NOOP("frmOptions", "Remote Administration"),
    QT_TRANSLATE_NOOP("frmOptions", "Change Passwords"),
    QT_TRANSLATE_NOOP("frmOptions", "Passwords"),
    QT_TRANSLATE_NOOP("frmOptions", "Access Control"),
    QT_TRANSLATE_NOOP("frmOptions", "Identification"),
    QT_TRANSLATE_NOOP("frmOptions", "Network"),
    QT_TRANSLATE_NOOP("frmOptions", "Virtual Memory"),
    QT_TRANSLATE_NOOP("frmOptions", "File System"),
    QT_TRANSLATE_NOOP("frmOptions", "Hardware Profiles"),
    QT_TRANSLATE_NOOP("frmOptions", "Device Manager"),
    QT_TRANSLATE_NOOP("frmOptions", "Background"),
    QT_TRANSLATE_NOOP("frmOptions", "Screen Saver"),
    QT_TRANSLATE_NOOP("frmOptions", "Appearance"),
    QT_TRANSLATE_NOOP("frmOptions", "Settings"),
    QT_TRANSLATE_NOOP("frmOptions", "Display")};
constexpr std::size_t kPrinterApplets = 3; // the first three belong to "Printers"

// Captions of the misc boxes, in the order of SecurityKeys::Misc.
const std::array<const char*, 10> kMiscCaptions = {
    QT_TRANSLATE_NOOP("frmOptions", "Drives (Hide all of the drives in My Computer)"),
    QT_TRANSLATE_NOOP("frmOptions", "Entire Network (Hide 'Entire Network' from Network Neighborhood)"),
    QT_TRANSLATE_NOOP("frmOptions", "File Sharing"),
    QT_TRANSLATE_NOOP("frmOptions", "MS-DOS Mode option on Shutdown Menu"),
    QT_TRANSLATE_NOOP("frmOptions", "MS-DOS Programs"),
    QT_TRANSLATE_NOOP("frmOptions", "Password Caching"),
    QT_TRANSLATE_NOOP("frmOptions", "Printer Sharing"),
    QT_TRANSLATE_NOOP("frmOptions", "Registry Tools"),
    QT_TRANSLATE_NOOP("frmOptions", "Save Settings On Exit"),
    QT_TRANSLATE_NOOP("frmOptions",
                      "Workgroup Content (Hide computers from your own workgroup from Network Neighborhood)")};

} // namespace

void SetBoxFromSetting(QCheckBox& box, const Setting& value) {
    if (value.isAbsent() || value.text().trimmed().isEmpty()) {
        box.setCheckState(Qt::Unchecked);
        return;
    }
    const auto n = WholeNumber(value.text());
    if (!n) throw RuntimeError(RuntimeError::TypeMismatch, RuntimeError::standardText(RuntimeError::TypeMismatch));
    if (*n < 0 || *n > 2)
        throw RuntimeError(RuntimeError::InvalidPropertyValue,
                           RuntimeError::standardText(RuntimeError::InvalidPropertyValue));
    box.setCheckState(*n == 0 ? Qt::Unchecked : (*n == 1 ? Qt::Checked : Qt::PartiallyChecked));
}

frmOptions::frmOptions(App& app) : m_app(app) {
    setObjectName(QStringLiteral("frmOptions"));
    SetCaption(*this, "frmOptions", QT_TRANSLATE_NOOP("frmOptions", "Time Ward Preferences"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    // Each tick of the session refreshes the screen-saver status while the dialog is up and
    // "UpScr" is 1.
    connect(&app.model, &SessionModel::timeLeftChanged, this, [this] {
        if (isVisible() && m_app.read(Sections::Config, ConfigKeys::UpScr, 0).is(1)) UpdateScreenSaverStatus();
    });

    auto* layout = new QVBoxLayout(this);
    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    layout->addWidget(SSTab1);

    buildGeneral();
    buildScreenSaverSmart();
    buildLogging();
    buildTimeWardSecurity();
    buildTimeWindow();
    buildOtherSystems();
    buildParentPage();
    buildTabRows();

    cmdOk = new QPushButton(tr("OK"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdApply = new QPushButton(tr("Apply"), this);
    cmdApply->setObjectName(QStringLiteral("cmdApply"));
    cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    layout->addLayout(ButtonRow({cmdOk, cmdApply, cmdCancel}));

    connect(cmdOk, &QPushButton::clicked, this, &frmOptions::cmdOk_Click);
    connect(cmdApply, &QPushButton::clicked, this, &frmOptions::cmdApply_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmOptions::cmdCancel_Click);
    connect(cmdGetFile, &QPushButton::clicked, this, &frmOptions::cmdGetFile_Click);
    // Escape cancels, as with any dialog.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &frmOptions::cmdCancel_Click);

    screenSaverSource = QueryX11ScreenSaver;
    bindOptions();
    wireRules();
    cmdApply->setEnabled(false);
    restoreMetrics();
}

void frmOptions::buildTabRows() {
    SSTab1->tabBar()->hide();
    tabRows = new QWidget(this);
    tabRows->setObjectName(QStringLiteral("tabRows"));
    auto* rows = new QVBoxLayout(tabRows);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);
    tabButtons = new QButtonGroup(this);
    tabButtons->setExclusive(true);
    const int count = SSTab1->count();
    const int firstRow = (count + 1) / 2;
    QHBoxLayout* row = nullptr;
    for (int i = 0; i < count; ++i) {
        if (i == 0 || i == firstRow) {
            row = new QHBoxLayout;
            row->setSpacing(0);
            rows->addLayout(row);
        }
        auto* b = new QToolButton(tabRows);
        b->setObjectName(QStringLiteral("tab_%1").arg(i));
        b->setText(SSTab1->tabText(i));
        b->setCheckable(true);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        b->setFocusPolicy(Qt::TabFocus);
        tabButtons->addButton(b, i);
        row->addWidget(b);
    }
    tabButtons->button(0)->setChecked(true);
    connect(tabButtons, &QButtonGroup::idClicked, SSTab1, &QTabWidget::setCurrentIndex);
    connect(SSTab1, &QTabWidget::currentChanged, tabButtons, [this](int i) {
        if (QAbstractButton* b = tabButtons->button(i)) b->setChecked(true);
    });
    static_cast<QVBoxLayout*>(layout())->insertWidget(0, tabRows);
    // The keys that step through a tab bar's pages, which is hidden here.
    auto step = [this](int by) {
        SSTab1->setCurrentIndex((SSTab1->currentIndex() + by + SSTab1->count()) % SSTab1->count());
    };
    for (const QKeySequence& keys : {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [step] { step(1); });
    for (const QKeySequence& keys :
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), QKeySequence(Qt::CTRL | Qt::Key_PageUp)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [step] { step(-1); });
}

QCheckBox* frmOptions::box(const QString& name, const QString& caption) {
    auto* b = new QCheckBox(caption, this);
    b->setObjectName(name);
    // A stored 2 shows the box greyed; the user's own clicks only tick and clear it.
    connect(b, &QCheckBox::clicked, b, [b] {
        if (b->checkState() != Qt::PartiallyChecked) b->setTristate(false);
    });
    return b;
}

void frmOptions::buildGeneral() {
    QVBoxLayout* l = newPage(SSTab1, tr("General"));
    QWidget* page = l->parentWidget();

    QGroupBox* windows = frame(tr("Windows"), page);
    chkACWindows = box(QStringLiteral("chkACWindows"), tr("Auto Center Windows"));
    chkSWP = box(QStringLiteral("chkSWP"), tr("Save Window Position On Exit"));
    addTo(windows, chkACWindows);
    addTo(windows, chkSWP);

    QGroupBox* generous = frame(tr("Generosity"), page);
    chkGenMode = box(QStringLiteral("chkGenMode"), tr("Be Generous"));
    lbl2 = new QLabel(tr("Allow for an extra"));
    lbl2->setObjectName(QStringLiteral("lbl2"));
    txtGenAmmt = new QLineEdit;
    txtGenAmmt->setObjectName(QStringLiteral("txtGenAmmt"));
    lbl1 = new QLabel(tr("minutes"));
    lbl1->setObjectName(QStringLiteral("lbl1"));
    lbl2->setBuddy(txtGenAmmt);
    chkDWM = box(QStringLiteral("chkDWM"), tr("Display Warning Message"));
    chkSAAE = box(QStringLiteral("chkSAAE"), tr("Subtract Amount At End"));
    addTo(generous, chkGenMode);
    addTo(generous, row(generous, {lbl2, txtGenAmmt, lbl1}));
    addTo(generous, chkDWM);
    addTo(generous, chkSAAE);

    QGroupBox* startup = frame(tr("Startup And Shutdown"), page);
    chkLoadOnStartup = box(QStringLiteral("chkLoadOnStartup"), tr("Load On Startup"));
    m_asService = new QButtonGroup(this);
    OptAsSer[1] = new QRadioButton(tr("Regular (after user logs in)"), startup);
    OptAsSer[0] = new QRadioButton(tr("As Service (before user logs in)"), startup);
    for (int i = 0; i < 2; ++i) {
        OptAsSer[i]->setObjectName(QStringLiteral("OptAsSer_%1").arg(i));
        m_asService->addButton(OptAsSer[i], i);
    }
    OptAsSer[1]->setChecked(true);
    chkShowSplash = box(QStringLiteral("chkShowSplash"), tr("Show Splash Screen (About Box)"));
    lblStartupNote = note(StartupChoicesNote(), startup);
    lblStartupNote->setObjectName(QStringLiteral("lblStartupNote"));
    addTo(startup, chkLoadOnStartup);
    addTo(startup, OptAsSer[1]);
    addTo(startup, OptAsSer[0]);
    addTo(startup, lblStartupNote);
    addTo(startup, chkShowSplash);

    QGroupBox* compat = frame(tr("Compatibility"), page);
    Label10 = new QLabel(tr("Timer Interval:"));
    Label10->setObjectName(QStringLiteral("Label10"));
    txtTimerInterval = new QLineEdit;
    txtTimerInterval->setObjectName(QStringLiteral("txtTimerInterval"));
    Label11 = new QLabel(tr("seconds"));
    Label11->setObjectName(QStringLiteral("Label11"));
    Label10->setBuddy(txtTimerInterval);
    addTo(compat, row(compat, {Label10, txtTimerInterval, Label11}));

    l->addLayout(twoColumns({windows, generous}, {startup, compat}));
    l->addStretch();
    noEffectHere(compat, frmOptions::tr(qUtf8Printable(kNoEffectNote)));
}

void frmOptions::buildScreenSaverSmart() {
    QVBoxLayout* l = newPage(SSTab1, tr("Screen Saver Smart"));
    QWidget* page = l->parentWidget();

    QGroupBox* options = frame(tr("Options"), page);
    chkSSSEnable = box(QStringLiteral("chkSSSEnable"), tr("Enable"));
    chkSTA = box(QStringLiteral("chkSTA"), tr("Add Timeout To Time Used"));
    chkLogSSLAU = box(QStringLiteral("chkLogSSLAU"), tr("Log Screen Saver Load And Unloads"));
    addTo(options, chkSSSEnable);
    addTo(options, chkSTA);
    addTo(options, chkLogSSLAU);

    QGroupBox* status = new QGroupBox(tr("Current Screen Saver Status"), page);
    auto* grid = new QGridLayout(status);
    chkUpScr = box(QStringLiteral("chkUpScr"), tr("Update Screen Saver Status Automatically"));
    grid->addWidget(chkUpScr, 0, 0, 1, 3);
    auto field = [&](int rowNo, const QString& name, const QString& caption, bool seconds) {
        auto* t = new QLineEdit(status);
        t->setObjectName(name);
        t->setReadOnly(true);
        auto* label = new QLabel(caption, status);
        label->setBuddy(t);
        grid->addWidget(label, rowNo, 0);
        grid->addWidget(t, rowNo, 1);
        if (seconds) grid->addWidget(new QLabel(tr("seconds"), status), rowNo, 2);
        return t;
    };
    txtSSActive = field(1, QStringLiteral("txtSSActive"), tr("Active"), false);
    txtSSTO = field(2, QStringLiteral("txtSSTO"), tr("Timeout"), true);
    txtLPA = field(3, QStringLiteral("txtLPA"), tr("Low Power Active"), false);
    txtLPTO = field(4, QStringLiteral("txtLPTO"), tr("Low Power TimeOut"), true);
    txtPOA = field(5, QStringLiteral("txtPOA"), tr("Power Off Active"), false);
    txtPOTO = field(6, QStringLiteral("txtPOTO"), tr("Power Off TimeOut"), true);

    l->addWidget(options);
    l->addWidget(status);
    l->addStretch();
    // These do nothing anywhere; the status below them is this system's.
    noEffectHere(options, tr("Not working in this version."));
}

void frmOptions::buildLogging() {
    QVBoxLayout* l = newPage(SSTab1, tr("Logging"));
    QWidget* page = l->parentWidget();

    QGroupBox* options = frame(tr("Options"), page);
    chkLogEnable = box(QStringLiteral("chkLogEnable"), tr("Enable"));
    chkLTF = box(QStringLiteral("chkLTF"), tr("Log To File"));
    txtltf = new QLineEdit;
    txtltf->setObjectName(QStringLiteral("txtltf"));
    cmdGetFile = new QPushButton(QStringLiteral("..."));
    cmdGetFile->setObjectName(QStringLiteral("cmdGetFile"));
    chkLTS = box(QStringLiteral("chkLTS"), tr("Log To Screen"));
    addTo(options, chkLogEnable);
    addTo(options, chkLTF);
    auto* fileRow = row(options, {txtltf, cmdGetFile});
    static_cast<QHBoxLayout*>(fileRow->layout())->setStretchFactor(txtltf, 1);
    addTo(options, fileRow);
    addTo(options, chkLTS);

    QGroupBox* events = frame(tr("Events To Log"), page);
    chkUserLogin = box(QStringLiteral("chkUserLogin"), tr("User Login"));
    chkUserLogout = box(QStringLiteral("chkUserLogout"), tr("User Logout"));
    chkTimeOuts = box(QStringLiteral("chkTimeOuts"), tr("Time Outs"));
    chkConfigChange = box(QStringLiteral("chkConfigChange"), tr("Configuration Changes"));
    for (QWidget* w : {chkUserLogin, chkUserLogout, chkTimeOuts, chkConfigChange})
        addTo(events, w);

    QGroupBox* stamping = frame(tr("Time Stamping"), page);
    chkTimeStamp = box(QStringLiteral("chkTimeStamp"), tr("Enable"));
    Label1 = new QLabel(tr("Using:"));
    Label1->setObjectName(QStringLiteral("Label1"));
    optTime = new QRadioButton(tr("Time"));
    optTime->setObjectName(QStringLiteral("optTime"));
    optDate = new QRadioButton(tr("Date"));
    optDate->setObjectName(QStringLiteral("optDate"));
    optBoth = new QRadioButton(tr("Time And Date"));
    optBoth->setObjectName(QStringLiteral("optBoth"));
    m_logUse = new QButtonGroup(this);
    m_logUse->addButton(optTime);
    m_logUse->addButton(optDate);
    m_logUse->addButton(optBoth);
    addTo(stamping, chkTimeStamp);
    addTo(stamping, row(stamping, {Label1, optTime, optDate, optBoth}));

    for (QWidget* w : {options, events, stamping})
        l->addWidget(w);
    l->addStretch();
}

void frmOptions::buildTimeWardSecurity() {
    QVBoxLayout* l = newPage(SSTab1, tr("TimeWard Security"));
    QWidget* page = l->parentWidget();

    QGroupBox* other = frame(tr("Other"), page);
    chk3MinWarn = box(QStringLiteral("chk3MinWarn"), tr("3 Minute Warn"));
    chkBadShutdown =
        box(QStringLiteral("chkBadShutdown"), tr("Bad Shutdown Warning (Helps track bugs in the program)"));
    chkForceLogin = box(QStringLiteral("chkForceLogin"), tr("Force  Logging into TimeWard before using Windows"));
    for (QWidget* w : {chk3MinWarn, chkBadShutdown, chkForceLogin})
        addTo(other, w);

    QGroupBox* startup = frame(tr("TimeWard Startup"), page);
    chkLoginTimer = box(QStringLiteral("chkLoginTimer"), tr("Login Timer"));
    lblLoginS = new QLabel(tr("Seconds:"));
    lblLoginS->setObjectName(QStringLiteral("lblLoginS"));
    txtLoginSecs = new QLineEdit;
    txtLoginSecs->setObjectName(QStringLiteral("txtLoginSecs"));
    lblLoginS->setBuddy(txtLoginSecs);
    lblLogint = new QLabel(tr("On Time Out:"));
    lblLogint->setObjectName(QStringLiteral("lblLogint"));
    cboLoginTA = new QComboBox;
    cboLoginTA->setObjectName(QStringLiteral("cboLoginTA"));
    for (const QString& a : kLoginTimerActions)
        cboLoginTA->addItem(EndActions::label(a), a);
    cboLoginTA->setCurrentIndex(-1);
    lblLogint->setBuddy(cboLoginTA);
    addTo(startup, chkLoginTimer);
    addTo(startup, row(startup, {lblLoginS, txtLoginSecs}));
    addTo(startup, row(startup, {lblLogint, cboLoginTA}));

    QGroupBox* exiting = frame(tr("Exiting Program"), page);
    chkAllowT = box(QStringLiteral("chkAllowT"), tr("Disallow TaskMan To Close Program."));
    chkAllowW = box(QStringLiteral("chkAllowW"), tr("Disallow Close On Exiting Windows"));
    // What the two refusals mean on this system.
    chkAllowT->setToolTip(tr("Refuses to end on SIGTERM or Ctrl+C, the way a task manager ends a "
                             "program. A power-off or reboot still ends TimeWard in order."));
    chkAllowW->setToolTip(tr("Refuses the end of the desktop session where the session manager lets a "
                             "program object. A power-off or reboot still ends TimeWard in order."));
    chkForceLogin->setToolTip(tr("The login window covers the whole screen and stays on top."));
    addTo(exiting, chkAllowT);
    addTo(exiting, chkAllowW);

    QGroupBox* windowsStartup = frame(tr("Windows Startup"), page);
    chkBootWin = box(QStringLiteral("chkBootWin"), tr("Boot Windows 95 On Startup"));
    chkBootDelay = box(QStringLiteral("chkBootDelay"), tr("2 Second Boot Delay"));
    chkBStart = box(QStringLiteral("chkBStart"), tr("Boot GUI On Startup"));
    for (QWidget* w : {chkBootWin, chkBootDelay, chkBStart})
        addTo(windowsStartup, w);

    l->addWidget(other);
    l->addLayout(twoColumns({startup, exiting}, {windowsStartup}));
    l->addStretch();
    noEffectHere(windowsStartup, frmOptions::tr(qUtf8Printable(kNoEffectNote)));
}

void frmOptions::buildTimeWindow() {
    QVBoxLayout* l = newPage(SSTab1, tr("Time Window"));
    QWidget* page = l->parentWidget();
    auto* g = new QGroupBox(page);
    auto* gl = new QVBoxLayout(g);
    chkTRWindow = box(QStringLiteral("chkTRWindow"), tr("Enable Time-Remaining window"));
    Label15 = new QLabel(tr("Location:"), g);
    Label15->setObjectName(QStringLiteral("Label15"));
    gl->addWidget(chkTRWindow);
    gl->addWidget(Label15);

    // Four buttons round a small picture of the screen, one at each corner.
    auto* screen = new QWidget(g);
    auto* grid = new QGridLayout(screen);
    auto* picture = new QLabel(screen);
    picture->setFrameShape(QFrame::Box);
    picture->setMinimumSize(120, 80);
    grid->addWidget(picture, 1, 1);
    m_twLoc = new QButtonGroup(this);
    const int corners[4][2] = {{0, 0}, {0, 2}, {2, 2}, {2, 0}};
    for (int i = 0; i < 4; ++i) {
        TWLoc[i] = new QRadioButton(screen);
        TWLoc[i]->setObjectName(QStringLiteral("TWLoc_%1").arg(i));
        m_twLoc->addButton(TWLoc[i], i);
        grid->addWidget(TWLoc[i], corners[i][0], corners[i][1]);
    }
    TWLoc[0]->setAccessibleName(tr("Top left"));
    TWLoc[1]->setAccessibleName(tr("Top right"));
    TWLoc[2]->setAccessibleName(tr("Bottom right"));
    TWLoc[3]->setAccessibleName(tr("Bottom left"));
    TWLoc[0]->setChecked(true);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    gl->addWidget(screen, 0, Qt::AlignLeft);

    l->addWidget(g);
    l->addStretch();
}

void frmOptions::buildOtherSystems() {
    QVBoxLayout* l = newPage(SSTab1, tr("Other Systems"));
    QWidget* page = l->parentWidget();
    QLabel* why = note(tr(kOtherSystemsNote), page);
    why->setObjectName(QStringLiteral("lblOtherSystems"));
    l->addWidget(why);
    otherSystems = new QTabWidget(page);
    otherSystems->setObjectName(QStringLiteral("otherSystems"));
    l->addWidget(otherSystems, 1);
    buildWindowsSecurity();
    buildStartMenuSecurity();
    buildControlPanelSecurity();
    buildMiscSecurity();
    // Shown, saved and reported, never changed here.
    for (int i = 0; i < otherSystems->count(); ++i)
        for (QGroupBox* frame : otherSystems->widget(i)->findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly))
            frame->setEnabled(false);
}

void frmOptions::buildWindowsSecurity() {
    QVBoxLayout* l = newPage(otherSystems, tr("Windows Security"));
    QWidget* page = l->parentWidget();
    l->addWidget(note(tr("Changes won't go into effect until the next time you start TimeWard"), page));

    // A frame of one box for each shell part, named "chk" + its key.
    auto shellFrame = [&](const QString& title, const auto& keys, std::map<QString, QCheckBox*>& boxes) {
        QGroupBox* g = frame(title, page);
        for (const QString& key : keys) {
            QCheckBox* b = box(QStringLiteral("chk") + key, shellCaption(key));
            boxes[key] = b;
            addTo(g, b);
        }
        return g;
    };
    QGroupBox* running = shellFrame(tr("While Running"), whileRunningKeys(), whileRunningBoxes);
    QGroupBox* loginScreen = shellFrame(tr("On Login Screen"), ConfigKeys::LoginScreenDisables, loginScreenBoxes);
    l->addLayout(twoColumns({running}, {loginScreen}));
    l->addStretch();
}

void frmOptions::buildStartMenuSecurity() {
    QVBoxLayout* l = securityPage(otherSystems, tr("Start Menu Security"));
    QWidget* page = l->parentWidget();
    QGroupBox* running = frame(tr("While Running"), page);
    chkStartTaskbar = box(QStringLiteral("chkStartTaskbar"), tr("Disable 'Taskbar' Settings on the 'Settings' Menu"));
    chkStartSettings = box(QStringLiteral("chkStartSettings"), tr("Disable 'Settings' Command on Start Menu"));
    chkStartFind = box(QStringLiteral("chkStartFind"), tr("Disable 'Find' Command on Start Menu"));
    chkStartShutdown = box(QStringLiteral("chkStartShutdown"), tr("Disable 'Shutdown' Command on Start Menu"));
    chkStartRun = box(QStringLiteral("chkStartRun"), tr("Disable 'Run' Command on Start Menu"));
    for (QWidget* w : {chkStartTaskbar, chkStartSettings, chkStartFind, chkStartShutdown, chkStartRun})
        addTo(running, w);
    l->addWidget(running);
    l->addStretch();
}

void frmOptions::buildControlPanelSecurity() {
    QVBoxLayout* l = securityPage(otherSystems, tr("Control Panel Security"));
    QWidget* page = l->parentWidget();
    auto* applets = new QGroupBox(tr("Disable these Control Panel applets"), page);
    auto* al = new QHBoxLayout(applets);
    auto* system = new QGroupBox(tr("System Control Panel"), applets);
    // The system applets fill two columns, top to bottom, so that the tab stays short.
    auto* systemGrid = new QGridLayout(system);
    const int systemRows = static_cast<int>((SecurityKeys::ControlPanel.size() - kPrinterApplets + 1) / 2);
    QGroupBox* printers = frame(tr("Printers"), applets);
    for (std::size_t i = 0; i < SecurityKeys::ControlPanel.size(); ++i) {
        const QString& key = SecurityKeys::ControlPanel[i];
        QCheckBox* b = box(QStringLiteral("chk") + key, tr(kControlPanelCaptions[i]));
        controlPanelBoxes[key] = b;
        if (i < kPrinterApplets) {
            addTo(printers, b);
            continue;
        }
        const int at = static_cast<int>(i - kPrinterApplets);
        systemGrid->addWidget(b, at % systemRows, at / systemRows);
    }
    al->addWidget(system);
    al->addWidget(printers, 0, Qt::AlignTop);
    l->addWidget(applets);
    l->addStretch();
}

void frmOptions::buildMiscSecurity() {
    QVBoxLayout* l = securityPage(otherSystems, tr("Misc Security"));
    QWidget* page = l->parentWidget();
    QGroupBox* options = frame(tr("Disable these options while running"), page);
    for (std::size_t i = 0; i < SecurityKeys::Misc.size(); ++i) {
        const QString& key = SecurityKeys::Misc[i];
        QCheckBox* b = box(key, tr(kMiscCaptions[i]));
        miscBoxes[key] = b;
        addTo(options, b);
    }
    l->addWidget(options);
    l->addStretch();
}

void frmOptions::wireRules() {
    // Setting a box in code runs these rules too, so they hold as soon as values are loaded.
    auto enableAll = [](std::initializer_list<QWidget*> ws, bool on) {
        for (QWidget* w : ws)
            w->setEnabled(on);
    };
    auto genMode = [this, enableAll] {
        enableAll({chkDWM, lbl1, lbl2, txtGenAmmt, chkSAAE}, chkGenMode->checkState() == Qt::Checked);
    };
    auto loginTimer = [this, enableAll] {
        enableAll({lblLoginS, lblLogint, cboLoginTA, txtLoginSecs}, chkLoginTimer->checkState() != Qt::Unchecked);
    };
    // Ticked enables, clear disables, greyed leaves them as they are.
    auto triRule = [enableAll](QCheckBox* b, std::initializer_list<QWidget*> ws) {
        if (b->checkState() != Qt::PartiallyChecked) enableAll(ws, b->checkState() == Qt::Checked);
    };
    auto ltf = [this, triRule] { triRule(chkLTF, {txtltf, cmdGetFile}); };
    auto sss = [this, triRule] { triRule(chkSSSEnable, {chkLogSSLAU, chkSTA}); };
    auto stamp = [this, triRule] { triRule(chkTimeStamp, {optTime, optDate, optBoth}); };
    connect(chkGenMode, &QCheckBox::stateChanged, this, genMode);
    connect(chkLoginTimer, &QCheckBox::stateChanged, this, loginTimer);
    connect(chkLTF, &QCheckBox::stateChanged, this, ltf);
    connect(chkSSSEnable, &QCheckBox::stateChanged, this, sss);
    connect(chkTimeStamp, &QCheckBox::stateChanged, this, stamp);
    genMode();
    loginTimer();
    ltf();
    sss();
    stamp();

    connect(txtLoginSecs, &QLineEdit::textChanged, this, &frmOptions::txtLoginSecs_Change);

    // Any change on the first four tabs and on "Windows Security" makes Apply available, apart
    // from the three-minute warning, the start-up kind and the screen-saver display (which
    // the controller refreshes; it is no option). The other tabs are saved by Ok in any case.
    const QList<QWidget*> pages = {SSTab1->widget(0), SSTab1->widget(1), SSTab1->widget(2), SSTab1->widget(3),
                                   otherSystems->widget(0)};
    const QList<QObject*> exceptions = {chk3MinWarn, OptAsSer[0], OptAsSer[1], txtSSActive, txtSSTO,
                                        txtLPA,      txtLPTO,     txtPOA,      txtPOTO,     txtLoginSecs};
    for (QWidget* page : pages) {
        for (QCheckBox* b : page->findChildren<QCheckBox*>())
            if (!exceptions.contains(b)) connect(b, &QCheckBox::stateChanged, this, &frmOptions::enableApply);
        for (QRadioButton* b : page->findChildren<QRadioButton*>())
            if (!exceptions.contains(b))
                connect(b, &QRadioButton::toggled, this, [this](bool on) {
                    if (on) enableApply();
                });
        for (QLineEdit* t : page->findChildren<QLineEdit*>())
            if (!exceptions.contains(t)) // the login seconds enable it at the end of their check
                connect(t, &QLineEdit::textChanged, this, &frmOptions::enableApply);
        for (QComboBox* c : page->findChildren<QComboBox*>())
            connect(c, &QComboBox::currentIndexChanged, this, &frmOptions::enableApply);
    }
}

void frmOptions::buildParentPage() {
    tabParentPage = new ParentPageTab(m_app);
    tabParentPage->setObjectName(QStringLiteral("tabParentPage"));
    SSTab1->addTab(tabParentPage, tr("Parent's Page"));
    connect(tabParentPage, &ParentPageTab::changed, this, &frmOptions::enableApply);
}

void frmOptions::enableApply() {
    if (!cmdApply->isEnabled()) cmdApply->setEnabled(true);
}

void frmOptions::txtLoginSecs_Change() {
    const auto ok = MsgButtons::Ok;
    const auto info = MsgIcon::Information;
    if (!WholeNumber(txtLoginSecs->text())) {
        // Setting the text runs this check again for "0" before the message shows.
        txtLoginSecs->setText(QStringLiteral("0"));
        m_app.platform.messageBox->show(tr("Please enter an integer"), kProgramTitle, ok, info);
    }
    const auto n = WholeNumber(txtLoginSecs->text());
    if (n && (*n > 65 || *n < 1)) {
        m_app.platform.messageBox->show(tr("Please enter a value between 1 and 65"), kProgramTitle, ok, info);
        txtLoginSecs->setText(QStringLiteral("65"));
    }
    enableApply();
}

void frmOptions::bindOptions() {
    const QString& C = Sections::Config;
    const QString& S = Sections::Security;
    auto bindBox = [&](QCheckBox* b, const QString& section, const QString& key) {
        m_bindings.push_back({[this, b, section, key] { SetBoxFromSetting(*b, m_app.read(section, key)); },
                              [this, b, section, key] { m_app.write(section, key, boxText(b)); }});
    };
    auto bindText = [&](QLineEdit* t, const QString& section, const QString& key) {
        m_bindings.push_back({[this, t, section, key] { t->setText(m_app.read(section, key).text()); },
                              [this, t, section, key] { m_app.write(section, key, t->text()); }});
    };
    // Boxes and text fields that show the stored value as it stands, in this order.
    auto bindAll = [&](const QString& section, std::initializer_list<PlainControl> rows) {
        for (const PlainControl& c : rows) {
            if (c.box)
                bindBox(c.box, section, c.key);
            else
                bindText(c.text, section, c.key);
        }
    };

    // The boot options are written together but read one by one, so that one a box cannot
    // show is reported and the others still load.
    m_bindings.push_back(
        {nullptr, [this] {
             SaveBootOptions(m_app, {boxValue(chkBootDelay), boxValue(chkBStart), boxValue(chkBootWin)});
         }});
    const std::pair<QCheckBox*, const QString*> boot[] = {{chkBootDelay, &BootOptions::BootDelay},
                                                          {chkBStart, &BootOptions::BootGUI},
                                                          {chkBootWin, &BootOptions::BootWin}};
    for (const auto& [b, key] : boot)
        m_bindings.push_back({[this, b = b, key = key] {
                                  if (const auto n = LoadBootOption(m_app, *key))
                                      SetBoxFromSetting(*b, Setting(QString::number(*n)));
                              },
                              nullptr});
    bindAll(C, {{chkLoadOnStartup, ConfigKeys::LoadOnStartup},
                {chkShowSplash, ConfigKeys::ShowSplash},
                {chkSWP, ConfigKeys::SaveWinPosition},
                {chkACWindows, ConfigKeys::AutoCenterWindows},
                {chkBadShutdown, ConfigKeys::BadShutdownWarn},
                {chkUpScr, ConfigKeys::UpScr}});
    // Stored in milliseconds, shown in seconds.
    m_bindings.push_back(
        {[this] {
             const Setting s = m_app.read(Sections::Config, ConfigKeys::TimerInterval);
             if (s.isAbsent() || s.text().trimmed().isEmpty()) {
                 txtTimerInterval->setText(QStringLiteral("0"));
                 return;
             }
             const auto ms = WholeNumber(s.text());
             if (!ms)
                 throw RuntimeError(RuntimeError::TypeMismatch, RuntimeError::standardText(RuntimeError::TypeMismatch));
             txtTimerInterval->setText(numberText(static_cast<double>(*ms) / 1000));
         },
         [this] {
             // SaveOptions refused a text that is no number before anything was written.
             const double ms = secondsIn(txtTimerInterval->text()).value_or(0) * 1000;
             // Whole milliseconds within the number limit: the text always reads back as a number.
             const double whole =
                 std::clamp(std::nearbyint(ms), -static_cast<double>(kNumberLimit), static_cast<double>(kNumberLimit));
             m_app.write(Sections::Config, ConfigKeys::TimerInterval, QString::number(static_cast<long long>(whole)));
         }});
    bindAll(C, {{chkGenMode, ConfigKeys::GenMode},
                {txtGenAmmt, ConfigKeys::GetAmmount},
                {chkSAAE, ConfigKeys::GenSubAmmtAtEnd},
                {chkDWM, ConfigKeys::GenDWM},
                {chkSSSEnable, ConfigKeys::SSSEnable},
                {chkSTA, ConfigKeys::SSSTimoutFromTime},
                {chkLogSSLAU, ConfigKeys::SSSLog},
                {chkLogEnable, ConfigKeys::LogEnable},
                {chkLTF, ConfigKeys::LogTFOn},
                {txtltf, ConfigKeys::LogTFFile},
                {chkLTS, ConfigKeys::LogTS},
                {chkUserLogin, ConfigKeys::LogELogin},
                {chkUserLogout, ConfigKeys::LogELogout},
                {chkTimeOuts, ConfigKeys::LogETimeouts},
                {chkConfigChange, ConfigKeys::LogEConfig},
                {chkTimeStamp, ConfigKeys::LogTimeStamp},
                {chkAllowW, ConfigKeys::AllowW},
                {chkAllowT, ConfigKeys::AllowT},
                {chkLoginTimer, ConfigKeys::LoginTimer},
                {txtLoginSecs, ConfigKeys::LoginTimerSecs},
                {chkForceLogin, ConfigKeys::ForceLogin}});
    // The entry's stored text; another stored text leaves the list as it is.
    m_bindings.push_back(
        {[this] {
             const Setting s = m_app.read(Sections::Config, ConfigKeys::LoginTimerTA);
             for (int i = 0; i < kLoginTimerActions.size(); ++i)
                 if (s.is(kLoginTimerActions.at(i))) cboLoginTA->setCurrentIndex(i);
         },
         [this] { m_app.write(Sections::Config, ConfigKeys::LoginTimerTA, cboLoginTA->currentData().toString()); }});
    for (const QString& key : ConfigKeys::LoginScreenDisables)
        bindBox(loginScreenBoxes.at(key), C, key);
    bindBox(chk3MinWarn, C, ConfigKeys::ThreeMinWarn);
    for (const QString& key : whileRunningKeys())
        bindBox(whileRunningBoxes.at(key), C, key);
    // "True" chooses member 0; anything else leaves "Regular".
    m_bindings.push_back(
        {[this] {
             const bool service = m_app.read(Sections::Config, ConfigKeys::AsService).isTrue();
             OptAsSer[service ? 0 : 1]->setChecked(true);
         },
         [this] { m_app.write(Sections::Config, ConfigKeys::AsService, BoolText(OptAsSer[0]->isChecked())); }});
    bindBox(chkTRWindow, C, ConfigKeys::TRWindow);
    bindAll(S, {{chkStartRun, kStartRun},
                {chkStartShutdown, kStartShutdown},
                {chkStartFind, kStartFind},
                {chkStartSettings, kStartSettings},
                {chkStartTaskbar, kStartTaskbarSettings}});
    for (const QString& key : SecurityKeys::ControlPanel)
        bindBox(controlPanelBoxes.at(key), S, key);
    for (const QString& key : SecurityKeys::Misc)
        bindBox(miscBoxes.at(key), S, key);
    // The chosen corner's number; absent chooses the first.
    m_bindings.push_back({[this] {
                              const Setting s = m_app.read(Sections::Config, ConfigKeys::TWLoc);
                              if (s.isAbsent() || s.text().trimmed().isEmpty()) {
                                  TWLoc[0]->setChecked(true);
                                  return;
                              }
                              const auto member = WholeNumber(s.text());
                              if (!member)
                                  throw RuntimeError(RuntimeError::TypeMismatch,
                                                     RuntimeError::standardText(RuntimeError::TypeMismatch));
                              if (*member < 0 || *member > 3)
                                  throw RuntimeError(RuntimeError::InvalidPropertyValue,
                                                     RuntimeError::standardText(RuntimeError::InvalidPropertyValue));
                              TWLoc[static_cast<std::size_t>(*member)]->setChecked(true);
                          },
                          [this] {
                              for (int i = 0; i < 4; ++i)
                                  if (TWLoc[static_cast<std::size_t>(i)]->isChecked())
                                      m_app.write(Sections::Config, ConfigKeys::TWLoc, QString::number(i));
                          }});
    // "Time", "Date" or "Both" choose their button; any other value none.
    const std::pair<QRadioButton*, QString> logUse[] = {
        {optTime, QStringLiteral("Time")}, {optDate, QStringLiteral("Date")}, {optBoth, QStringLiteral("Both")}};
    m_bindings.push_back({[this, logUse] {
                              const Setting s = m_app.read(Sections::Config, ConfigKeys::LogUse);
                              for (const auto& [b, word] : logUse)
                                  if (s.is(word)) b->setChecked(true);
                          },
                          [this, logUse] {
                              for (const auto& [b, word] : logUse)
                                  if (b->isChecked()) m_app.write(Sections::Config, ConfigKeys::LogUse, word);
                          }});
    m_bindings.push_back(
        {nullptr, [this] { SaveStartupRegistration(m_app, boxValue(chkLoadOnStartup), OptAsSer[0]->isChecked()); }});
    bindBox(tabParentPage->chkParentPage, C, ConfigKeys::ParentPage);
    m_bindings.push_back(
        {[this] {
             tabParentPage->txtParentPagePort->setText(
                 m_app.read(Sections::Config, ConfigKeys::ParentPagePort, ParentPage::kDefaultPort).text());
         },
         [this] {
             const int port = tabParentPage->typedPort();
             m_app.write(Sections::Config, ConfigKeys::ParentPagePort, port ? port : int(ParentPage::kDefaultPort));
         }});
    // The page follows the box as soon as the options are saved: its port opens or closes.
    m_bindings.push_back({[this] { tabParentPage->showState(); },
                          [this] {
                              ApplyParentPage(m_app);
                              tabParentPage->showState();
                          }});
}

bool frmOptions::LoadOptions() {
    for (const Binding& b : m_bindings)
        if (b.load && !RunStep(m_app, QStringLiteral("LoadOptions"), b.load)) return false;
    return true;
}

bool frmOptions::SaveOptions() {
    App& app = m_app;
    // The one value that must be converted: refuse it before anything is written, so that
    // a slip of the keyboard never leaves the options half saved.
    if (!secondsIn(txtTimerInterval->text())) {
        app.platform.messageBox->show(tr("The timer interval must be a number of seconds, for example 1 or 2.5.  "
                                         "Nothing has been saved."),
                                      kProgramTitle, MsgButtons::Ok, MsgIcon::Exclamation);
        SSTab1->setCurrentIndex(0);
        txtTimerInterval->setFocus();
        txtTimerInterval->selectAll();
        return false;
    }

    // The controller is paused so that no tick reads half-saved options; it goes on only if
    // it was running (the main window's "Enabled" item may have switched it off).
    const SessionModel::ClockHold hold(app.model);

    for (const Binding& b : m_bindings)
        if (b.save && !RunStep(app, QStringLiteral("SaveOptions"), b.save))
            return false; // Abort: the process is ending
    // Only a parent opens the preferences: the log names the one logged in.
    if (!RunStep(app, QStringLiteral("SaveOptions"), [&app] {
            if (app.read(Sections::Config, ConfigKeys::LogEConfig).is(1))
                WriteActivityLog(app, SessionUserName(app) + QStringLiteral(" changed the preferences"));
        }))
        return false;
    return true;
}

void frmOptions::UpdateScreenSaverStatus() {
    const ScreenSaverSettings settings = screenSaverSource ? screenSaverSource() : ScreenSaverSettings{};
    ::UpdateScreenSaverStatus(settings, [this](ScreenSaverField f, const QString& text) {
        QLineEdit* boxes[] = {txtSSActive, txtSSTO, txtLPA, txtLPTO, txtPOA, txtPOTO};
        boxes[static_cast<int>(f)]->setText(text);
    });
}

void frmOptions::enableOwner() {
    if (m_owner) m_owner->setEnabled(true);
}

void frmOptions::cmdOk_Click() {
    if (!SaveOptions()) return;
    hide();
    enableOwner();
    if (m_owner) {
        m_owner->activateWindow();
        m_owner->setFocus();
    }
}

void frmOptions::cmdApply_Click() {
    if (SaveOptions()) cmdApply->setEnabled(false);
}

void frmOptions::cmdCancel_Click() {
    hide();
    enableOwner();
}

void frmOptions::cmdGetFile_Click() {
    const QString file =
        m_app.platform.filePicker->openFile(tr(kLogFileTitle), dialogFilter(tr(kLogFileFilter)), txtltf->text());
    // A cancelled dialog keeps the path that was there.
    if (!file.isEmpty()) txtltf->setText(file);
}

void frmOptions::closeEvent(QCloseEvent* e) {
    if (m_app.read(Sections::Config, ConfigKeys::SaveWinPosition).is(1)) saveMetrics();
    // The window goes, so its owner must not stay locked behind it.
    enableOwner();
    e->accept();
}

void frmOptions::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    saveMetrics();
}

void frmOptions::restoreMetrics() {
    RestoreWindowMetrics(m_app, *this);
}

void frmOptions::saveMetrics() {
    SaveWindowMetrics(m_app, *this);
}

void ShowOptions(App& app, QWidget* owner) {
    frmOptions& dlg = app.window<frmOptions>();
    if (!dlg.LoadOptions()) return;
    dlg.m_owner = owner;
    if (owner) owner->setEnabled(false);
    dlg.cmdApply->setEnabled(false);
    // Centred over the owner (over the screen when it is not up).
    PlaceForm(app, dlg, owner);
    dlg.show();
    dlg.raise();
    dlg.activateWindow();
}
