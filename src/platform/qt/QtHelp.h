#pragma once

#include "platform/Help.h"

#include <QPointer>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;

// The help window: the pages of help/ in a browser, with a contents list and a keyword
// index beside them.
class HelpViewer final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HelpViewer)

public:
    explicit HelpViewer(const QString& helpFolder);

    void showPage(const QString& page);
    void showContentsTab();
    void showIndexTab(const QString& keyword);

    QTabWidget* tabs;
    QListWidget* lstContents;
    QLineEdit* txtKeyword;
    QListWidget* lstKeywords;
    QTextBrowser* browser;

private:
    void filterKeywords(const QString& text);
    void openKeyword();
    QString m_folder;
};

class QtHelp final : public Help {
public:
    // helpFolder holds index.html (contents), keywords.html (the keyword index) and
    // usinghelp.html (how to use help), and a page per window.
    explicit QtHelp(QString helpFolder);
    ~QtHelp() override;
    void showContents() override;
    void showSearch() override;
    void showHelpOnHelp() override;
    void showTopic(const QString& topic) override;
    void quit() override;

    HelpViewer* viewer() const { return m_viewer.data(); }

private:
    HelpViewer& open();
    QString m_folder;
    QPointer<HelpViewer> m_viewer;
};

// The links of a help page, in order: (target, text).
QList<QPair<QString, QString>> HelpPageLinks(const QString& file);
