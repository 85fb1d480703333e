#pragma once

#include <QString>

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
