#include "web/ParentPageTab.h"

#include "core/App.h"
#include "web/ParentPage.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QSysInfo>
#include <QVBoxLayout>

ParentPageTab::ParentPageTab(App& app, QWidget* parent) : QWidget(parent), m_app(app) {
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(tr("Parents can see and give time from a phone or another computer at home, in "
                                "its web browser. Only a parent's name and password open the page."),
                             this);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    chkParentPage = new QCheckBox(tr("Serve the &parent's page on the home network"), this);
    chkParentPage->setObjectName(QStringLiteral("chkParentPage"));
    layout->addWidget(chkParentPage);
    auto* form = new QFormLayout;
    txtParentPagePort = new QLineEdit(this);
    txtParentPagePort->setObjectName(QStringLiteral("txtParentPagePort"));
    txtParentPagePort->setValidator(new QIntValidator(1, 65535, txtParentPagePort));
    txtParentPagePort->setMaximumWidth(90);
    form->addRow(tr("P&ort:"), txtParentPagePort);
    layout->addLayout(form);

    auto* frame = new QGroupBox(tr("On the phone"), this);
    auto* f = new QVBoxLayout(frame);
    lblPageAddress = new QLabel(frame);
    lblPageAddress->setObjectName(QStringLiteral("lblPageAddress"));
    lblPageAddress->setWordWrap(true);
    lblPageAddress->setTextInteractionFlags(Qt::TextSelectableByMouse);
    pctPageQR = new QLabel(frame);
    pctPageQR->setObjectName(QStringLiteral("pctPageQR"));
    lblFingerprint = new QLabel(frame);
    lblFingerprint->setObjectName(QStringLiteral("lblFingerprint"));
    lblFingerprint->setWordWrap(true);
    lblFingerprint->setTextInteractionFlags(Qt::TextSelectableByMouse);
    f->addWidget(lblPageAddress);
    f->addWidget(pctPageQR, 0, Qt::AlignLeft);
    f->addWidget(lblFingerprint);
    layout->addWidget(frame);
    layout->addStretch();

    connect(chkParentPage, &QCheckBox::toggled, this, &ParentPageTab::changed);
    connect(txtParentPagePort, &QLineEdit::textEdited, this, &ParentPageTab::changed);
}

int ParentPageTab::typedPort() const {
    bool ok = false;
    const int port = txtParentPagePort->text().trimmed().toInt(&ok);
    return ok && port >= 1 && port <= 65535 ? port : 0;
}

void ParentPageTab::showState() {
    // The module is loaded only for a page that serves: an unused page costs nothing here.
    if (!m_app.isLoaded("ParentPage") || !TheParentPage(m_app).serving()) {
        const QString error = m_app.isLoaded("ParentPage") ? TheParentPage(m_app).lastError() : QString();
        lblPageAddress->setText(error.isEmpty() ? tr("The page is off.")
                                                : tr("The page could not be opened: %1").arg(error));
        pctPageQR->clear();
        pctPageQR->hide();
        lblFingerprint->clear();
        return;
    }
    ParentPage& page = TheParentPage(m_app);
    const QString port = QString::number(page.port());
    QStringList urls;
    for (const QString& a : page.addresses())
        urls << (a.contains(QLatin1Char(':')) ? QStringLiteral("https://[%1]:%2/") : QStringLiteral("https://%1:%2/"))
                    .arg(a, port);
    urls << QStringLiteral("https://%1:%2/").arg(QSysInfo::machineHostName(), port);
    lblPageAddress->setText(tr("Type this address in the phone's browser:") + QLatin1Char('\n') +
                            urls.join(QLatin1Char('\n')));
    const auto code = page.qrCode(urls.first().toUtf8());
    if (code.empty()) {
        pctPageQR->hide();
    } else {
        // Four light modules around the code, as readers expect; four pixels a module.
        const int quiet = 4, scale = 4, n = int(code.size());
        QImage image((n + 2 * quiet) * scale, (n + 2 * quiet) * scale, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        for (int y = 0; y < n; ++y)
            for (int x = 0; x < n; ++x)
                if (code[y][x]) p.fillRect((x + quiet) * scale, (y + quiet) * scale, scale, scale, Qt::black);
        p.end();
        pctPageQR->setPixmap(QPixmap::fromImage(image));
        pctPageQR->show();
    }
    lblFingerprint->setText(
        tr("The phone warns about the page's own certificate the first time. Its SHA-256 fingerprint:") +
        QLatin1Char('\n') + page.fingerprint());
}
