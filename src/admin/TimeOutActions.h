#pragma once

#include <QWidget>
#include <functional>

class App;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QPushButton;

// What happens when a user's time runs out, as the user editor and the new-user wizard both
// offer it: launch a program, take an end action, display a message, play a sound. Each box
// enables the fields beside it.
class TimeOutActions final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TimeOutActions)

public:
    TimeOutActions(App& app, QWidget* parent);

    QCheckBox* chkLaunchProg;
    QLineEdit* txtLaunchProg;
    QPushButton* cmdLaunchProg;
    QCheckBox* chkTA;
    QComboBox* cboTA; // shows this system's words, holds the stored end action as item data
    QCheckBox* chkDM;
    QLineEdit* txtDM;
    QCheckBox* chkPS;
    QLineEdit* txtPS;
    QPushButton* cmdPS;

    // Nothing ticked, no texts, the action "Display Time Ward Login".
    void clear();
    // From and to the record "Users\<n>"; the launch program is written by the caller, in its
    // own place among the record's values.
    void load(App& app, int user);
    using Put = std::function<void(const QString& key, const QString& value)>;
    void save(const Put& put) const;

private:
    void applyEnablingRules();
};

// A stored switch's text for a box: "1" when ticked, "0" otherwise.
QString BoxSwitch(const QCheckBox* box);

// One row of an options grid: the box, the field it enables, and the field's "..." button when
// it names a file.
void AddOptionRow(QGridLayout* grid, int row, QCheckBox* box, QWidget* field, QPushButton* browse = nullptr);

// Lets the user pick a program (or, with sound, a wave file) for the field; a cancelled
// dialog keeps the field's text.
void PickFileFor(App& app, QLineEdit* field, bool sound);
