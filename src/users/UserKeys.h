#pragma once

#include <QString>

// Every key of a user record (section "Users\<n>"), spelled as stored, with the reading that
// applies when the value is missing. Use these instead of literals.
//
// The When-missing readings are given in namespace UserDefaults below where the readers treat
// a missing value as a definite value; ReadUserSetting (users/UserTable.h) applies them.
namespace UserKeys {
#define TW_KEY(name, text) inline const QString name = QStringLiteral(text)
// Identity and rights.
TW_KEY(Number, "Number");             // the record's own number
TW_KEY(Name, "Name");                 // missing or empty: end of the table
TW_KEY(Password, "Password");         // single password, stored form; missing: no password can match
TW_KEY(ParentRights, "ParentRights"); // missing: 0
TW_KEY(UserChangePW, "UserChangePW"); // missing: 0
TW_KEY(Notes, "Notes");               // missing: empty

// Time allowance.
TW_KEY(TimeBasedOn, "Time Based On");      // missing: "Daily"
TW_KEY(AmmountHours, "Ammount Hours");     // missing: empty
TW_KEY(AmmountMinutes, "Ammount Minutes"); // missing: empty
TW_KEY(AmmountSeconds, "Ammount Seconds"); // missing: empty
TW_KEY(FreeHours, "FreeHours");            // missing: 0
TW_KEY(FreeMin, "FreeMin");                // missing: 0
TW_KEY(FreeSec, "FreeSec");                // missing: 0
TW_KEY(LastStartDate, "LastStartDate");    // missing: the renewal is due
TW_KEY(SubtrTime, "SubtrTime");            // missing or empty: no deduction pending
TW_KEY(OneTimeRemove, "One Time Remove");  // missing: 0
// The period start ("LastStartDate") of the period in which the extra time at a time-out was
// given; missing or another period: none given yet in the current one.
TW_KEY(ExtraTimeGranted, "Extra Time Granted");

// The session clock's heartbeat, written with every tick of the user's session in the same
// transaction: the boot-time clock in milliseconds (whole number text) and the boot id. Present
// while a session is open (cleared at its orderly end); a start that finds them charges the
// seconds since, within the same boot. The keeper program watches them.
TW_KEY(LastTickBoot, "LastTickBoot");
TW_KEY(LastTickBootId, "LastTickBootId");

// Time-out actions (missing: off / empty).
TW_KEY(TakeAction, "Take Action");
TW_KEY(TakeActionDo, "Take Action Do");
TW_KEY(DisplayMessage, "Display Message");
TW_KEY(DisplayMessageText, "Display Message Text");
TW_KEY(PlaySound, "Play Sound");
TW_KEY(PlaySoundSoundLocation, "Play Sound Sound Location");
TW_KEY(LaunchProgram, "Launch Program");
TW_KEY(LaunchProgramProg, "Launch Program Prog");

// Passwords.
TW_KEY(OptSingle, "Opt Single");
TW_KEY(OptMult, "Opt Mult");                  // missing: single-password mode
TW_KEY(RefreshPW, "Refresh PW");              // missing: 0
TW_KEY(DisablePW, "Disable PW");              // missing: 1
TW_KEY(RefreshTimePW, "Refresh Time PW");     // missing: 1
TW_KEY(PasswordLastUsed, "PasswordLastUsed"); // missing: -1

// Login events (missing: off / empty).
TW_KEY(LoginProg, "LoginProg");
TW_KEY(LoginProgLoc, "LoginProgLoc");
TW_KEY(LoginDisplayMessage, "LoginDisplay Message");
TW_KEY(LoginDisplayMessageText, "LoginDisplay Message Text");
TW_KEY(LoginPlaySound, "LoginPlay Sound");
TW_KEY(LoginPlaySoundSoundLocation, "LoginPlay Sound Sound Location");
TW_KEY(LoginWTTL, "LoginWTTL");
TW_KEY(LoginWTTLText, "LoginWTTLText");
TW_KEY(LogoutProgOnQuit, "LogoutProgOnQuit");

// Login hours.
TW_KEY(TimeRestriction, "Time Restriction");          // missing: 0
TW_KEY(TimeRestrictionAmmt, "Time Restriction Ammt"); // missing: 0
// A parent's one-off leave, given at the login window, to log in outside the login hours:
// the seconds still to use and the period they were given in (missing: no leave).
TW_KEY(HoursExceptionSeconds, "Hours Exception Seconds");
TW_KEY(HoursExceptionPeriod, "Hours Exception Period");

#undef TW_KEY

// List password i (i = 1 ... N): "Password1", "Password12". Missing or empty: end of the list.
inline QString ListPassword(int i) {
    return QStringLiteral("Password") + QString::number(i);
}
// Its marker: "Password3Used", "1" used, "0" unused; missing: 0.
inline QString ListPasswordUsed(int i) {
    return QStringLiteral("Password%1Used").arg(i);
}
// Login-hour rule i (i = 0 ... R-1): first and last hour (missing: 0), "Allow" or "Deny"
// (missing: neither).
inline QString TimeRestBegin(int i) {
    return QStringLiteral("Time Rest Begin") + QString::number(i);
}
inline QString TimeRestEnd(int i) {
    return QStringLiteral("Time Rest End") + QString::number(i);
}
inline QString TimeRestType(int i) {
    return QStringLiteral("Time Rest Type") + QString::number(i);
}
} // namespace UserKeys

// The readings of missing values that the readers of a record rely on.
namespace UserDefaults {
inline constexpr int ParentRights = 0;
inline constexpr int UserChangePW = 0;
inline constexpr const char* TimeBasedOn = "Daily";
inline constexpr int FreeTime = 0; // FreeHours, FreeMin, FreeSec
inline constexpr int OneTimeRemove = 0;
inline constexpr int ListPasswordUsed = 0;
inline constexpr int RefreshPW = 0;
inline constexpr int DisablePW = 1;
inline constexpr int RefreshTimePW = 1;
inline constexpr int PasswordLastUsed = -1;
inline constexpr int TimeRestriction = 0;
inline constexpr int TimeRestrictionAmmt = 0;
inline constexpr int TimeRestHour = 0; // Time Rest Begin<i>, Time Rest End<i>
} // namespace UserDefaults

// Values of "Time Based On".
namespace PeriodTypes {
inline const QString Daily = QStringLiteral("Daily");
inline const QString Weekly = QStringLiteral("Weekly");
inline const QString Monthly = QStringLiteral("Monthly");
inline const QString Unlimited = QStringLiteral("Unlimited");
inline const QString OneTime = QStringLiteral("One Time");
} // namespace PeriodTypes

// Values of "Time Rest Type<i>".
namespace TimeRestTypes {
inline const QString Allow = QStringLiteral("Allow");
inline const QString Deny = QStringLiteral("Deny");
} // namespace TimeRestTypes
