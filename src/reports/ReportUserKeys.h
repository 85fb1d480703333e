#pragma once

#include <QString>

// The user-record keys the reports read, spelled as stored. These stand in until the user
// table's own key catalogue lands, and then give way to it.
namespace ReportUserKeys {
inline const QString Name = QStringLiteral("Name");
inline const QString ParentRights = QStringLiteral("ParentRights");
inline const QString TimeBasedOn = QStringLiteral("Time Based On");
inline const QString AmmountHours = QStringLiteral("Ammount Hours");
inline const QString AmmountMinutes = QStringLiteral("Ammount Minutes");
inline const QString AmmountSeconds = QStringLiteral("Ammount Seconds");
inline const QString TakeAction = QStringLiteral("Take Action");
inline const QString TakeActionDo = QStringLiteral("Take Action Do");
inline const QString DisplayMessage = QStringLiteral("Display Message");
inline const QString DislpayMessageText = QStringLiteral("Dislpay Message Text");
inline const QString PlaySound = QStringLiteral("Play Sound");
inline const QString PlaySoundSoundLocation = QStringLiteral("Play Sound Sound Location");
inline const QString FreeHours = QStringLiteral("FreeHours");
inline const QString FreeMin = QStringLiteral("FreeMin");
inline const QString FreeSec = QStringLiteral("FreeSec");
} // namespace ReportUserKeys
