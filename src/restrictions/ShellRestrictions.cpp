#include "restrictions/ShellRestrictions.h"

#include "core/App.h"
#include "platform/RestrictionComponent.h"
#include "storage/ConfigKeys.h"

#include <QObject>
#include <QVariant>
#include <array>

namespace {
using namespace DisableMember;

struct KeyedSwitch {
    const QString& key;
    int member;
};

// The eight shell parts of the Disable control, in the order their keys are applied
// (desktop, icon tray, mouse, screen saver, Start button, taskbar, task switching, clock).
constexpr std::array<int, 8> kDisableOrder = {Desktop,     IconTray, Mouse,      ScreenSaver,
                                              StartButton, Taskbar,  TaskSwitch, TrayClock};

// Section "Security" keys in the order they are applied, with the member each drives.
const std::array<KeyedSwitch, 5>& startMenuSwitches() {
    using SecurityKeys::StartMenu; // StartRun, StartFind, StartSettings, StartShutdown, StartTaskbarSettings
    static const std::array<KeyedSwitch, 5> list = {{
        {StartMenu[0], 4}, // Run
        {StartMenu[1], 2}, // Find
        {StartMenu[4], 0}, // Taskbar settings
        {StartMenu[2], 1}, // Settings
        {StartMenu[3], 3}, // Shutdown
    }};
    return list;
}

const std::array<KeyedSwitch, 19>& controlPanelSwitches() {
    using SecurityKeys::ControlPanel;
    static const std::array<KeyedSwitch, 19> list = {{
        {ControlPanel[0], 3},   // CPNoAddPrinter
        {ControlPanel[1], 2},   // CPNoAddDelPrinter
        {ControlPanel[2], 4},   // CPPrinterGeneralandDetails
        {ControlPanel[3], 5},   // CPUserProfiles
        {ControlPanel[4], 6},   // CPRemoteAdministration
        {ControlPanel[5], 7},   // CPChangePasswords
        {ControlPanel[6], 8},   // CPPasswords
        {ControlPanel[7], 9},   // CPAccessControl
        {ControlPanel[8], 10},  // CPIdentification
        {ControlPanel[9], 11},  // CPNetwork
        {ControlPanel[10], 12}, // CPVirtualMemory
        {ControlPanel[11], 13}, // CPFileSystem
        {ControlPanel[12], 0},  // CPHardwareProfiles
        {ControlPanel[13], 14}, // CPDeviceMan
        {ControlPanel[14], 15}, // CPBackground
        {ControlPanel[15], 16}, // CPScreenSaver
        {ControlPanel[16], 17}, // CPAppearance
        {ControlPanel[17], 18}, // CPSettings
        {ControlPanel[18], 1},  // CPDisplay
    }};
    return list;
}

const std::array<KeyedSwitch, 10>& miscSwitches() {
    using SecurityKeys::Misc;
    static const std::array<KeyedSwitch, 10> list = {{
        {Misc[0], 4}, // chkMDrives
        {Misc[1], 2}, // chkMEntireNetwork
        {Misc[2], 9}, // chkMFileSharing
        {Misc[3], 6}, // chkMMSDOSMode
        {Misc[4], 5}, // chkMMSDOSPrograms
        {Misc[5], 0}, // chkMPassword
        {Misc[6], 8}, // chkMPrinterSharing
        {Misc[7], 7}, // chkMRegistry
        {Misc[8], 1}, // chkMSaveSettingsOnExit
        {Misc[9], 3}, // chkMWorkgroup
    }};
    return list;
}

// How many holds are open; kept beside the saved states.
constexpr const char* kHoldDepthProperty = "HoldDepth";

// The order in which the Start menu switches are lifted at the end.
constexpr std::array<int, 5> kStartMenuLiftOrder = {2, 4, 0, 1, 3};

bool wanted(App& app, const QString& section, const QString& key) {
    return app.read(section, key, 0).is(1);
}

template <std::size_t N>
void applyWhenChanged(App& app, RestrictionComponent& control, const std::array<KeyedSwitch, N>& list) {
    for (const KeyedSwitch& s : list) {
        const bool want = wanted(app, Sections::Security, s.key);
        if (control.member(s.member) != want) control.setMember(s.member, want);
    }
}

void liftIfOn(RestrictionComponent& control, int member) {
    if (control.member(member)) control.setMember(member, false);
}

template <std::size_t N> void liftList(RestrictionComponent& control, const std::array<KeyedSwitch, N>& list) {
    for (const KeyedSwitch& s : list)
        liftIfOn(control, s.member);
}

QString savedText(bool b) {
    return b ? QStringLiteral("True") : QStringLiteral("False");
}

RestrictionControls controls(App& app) {
    return app.model.restrictionControls();
}
} // namespace

