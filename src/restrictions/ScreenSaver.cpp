#include "restrictions/ScreenSaver.h"

#include "core/App.h"

namespace {

QString readValue(App& app, const QString& name) {
    int type = 0;
    QString text = app.store.sdaGetRegEntry(ScreenSaverValues::Root, ScreenSaverValues::Key, name, type);
    const int nul = text.indexOf(QChar(0));
    if (nul >= 0) text.truncate(nul);
    return text;
}

void showSwitch(App& app, const QString& name, ScreenSaverField field,
                const std::function<void(ScreenSaverField, const QString&)>& show) {
    if (Setting(readValue(app, name)).is(0)) show(field, QStringLiteral("False"));
    if (Setting(readValue(app, name)).is(1)) show(field, QStringLiteral("True"));
}

void showText(App& app, const QString& name, ScreenSaverField field,
              const std::function<void(ScreenSaverField, const QString&)>& show) {
    show(field, readValue(app, name));
}

} // namespace

void UpdateScreenSaverStatus(App& app, const std::function<void(ScreenSaverField, const QString&)>& show) {
    using F = ScreenSaverField;
    namespace V = ScreenSaverValues;
    showSwitch(app, V::Active, F::Active, show);
    showText(app, V::TimeOut, F::TimeOut, show);
    showSwitch(app, V::LowPowerActive, F::LowPowerActive, show);
    showText(app, V::LowPowerTimeout, F::LowPowerTimeout, show);
    showSwitch(app, V::PowerOffActive, F::PowerOffActive, show);
    showText(app, V::PowerOffTimeout, F::PowerOffTimeout, show);
}
