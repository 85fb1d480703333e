#pragma once

#include "platform/RestrictionComponent.h"

#include <QString>

class App;

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

// Each operation switches the session model's controls; with no controls there is nothing to
// switch and the operation does nothing.

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
