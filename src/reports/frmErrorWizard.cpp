#include "reports/frmErrorWizard.h"

#include "core/App.h"
#include "core/WindowMetrics.h"
#include "platform/MessageBox.h"
#include "reports/BugReport.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmErrorWizard::frmErrorWizard(App& app) : m_app(app) {
    setObjectName(QStringLiteral("frmErrorWizard"));
    setWindowTitle(tr("Error Handler Wizard"));
    Label1 = new QLabel(tr("The following information will help me with the debugging process.  Please "
                           "answer the information to the best of your ability.  I will not give out any "
                           "of this information."),
                        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    txtName = new QLineEdit(this);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtEmail = new QLineEdit(this);
    txtEmail->setObjectName(QStringLiteral("txtEmail"));
    const QStringList answers = {tr("Yes"), tr("No!")};
    cboProp = new QComboBox(this);
    cboProp->setObjectName(QStringLiteral("cboProp"));
    cboProp->addItems(answers);
    cboFunct = new QComboBox(this);
    cboFunct->setObjectName(QStringLiteral("cboFunct"));
    cboFunct->addItems(answers);
    txtComments = new QPlainTextEdit(this);
    txtComments->setObjectName(QStringLiteral("txtComments"));
    txtComments->setPlainText(
        tr("Here, please type what you were doing at the time, what you did before this happened, any recent "
           "configuration changes, or what screen you were on when this happened."));
    txtComments->setTabChangesFocus(true);
    Command1 = new QPushButton(tr("&Continue"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);

    auto* form = new QFormLayout;
    form->addRow(tr("&Name:"), txtName);
    form->addRow(tr("&Email"), txtEmail);
    auto* prop = new QLabel(tr("Does the program still function properly even though the error occurs?"), this);
    prop->setWordWrap(true);
    form->addRow(prop);
    form->addRow(cboProp);
    auto* funct = new QLabel(tr("Does the program still function at all?"), this);
    funct->setWordWrap(true);
    form->addRow(funct);
    form->addRow(cboFunct);
    form->addRow(new QLabel(tr("Comments"), this));
    form->addRow(txtComments);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addLayout(form);
    layout->addLayout(buttons);
    resize(460, 440);

    connect(Command1, &QPushButton::clicked, this, &frmErrorWizard::Command1_Click);
    CenterForm(m_app, *this);
}

void frmErrorWizard::Command1_Click() {
    const QString problem = ErrorWizardCheck(txtName->text(), txtEmail->text());
    if (!problem.isEmpty()) {
        m_app.platform.messageBox->show(problem, kProgramTitle, MsgButtons::Ok, MsgIcon::Exclamation);
        (txtName->text().isEmpty() ? txtName : txtEmail)->setFocus();
        return;
    }
    App::ErrorWizardAnswers& a = m_app.errorWizardAnswers;
    a.name = txtName->text();
    a.email = txtEmail->text();
    a.functionsProperly = cboProp->currentText();
    a.functionsAtAll = cboFunct->currentText();
    a.comments = txtComments->toPlainText();
    accept();
}
