#pragma once

#include "restrictions/DisablePro.h"
#include "restrictions/ShellRestrictions.h"

#include <QLabel>
#include <QWidget>
#include <memory>

class App;
class QTimer;

// The hidden controller window: lives from start-up to the end of the process.
class frmSecret final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmSecret)

public:
    explicit frmSecret(App& app);

    QTimer* T1; // the controller tick, every 1000 ms while a user is logged in

    // The restriction component's four controls, and the picture box and label whose Tags keep
    // states saved while the shell is held. The component's states are mirrored into
    // <data folder>/restrictions.state.
    std::shared_ptr<DisablePro::Record> restrictionRecord = std::make_shared<DisablePro::Record>();
    std::unique_ptr<DisablePro> DisableZ =
        std::make_unique<DisablePro>(DisablePro::Kind::Disable, QStringLiteral("DisableZ"), restrictionRecord);
    std::unique_ptr<DisablePro> DisableStartMenu1 = std::make_unique<DisablePro>(
        DisablePro::Kind::DisableStartMenu, QStringLiteral("DisableStartMenu1"), restrictionRecord);
    std::unique_ptr<DisablePro> DisableControlPanel1 = std::make_unique<DisablePro>(
        DisablePro::Kind::DisableControlPanel, QStringLiteral("DisableControlPanel1"), restrictionRecord);
    std::unique_ptr<DisablePro> DisableMisc1 =
        std::make_unique<DisablePro>(DisablePro::Kind::DisableMisc, QStringLiteral("DisableMisc1"), restrictionRecord);
    QLabel* Picture1 = namedLabel(QStringLiteral("Picture1"));
    QLabel* lblDDE = namedLabel(QStringLiteral("lblDDE"));
    // The six controls for the restriction operations; the first call connects the state file.
    RestrictionControls restrictionControls();

private:
    QLabel* namedLabel(const QString& name) {
        auto* l = new QLabel(this);
        l->setObjectName(name);
        l->hide();
        return l;
    }
    bool m_restrictionFileLinked = false;

private:
    App& m_app;
};
