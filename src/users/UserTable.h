#pragma once

class App;

// Counts the records from "Users\1" up to the first one without a name, writes the count
// into "Current Number Of Users" and returns it.
int RecountUsers(App& app);
