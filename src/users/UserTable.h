#pragma once

#include "storage/Setting.h"

#include <QString>

class App;

// Counts the records from "Users\1" up to the first one without a name, writes the count
// into "Current Number Of Users" and returns it.
int RecountUsers(App& app);

// The number of the first user whose "Name" equals name without regard to letter case (no
// trimming: "Tom " is not "Tom"); 0 when no user has that name.
int FindUserByName(App& app, const QString& name);

// Deletes the named user: every later record moves down one number as an exact copy (keys
// the moved record lacks are removed, its password list and markers go with it), the last
// record's key is removed, the users are recounted and the main window's list is refilled.
// The logged-in user keeps being counted under the new number (0 when that user was the one
// deleted). An unknown name, and the only user with parental rights, are not deleted: the
// result is false then.
bool DeleteUser(App& app, const QString& name);

// The logged-in user's name: as the login took it, or "CurrUser" where no login of this copy
// has (the store may have refused the login's write of "CurrUser").
QString SessionUserName(App& app);

// The activity log's line for a changed password: "Ann changed Bob's password", or "Bob changed
// their own password".
QString PasswordChangeLine(const QString& who, const QString& owner);

// The logged-in user's number, found again by that name when the records moved (a deletion
// renumbers every later user); sets CurrentUserNumber. While that name is found nowhere (a
// rename not yet saved) the number stays as it was.
int FindCurrentUser(App& app);

// Whether the named user is the only one with parental rights (deleting or demoting that user
// would leave nobody who can reach the administration).
bool IsLastParent(App& app, const QString& name);

// The parental-rights rule for saving user n (the user editor's save check, the new-user
// wizard): passes when the box is checked or another stored record has parental rights.
// Otherwise it shows why and returns false: kLastParentMessage when n is the only parent (the
// save would take the right from the last one), else kNoParentRightsMessage. The caller
// recounts first.
bool CheckParentRightsRule(App& app, bool parentRightsBoxChecked, int n);
extern const QString kNoParentRightsMessage;
// The refusals that keep the last parent: losing the right, being deleted.
QString LastParentMessage(const QString& name);
QString LastParentDeleteMessage(const QString& name);

// A value of user n's record with the reading the catalogue gives for a missing value
// (users/UserKeys.h): "Disable PW" missing reads "1", "Time Based On" missing reads "Daily".
Setting ReadUserSetting(App& app, int n, const QString& key);
