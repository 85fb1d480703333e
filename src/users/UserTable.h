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
// An unknown name changes nothing.
void DeleteUser(App& app, const QString& name);

// Whether any stored record from 1 to "Current Number Of Users" has "ParentRights" = 1.
bool AnyUserHasParentRights(App& app);

// The parental-rights rule of the user editor's save check: when no stored record has
// parental rights and the editor's box is unchecked, shows kNoParentRightsMessage and returns
// false (refuse the save); otherwise returns true. The caller recounts first.
bool CheckParentRightsRule(App& app, bool parentRightsBoxChecked);
extern const QString kNoParentRightsMessage;

// A value of user n's record with the reading the catalogue gives for a missing value
// (users/UserKeys.h): "Disable PW" missing reads "1", "Time Based On" missing reads "Daily".
Setting ReadUserSetting(App& app, int n, const QString& key);
