#pragma once

#include <QString>

// The program's own help viewer over the pages in help/.
class Help {
public:
    virtual ~Help() = default;
    virtual void showContents() = 0;
    virtual void showSearch() = 0; // the keyword index
    virtual void showHelpOnHelp() = 0;
    virtual void showTopic(const QString& topic) = 0;
    virtual void quit() = 0;
};
