#pragma once

#include <QDialog>
#include <initializer_list>

class QBoxLayout;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;

// The buttons along a dialog's foot, pushed to the right, in the order given.
QHBoxLayout* ButtonRow(std::initializer_list<QWidget*> buttons);

// OK (the default button) and Cancel, named cmdOk and cmdCancel, at the foot of layout. The
// captions come translated in the dialog's own context.
void AddOkCancel(QWidget* dialog, QBoxLayout* layout, QPushButton*& ok, QPushButton*& cancel, const QString& okText,
                 const QString& cancelText);

// A dialog that asks one thing: the field beside its label, a line below it that says why the
// answer cannot be taken yet, and the accepting button (the default) beside Cancel.
class QuestionDialog : public QDialog {
public:
    QLabel* lblInfo = nullptr; // why the answer was not taken
    QPushButton* cmdCancel = nullptr;

protected:
    using QDialog::QDialog;
    // Adds the field's row, lblInfo and the buttons below what layout holds. Cancel rejects;
    // the accepting button it returns only clicks, so that the dialog checks the answer
    // before it accepts.
    QPushButton* addQuestion(QVBoxLayout* layout, const QString& label, QWidget* field, const QString& accept,
                             const char* acceptName);
};
