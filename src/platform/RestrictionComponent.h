#pragma once

#include <QString>

class QObject;

// One control of the restriction component: truth-valued members addressed by number
// (dispatch identifier 0x68030000 + n) and a Tag text.
class RestrictionComponent {
public:
    virtual ~RestrictionComponent() = default;
    virtual void setMember(int n, bool on) = 0;
    virtual bool member(int n) const = 0;
    virtual QString tag() const = 0;
    virtual void setTag(const QString& t) = 0;
};

// The four controls of the restriction component as they sit on the controller window, and
// the two other controls whose Tag texts keep saved states while the shell is held.
struct RestrictionControls {
    RestrictionComponent* DisableZ = nullptr;             // DisablePro.Disable
    RestrictionComponent* DisableStartMenu1 = nullptr;    // DisablePro.DisableStartMenu
    RestrictionComponent* DisableControlPanel1 = nullptr; // DisablePro.DisableControlPanel
    RestrictionComponent* DisableMisc1 = nullptr;         // DisablePro.DisableMisc
    QObject* Picture1 = nullptr;                          // its "Tag" property
    QObject* lblDDE = nullptr;                            // its "Tag" property
    bool complete() const {
        return DisableZ && DisableStartMenu1 && DisableControlPanel1 && DisableMisc1 && Picture1 && lblDDE;
    }
};
