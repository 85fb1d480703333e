#include "platform/Clock.h"

#include <QLocale>

QString DateText(const QDate& d) {
    return QLocale::c().toString(d, QStringLiteral("M/d/yyyy"));
}

QString TimeText(const QTime& t) {
    return QLocale::c().toString(t, QStringLiteral("h:mm:ss AP"));
}

QDate ParseDateText(const QString& text) {
    const QString t = text.trimmed();
    QDate d = QLocale::c().toDate(t, QStringLiteral("M/d/yyyy"));
    if (!d.isValid()) d = QDate::fromString(t, Qt::ISODate);
    return d;
}
