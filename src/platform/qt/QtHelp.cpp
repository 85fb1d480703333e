#include "platform/qt/QtHelp.h"

#include <QCoreApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

namespace {
const QString kContentsPage = QStringLiteral("index.html");
const QString kKeywordsPage = QStringLiteral("keywords.html");
const QString kUsingHelpPage = QStringLiteral("usinghelp.html");

QString plain(const QString& html) {
    QTextDocument d;
    d.setHtml(html);
    return d.toPlainText().simplified();
}
} // namespace

QList<QPair<QString, QString>> HelpPageLinks(const QString& file) {
    QList<QPair<QString, QString>> links;
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return links;
    const QString html = QString::fromUtf8(f.readAll());
    static const QRegularExpression re(QStringLiteral("<a\\s+href=\"([^\"]+)\"[^>]*>(.*?)</a>"),
                                       QRegularExpression::CaseInsensitiveOption |
                                           QRegularExpression::DotMatchesEverythingOption);
    for (auto it = re.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        links.append({m.captured(1), plain(m.captured(2))});
    }
    return links;
}

HelpViewer::HelpViewer(const QString& helpFolder) : m_folder(helpFolder) {
    setObjectName(QStringLiteral("helpViewer"));
    setWindowTitle(tr("TimeWard Help"));

    tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("tabs"));
    lstContents = new QListWidget;
    lstContents->setObjectName(QStringLiteral("lstContents"));
    for (const auto& [target, text] : HelpPageLinks(m_folder + QLatin1Char('/') + kContentsPage)) {
        auto* item = new QListWidgetItem(text, lstContents);
        item->setData(Qt::UserRole, target);
    }
    tabs->addTab(lstContents, tr("&Contents"));

    auto* indexPane = new QWidget;
    auto* indexLayout = new QVBoxLayout(indexPane);
    auto* prompt = new QLabel(tr("&Type the first letters of a word:"), indexPane);
    txtKeyword = new QLineEdit(indexPane);
    txtKeyword->setObjectName(QStringLiteral("txtKeyword"));
    prompt->setBuddy(txtKeyword);
    lstKeywords = new QListWidget(indexPane);
    lstKeywords->setObjectName(QStringLiteral("lstKeywords"));
    for (const auto& [target, text] : HelpPageLinks(m_folder + QLatin1Char('/') + kKeywordsPage)) {
        auto* item = new QListWidgetItem(text, lstKeywords);
        item->setData(Qt::UserRole, target);
    }
    lstKeywords->sortItems();
    auto* display = new QPushButton(tr("&Display"), indexPane);
    indexLayout->addWidget(prompt);
    indexLayout->addWidget(txtKeyword);
    indexLayout->addWidget(lstKeywords, 1);
    indexLayout->addWidget(display);
    tabs->addTab(indexPane, tr("&Index"));

    browser = new QTextBrowser;
    browser->setObjectName(QStringLiteral("browser"));
    browser->setSearchPaths({m_folder});
    browser->setOpenExternalLinks(false);

    auto* back = new QPushButton(tr("&Back"), this);
    auto* forward = new QPushButton(tr("&Forward"), this);
    auto* usingHelp = new QPushButton(tr("&Using Help"), this);
    auto* close = new QPushButton(tr("Cl&ose"), this);
    back->setEnabled(false);
    forward->setEnabled(false);
    auto* bar = new QHBoxLayout;
    bar->addWidget(back);
    bar->addWidget(forward);
    bar->addWidget(usingHelp);
    bar->addStretch();
    bar->addWidget(close);

    auto* split = new QSplitter(this);
    split->addWidget(tabs);
    split->addWidget(browser);
    split->setStretchFactor(1, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(split, 1);
    resize(820, 560);

    connect(back, &QPushButton::clicked, browser, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser, &QTextBrowser::forward);
    connect(browser, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    connect(browser, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
    connect(usingHelp, &QPushButton::clicked, this, [this] { showPage(kUsingHelpPage); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(lstContents, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { showPage(item->data(Qt::UserRole).toString()); });
    connect(lstContents, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { showPage(item->data(Qt::UserRole).toString()); });
    connect(txtKeyword, &QLineEdit::textChanged, this, &HelpViewer::filterKeywords);
    connect(txtKeyword, &QLineEdit::returnPressed, this, &HelpViewer::openKeyword);
    connect(lstKeywords, &QListWidget::itemActivated, this, &HelpViewer::openKeyword);
    connect(display, &QPushButton::clicked, this, &HelpViewer::openKeyword);
}

void HelpViewer::showPage(const QString& page) {
    browser->setSource(QUrl(page));
}

void HelpViewer::showContentsTab() {
    tabs->setCurrentIndex(0);
    showPage(kContentsPage);
    lstContents->setFocus();
}

void HelpViewer::showIndexTab(const QString& keyword) {
    tabs->setCurrentIndex(1);
    txtKeyword->setText(keyword);
    filterKeywords(keyword);
    if (browser->source().isEmpty()) showPage(kKeywordsPage);
    txtKeyword->setFocus();
}

// Selects the first keyword that starts with the typed text; the list stays whole, as an
// index does, so a neighbouring keyword is still in sight.
void HelpViewer::filterKeywords(const QString& text) {
    for (int i = 0; i < lstKeywords->count(); ++i) {
        QListWidgetItem* item = lstKeywords->item(i);
        if (item->text().startsWith(text, Qt::CaseInsensitive)) {
            lstKeywords->setCurrentItem(item);
            lstKeywords->scrollToItem(item, QAbstractItemView::PositionAtTop);
            return;
        }
    }
    lstKeywords->setCurrentItem(nullptr);
}

void HelpViewer::openKeyword() {
    if (QListWidgetItem* item = lstKeywords->currentItem()) showPage(item->data(Qt::UserRole).toString());
}

QtHelp::QtHelp(QString helpFolder) : m_folder(std::move(helpFolder)) {}

QtHelp::~QtHelp() {
    // A window may only go while the application object still exists; after that the
    // process is ending anyway.
    if (QCoreApplication::instance()) delete m_viewer.data();
}

HelpViewer& QtHelp::open() {
    if (m_viewer.isNull()) m_viewer = new HelpViewer(m_folder);
    m_viewer->show();
    m_viewer->raise();
    m_viewer->activateWindow();
    return *m_viewer;
}

void QtHelp::showContents() {
    open().showContentsTab();
}

void QtHelp::showSearch() {
    open().showIndexTab(QString());
}

void QtHelp::showHelpOnHelp() {
    open().showPage(kUsingHelpPage);
}

void QtHelp::showTopic(const QString& topic) {
    open().showPage(topic.endsWith(QLatin1String(".html")) ? topic : topic + QStringLiteral(".html"));
}

void QtHelp::quit() {
    if (!m_viewer.isNull()) m_viewer->close();
}
