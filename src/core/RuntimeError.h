#pragma once

#include <QString>
#include <stdexcept>

// A run-time error, numbered as the rest of the program reports them.
struct RuntimeError : std::runtime_error {
    enum Number : int {
        TypeMismatch = 13,
        FileNotFound = 53,
        PathFileAccess = 75,
        InvalidPropertyValue = 380,
    };
    RuntimeError(int number, QString description, QString source = QString())
        : std::runtime_error(description.toStdString()), number(number), description(std::move(description)),
          source(std::move(source)) {}
    static QString standardText(int number);

    int number;
    QString description;
    QString source;
};

inline QString RuntimeError::standardText(int number) {
    switch (number) {
    case TypeMismatch:
        return QStringLiteral("Type mismatch");
    case FileNotFound:
        return QStringLiteral("File not found");
    case PathFileAccess:
        return QStringLiteral("Path/File access error");
    case InvalidPropertyValue:
        return QStringLiteral("Invalid property value");
    default:
        return QStringLiteral("Application-defined or object-defined error");
    }
}
