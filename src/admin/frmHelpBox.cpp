#include "admin/frmHelpBox.h"

#include "admin/UserAdmin.h"
#include "core/App.h"
#include "platform/Screen.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

frmHelpBox::frmHelpBox(App& app) : m_app(app) {
    setObjectName(QStringLiteral("frmHelpBox"));
    setWindowTitle(tr("Help"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    auto* layout = new QVBoxLayout(this);
    lblTitle = new QLabel(QStringLiteral("TimeWard"), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont f = lblTitle->font();
    f.setBold(true);
    lblTitle->setFont(f);
    txtHelp = new QPlainTextEdit(this);
    txtHelp->setObjectName(QStringLiteral("txtHelp"));
    txtHelp->setReadOnly(true);
    txtHelp->setPlainText(initialText());
    layout->addWidget(lblTitle);
    layout->addWidget(txtHelp);
    resize(220, 260);
}

QString frmHelpBox::initialText() {
    return tr("To start off, please click on \nthe User Name box.\n");
}

void frmHelpBox::showEvent(QShowEvent* e) {
    // At the right edge of the screen, half way down.
    const QRect screen = m_app.platform.screen->geometry();
    move(screen.x() + screen.width() - width(), screen.y() + screen.height() / 2 - height() / 2);
    QDialog::showEvent(e);
}

void GuideHelp(App& app, const QString& text) {
    if (app.isLoaded("frmHelpBox") && app.window<frmHelpBox>().isVisible())
        app.window<frmHelpBox>().txtHelp->setPlainText(text);
}

void ShowHelpBox(App& app, const QString& text) {
    frmHelpBox& box = app.window<frmHelpBox>();
    box.show();
    box.txtHelp->setPlainText(text);
}

void HideHelpBox(App& app) {
    if (app.isLoaded("frmHelpBox")) app.window<frmHelpBox>().hide();
}
