// The numbers of saved values. Saved forms come from users' files: a text that reads as infinity
// or NaN, or as a number beyond the range of a double, is no number, so that a loaded value always
// equals itself and saves as it was read.
#pragma once

#include <QtCore/QString>

#include <cmath>

namespace Trade {
namespace detail {

// The text's finite number, stored in `number`; false (and `number` untouched) for any other text.
inline bool readSavedNumber(const QString &text, double *number)
{
    bool ok = false;
    const double read = text.toDouble(&ok);
    if (!ok || !std::isfinite(read))
        return false;
    *number = read;
    return true;
}

} // namespace detail
} // namespace Trade
