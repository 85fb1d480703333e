#pragma once

#include <QString>

// The normalisation of an allowance typed as hours, minutes and seconds, shared by the user
// editor and the new-user wizard: empty and negative fields become 0, seconds and minutes
// above 60 carry into the next field (60 itself stays), and values below 10 get a leading 0
// ("0", "90", "125" -> "01", "32", "05").
//
// A field holding anything but a whole number cannot be normalised; it is refused with a
// message naming the field, and the fields are left as they are. For an unlimited allowance,
// which the fields do not count for (and whose boxes are disabled), such a field becomes 0.
struct AllowanceCheck {
    bool ok = true;
    QString message; // when !ok
};
AllowanceCheck NormaliseAllowance(QString& hours, QString& minutes, QString& seconds, bool unlimited = false);

// The largest value a field may hold; larger ones are refused.
inline constexpr long long kMaxAllowanceField = 999999999;
