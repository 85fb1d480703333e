#pragma once

#include <QString>

// The keys of a user record "Users\<n>", spelled as stored.
namespace UserKeys {
#define TW_USER_KEY(name, text) inline const QString name = QStringLiteral(text)
TW_USER_KEY(Number, "Number");
TW_USER_KEY(Name, "Name");
TW_USER_KEY(ParentRights, "ParentRights");
TW_USER_KEY(TimeBasedOn, "Time Based On");
TW_USER_KEY(FreeHours, "FreeHours");
TW_USER_KEY(FreeMin, "FreeMin");
TW_USER_KEY(FreeSec, "FreeSec");
TW_USER_KEY(SubtrTime, "SubtrTime");
TW_USER_KEY(OptMult, "Opt Mult");
TW_USER_KEY(DisablePW, "Disable PW");
TW_USER_KEY(OneTimeRemove, "One Time Remove");
TW_USER_KEY(PlaySound, "Play Sound");
TW_USER_KEY(PlaySoundSoundLocation, "Play Sound Sound Location");
TW_USER_KEY(DisplayMessage, "Display Message");
TW_USER_KEY(DisplayMessageText, "Display Message Text");
TW_USER_KEY(LaunchProgram, "Launch Program");
TW_USER_KEY(LaunchProgramProg, "Launch Program Prog");
TW_USER_KEY(TakeAction, "Take Action");
TW_USER_KEY(TakeActionDo, "Take Action Do");
#undef TW_USER_KEY
inline QString PasswordUsed(int k) {
    return QStringLiteral("Password%1Used").arg(k);
}
} // namespace UserKeys

// The period types as stored in "Time Based On".
namespace PeriodTypes {
inline const QString Unlimited = QStringLiteral("Unlimited");
inline const QString OneTime = QStringLiteral("One Time");
} // namespace PeriodTypes
