#include "TestPlatform.h"
#include "TestRegistry.h"
#include "program/frmAbout.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

class tst_frmAbout : public QObject {
    Q_OBJECT
private slots:
    void showsNameAndVersion();
};

void tst_frmAbout::showsNameAndVersion() {
    TestPlatform tp;
    ShowAbout(*tp.app);
    frmAbout& about = tp.app->window<frmAbout>();
    QVERIFY(about.isVisible());
    QCOMPARE(about.lblTitle->text(), QStringLiteral("TimeWard"));
    QCOMPARE(about.lblVersion->text(), QStringLiteral("Version 1.3.5"));
    about.cmdOk->click();
    QVERIFY(!about.isVisible());
}

TW_TEST(tst_frmAbout)
#include "tst_frmAbout.moc"