void ApplyLoginScreenRestrictions(App& app, const RestrictionControls& c) {
    if (!c.complete()) return;
    for (std::size_t i = 0; i < kDisableOrder.size(); ++i)
        c.DisableZ->setMember(kDisableOrder[i], wanted(app, Sections::Config, ConfigKeys::LoginScreenDisables[i]));
}

void ApplyRunRestrictions(App& app, const RestrictionControls& c) {
    if (!c.complete()) return;
    for (int m : kDisableOrder)
        c.DisableZ->setMember(m, false);
    for (std::size_t i = 0; i < kDisableOrder.size(); ++i)
        c.DisableZ->setMember(kDisableOrder[i], wanted(app, Sections::Config, ConfigKeys::RunDisables[i]));
    applyWhenChanged(app, *c.DisableStartMenu1, startMenuSwitches());
    applyWhenChanged(app, *c.DisableControlPanel1, controlPanelSwitches());
    applyWhenChanged(app, *c.DisableMisc1, miscSwitches());
}

void HoldShellRestrictions(const RestrictionControls& c, bool hold) {
    if (!c.complete()) return;
    RestrictionComponent& d = *c.DisableZ;
    // Holds nest (a time-out box can come up while the warning box is still open): only the
    // outermost hold saves the states and only its release puts them back, so an inner hold
    // cannot overwrite them with its own forced states. A release without a hold has nothing
    // to put back and leaves the switches alone.
    const int depth = c.lblDDE->property(kHoldDepthProperty).toInt();
    if (hold) {
        c.lblDDE->setProperty(kHoldDepthProperty, depth + 1);
        if (depth == 0) {
            d.setTag(savedText(d.member(TaskSwitch)));
            d.setMember(TaskSwitch, true);
            c.Picture1->setProperty(kTagProperty, savedText(d.member(Taskbar)));
            d.setMember(Taskbar, true);
            c.lblDDE->setProperty(kTagProperty, savedText(d.member(Desktop)));
            d.setMember(Desktop, true);
        }
        return;
    }
    if (depth <= 0) return;
    c.lblDDE->setProperty(kHoldDepthProperty, depth - 1);
    if (depth > 1) return;
    const auto isTrue = [](const QString& t) { return t == QLatin1String("True"); };
    d.setMember(TaskSwitch, isTrue(d.tag()));
    d.setMember(Taskbar, isTrue(c.Picture1->property(kTagProperty).toString()));
    d.setMember(Desktop, isTrue(c.lblDDE->property(kTagProperty).toString()));
}

void LiftAllRestrictions(const RestrictionControls& c) {
    if (!c.complete()) return;
    c.DisableZ->setMember(EndOnly, false);
    c.DisableControlPanel1->setMember(19, false);
    c.DisableStartMenu1->setMember(5, false);
    c.DisableMisc1->setMember(10, false);
    for (int m : kDisableOrder)
        liftIfOn(*c.DisableZ, m);
    for (int m : kStartMenuLiftOrder)
        liftIfOn(*c.DisableStartMenu1, m);
    liftList(*c.DisableControlPanel1, controlPanelSwitches());
    liftList(*c.DisableMisc1, miscSwitches());
}

void ApplyLoginScreenRestrictions(App& app) {
    ApplyLoginScreenRestrictions(app, controls(app));
}

void ApplyRunRestrictions(App& app) {
    ApplyRunRestrictions(app, controls(app));
}

void HoldShellRestrictions(App& app, bool hold) {
    HoldShellRestrictions(controls(app), hold);
}

void LiftAllRestrictions(App& app) {
    LiftAllRestrictions(controls(app));
}
