#include "core/DialogParts.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

QHBoxLayout* ButtonRow(std::initializer_list<QWidget*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QWidget* b : buttons)
        row->addWidget(b);
    return row;
}

void AddOkCancel(QWidget* dialog, QBoxLayout* layout, QPushButton*& ok, QPushButton*& cancel, const QString& okText,
                 const QString& cancelText) {
    ok = new QPushButton(okText, dialog);
    ok->setObjectName(QStringLiteral("cmdOk"));
    ok->setDefault(true);
    cancel = new QPushButton(cancelText, dialog);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    layout->addLayout(ButtonRow({ok, cancel}));
}

QPushButton* QuestionDialog::addQuestion(QVBoxLayout* layout, const QString& label, QWidget* field,
                                         const QString& accept, const char* acceptName) {
    auto* form = new QFormLayout;
    auto* fieldLabel = new QLabel(label, this);
    fieldLabel->setBuddy(field);
    form->addRow(fieldLabel, field);
    layout->addLayout(form);

    lblInfo = new QLabel(this);
    lblInfo->setObjectName(QStringLiteral("lblInfo"));
    lblInfo->setWordWrap(true);
    layout->addWidget(lblInfo);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* acceptButton = buttons->addButton(accept, QDialogButtonBox::AcceptRole);
    acceptButton->setObjectName(QLatin1String(acceptName));
    acceptButton->setDefault(true);
    cmdCancel = buttons->addButton(QDialogButtonBox::Cancel);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    layout->addWidget(buttons);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    return acceptButton;
}
