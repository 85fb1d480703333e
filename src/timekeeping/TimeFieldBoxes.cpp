#include "timekeeping/TimeFieldBoxes.h"

#include "core/App.h"

#include <QLineEdit>

bool ReWriteTimeBoxes(App& app, QLineEdit* hours, QLineEdit* minutes, QLineEdit* seconds, MsgIcon icon,
                      UnreadableField unreadable) {
    QString h = hours->text();
    QString m = minutes->text();
    QString s = seconds->text();
    const TimeFieldsCheck check = ReWriteTimeAmmt(h, m, s, unreadable);
    if (!check.ok()) {
        app.platform.messageBox->show(TimeFieldsMessage(check), kProgramTitle, MsgButtons::Ok, icon);
        QLineEdit* at = check.field == TimeField::Hours ? hours : check.field == TimeField::Minutes ? minutes : seconds;
        at->setFocus();
        at->selectAll();
        return false;
    }
    hours->setText(h);
    minutes->setText(m);
    seconds->setText(s);
    return true;
}
