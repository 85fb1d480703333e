#include "admin/TimeOutActions.h"

#include "core/App.h"
#include "platform/FilePicker.h"
#include "storage/ConfigKeys.h"
#include "timekeeping/TimeOut.h"
#include "users/UserKeys.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

using namespace UserKeys;

namespace {
// The system's file filters, in the file dialog's own notation.
const char* const kWavFilter = QT_TRANSLATE_NOOP("TimeOutActions", "Wav Files (*.wav);;All Files (*)");
const char* const kProgramFilter =
    QT_TRANSLATE_NOOP("TimeOutActions", "Executables (*.exe *.com *.bat);;All Files (*)");
const QStringList kActions = {EndActions::ShutDownWindows, EndActions::RestartWindows, EndActions::RestartComputer,
                              EndActions::DisplayTimeWardLogin};
constexpr int kDisplayLogin = 3;

template <class W> W* named(W* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}
} // namespace

QString BoxSwitch(const QCheckBox* box) {
    return box->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
}

void AddOptionRow(QGridLayout* grid, int row, QCheckBox* box, QWidget* field, QPushButton* browse) {
    grid->addWidget(box, row, 0);
    if (browse) {
        browse->setMaximumWidth(32);
        grid->addWidget(field, row, 1);
        grid->addWidget(browse, row, 2);
    } else {
        grid->addWidget(field, row, 1, 1, 2);
    }
}

void PickFileFor(App& app, QLineEdit* field, bool sound) {
    const QString chosen = app.platform.filePicker->openFile(
        sound ? TimeOutActions::tr("Open .Wav File") : TimeOutActions::tr("Open Program"),
        TimeOutActions::tr(sound ? kWavFilter : kProgramFilter), field->text());
    if (!chosen.isEmpty()) field->setText(chosen);
}

TimeOutActions::TimeOutActions(App& app, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TimeOutActions"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    chkLaunchProg = named(new QCheckBox(tr("Launch Program"), this), "chkLaunchProg");
    txtLaunchProg = named(new QLineEdit(this), "txtLaunchProg");
    cmdLaunchProg = named(new QPushButton(QStringLiteral("..."), this), "cmdLaunchProg");
    chkTA = named(new QCheckBox(tr("Take Action"), this), "chkTA");
    cboTA = named(new QComboBox(this), "cboTA");
    // The list speaks this system's words and stores the values the records have always held.
    for (const QString& a : kActions)
        cboTA->addItem(EndActions::label(a), a);
    cboTA->setCurrentIndex(kDisplayLogin);
    chkDM = named(new QCheckBox(tr("Display Message"), this), "chkDM");
    txtDM = named(new QLineEdit(this), "txtDM");
    chkPS = named(new QCheckBox(tr("Play Sound"), this), "chkPS");
    txtPS = named(new QLineEdit(this), "txtPS");
    cmdPS = named(new QPushButton(QStringLiteral("..."), this), "cmdPS");
    AddOptionRow(grid, 0, chkLaunchProg, txtLaunchProg, cmdLaunchProg);
    AddOptionRow(grid, 1, chkTA, cboTA);
    AddOptionRow(grid, 2, chkDM, txtDM);
    AddOptionRow(grid, 3, chkPS, txtPS, cmdPS);

    for (QCheckBox* c : {chkLaunchProg, chkTA, chkDM, chkPS})
        connect(c, &QCheckBox::toggled, this, &TimeOutActions::applyEnablingRules);
    connect(cmdLaunchProg, &QPushButton::clicked, this, [&app, this] { PickFileFor(app, txtLaunchProg, false); });
    connect(cmdPS, &QPushButton::clicked, this, [&app, this] { PickFileFor(app, txtPS, true); });
    applyEnablingRules();
}

void TimeOutActions::applyEnablingRules() {
    txtLaunchProg->setEnabled(chkLaunchProg->isChecked());
    cmdLaunchProg->setEnabled(chkLaunchProg->isChecked());
    cboTA->setEnabled(chkTA->isChecked());
    txtDM->setEnabled(chkDM->isChecked());
    txtPS->setEnabled(chkPS->isChecked());
    cmdPS->setEnabled(chkPS->isChecked());
}

void TimeOutActions::clear() {
    for (QCheckBox* c : {chkLaunchProg, chkTA, chkDM, chkPS})
        c->setChecked(false);
    for (QLineEdit* e : {txtLaunchProg, txtDM, txtPS})
        e->clear();
    cboTA->setCurrentIndex(kDisplayLogin);
}

void TimeOutActions::load(App& app, int user) {
    const QString sec = Sections::User(user);
    auto text = [&](const QString& key) { return app.read(sec, key).text(); };
    auto flag = [&](const QString& key) { return app.read(sec, key).is(1); };
    chkTA->setChecked(flag(TakeAction));
    // An action the list does not know leaves no entry chosen.
    int action = -1;
    for (int i = 0; i < kActions.size(); ++i)
        if (kActions[i].compare(text(TakeActionDo), Qt::CaseInsensitive) == 0) action = i;
    cboTA->setCurrentIndex(action);
    chkDM->setChecked(flag(DisplayMessage));
    txtDM->setText(text(DisplayMessageText));
    chkPS->setChecked(flag(PlaySound));
    txtPS->setText(text(PlaySoundSoundLocation));
    chkLaunchProg->setChecked(flag(LaunchProgram));
    txtLaunchProg->setText(text(LaunchProgramProg));
}

void TimeOutActions::save(const Put& put) const {
    put(TakeAction, BoxSwitch(chkTA));
    put(TakeActionDo, cboTA->currentData().toString());
    put(DisplayMessage, BoxSwitch(chkDM));
    put(DisplayMessageText, txtDM->text());
    put(PlaySound, BoxSwitch(chkPS));
    put(PlaySoundSoundLocation, txtPS->text());
}
