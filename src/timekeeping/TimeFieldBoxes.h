#pragma once

#include "platform/MessageBox.h"
#include "timekeeping/TimeFields.h"

class App;
class QLineEdit;

// Normalises a window's three time boxes in place (ReWriteTimeAmmt). A refused box is said in
// a message with the window's icon, gets the focus with its text selected, and the answer is
// false; the boxes keep what was typed.
bool ReWriteTimeBoxes(App& app, QLineEdit* hours, QLineEdit* minutes, QLineEdit* seconds, MsgIcon icon,
                      UnreadableField unreadable = UnreadableField::Refuse);
