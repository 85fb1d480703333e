#pragma once

#include <QString>

class App;
class QWidget;

// The ways into user administration, called by the main window's menus, the pick-user
// dialog and the user status window.

// Each way into the user editor names its owner: the window placed under the editor and
// disabled until it closes.

// "&Add User" (menu and pop-up): the new-user wizard when "NewUser" of "Wizards" is true
// (absent reads as true), falling back to the user editor when the wizard is left through
// "Classic Mode"; otherwise the user editor for a new user.
void AddUser(App& app, QWidget* owner);

// "User &Stats" after the pick-user dialog, and the pop-up's "User &Stats": opens the user
// editor on the named user. An unknown name asks whether to create that user and, on Yes,
// opens the editor for a new user. editCaption gives the editor the caption "Edit User"
// (the pop-up's entry).
void EditUserByName(App& app, const QString& name, QWidget* owner, bool editCaption = false);

// "&Delete User" (menu, pop-up and the pick-user dialog): refuses the only parent, then asks
// whether to delete the named user with No as the default, deletes on Yes and logs which parent
// did it. True when the user is gone.
bool AskAndDeleteUser(App& app, const QString& name);

// The user editor for a new user. fromAddUser also proposes the program's own time-out sound.
void OpenUserEditorForNewUser(App& app, bool fromAddUser, QWidget* owner);
// The user editor on user n ("Edit User" mode).
void OpenUserEditorForUser(App& app, int n, QWidget* owner);

// The user status window's "Change Password": the logged-in user changes the own password.
// The owner (the status window) is disabled until the dialog closes.
void ChangeOwnPassword(App& app, QWidget* owner);

// Runs the new-user wizard modally with kind "First" or "New"; returns the result flag:
// true when it was left through Close/Finished, false after "Classic Mode".
bool RunAddNewUserWizard(App& app, const QString& kind);

// The greeting of a new installation, modal and centred on the screen.
void ShowWelcomeWindow(App& app);

// The guidance box beside the editor and its dialogs; shown at the right edge of the screen
// with the given text, and hidden when the editor closes.
void ShowHelpBox(App& app, const QString& text);
void HideHelpBox(App& app);
