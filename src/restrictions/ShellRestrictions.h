#pragma once

#include <QString>

class App;
class QObject;
class RestrictionComponent;

// The four controls of the restriction component as they sit on the controller window, and
// the two other controls whose Tag texts keep saved states while the shell is held.
struct RestrictionControls {
    RestrictionComponent* DisableZ = nullptr;             // DisablePro.Disable
    RestrictionComponent* DisableStartMenu1 = nullptr;    // DisablePro.DisableStartMenu
    RestrictionComponent* DisableControlPanel1 = nullptr; // DisablePro.DisableControlPanel
    RestrictionComponent* DisableMisc1 = nullptr;         // DisablePro.DisableMisc
    QObject* Picture1 = nullptr;                          // its "Tag" property
    QObject* lblDDE = nullptr;                            // its "Tag" property
    bool complete() const {
        return DisableZ && DisableStartMenu1 && DisableControlPanel1 && DisableMisc1 && Picture1 && lblDDE;
    }
};

// The Disable switches by member number.
namespace DisableMember {
constexpr int ScreenSaver = 2;
constexpr int TrayClock = 3;
constexpr int Mouse = 4;
constexpr int Desktop = 5;
constexpr int StartButton = 6;
constexpr int IconTray = 7;
constexpr int Taskbar = 8;
constexpr int TaskSwitch = 9;
constexpr int EndOnly = 10;
} // namespace DisableMember

// The name of the dynamic property that serves as a control's Tag text.
inline constexpr const char* kTagProperty = "Tag";

// Each operation reaches the controls through the controller window (created when it does not
// exist yet, through app.ui.restrictionControls); with no controller window there is nothing
// to switch and the operation does nothing.

// The login screen's set: every Disable switch written, on when its "Config" key is 1.
void ApplyLoginScreenRestrictions(App& app);
// After a login: the Disable switches all off and then each to its wanted state; the Start
// menu, Control Panel and misc switches written only when their state must change.
void ApplyRunRestrictions(App& app);
// Around a message box in a session: task switching, taskbar and desktop forced on while
// holding, their earlier states saved in the Tags of DisableZ, Picture1 and lblDDE, and put
// back on release.
void HoldShellRestrictions(App& app, bool hold);
// At the orderly end: the end-only members off, then every switch that is on switched off.
void LiftAllRestrictions(App& app);

// The same operations on given controls.
void ApplyLoginScreenRestrictions(App& app, const RestrictionControls& c);
void ApplyRunRestrictions(App& app, const RestrictionControls& c);
void HoldShellRestrictions(const RestrictionControls& c, bool hold);
void LiftAllRestrictions(const RestrictionControls& c);
