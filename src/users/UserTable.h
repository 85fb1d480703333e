#pragma once

class App;

// Counts the records from "Users\1" up to the first one without a name, writes the count
// into "Current Number Of Users" and returns it.
int RecountUsers(App& app);

class QString;

// The number of the first user whose "Name" equals name without regard to letter case;
// 0 when no user has that name.
int FindUserByName(App& app, const QString& name);

// Removes the named user and closes the gap: every later record moves down one place.
// An unknown name moves nothing.
void DeleteUser(App& app, const QString& name);
