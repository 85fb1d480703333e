#pragma once

#include <QString>

// The common file-open and file-save dialogs; an empty text when the user cancels.
class FilePicker {
public:
    virtual ~FilePicker() = default;
    virtual QString openFile(const QString& title, const QString& filter, const QString& startPath) = 0;
    virtual QString saveFile(const QString& title, const QString& filter, const QString& startPath) = 0;
};
