// The host's formatter: how quantities, money and percentages read for the user. The host makes
// one at start-up (a subclass sets s_instance) before anything is shown.
#pragma once

#include <typekit/currency.h>
#include <typekit/typekit_export.h>

#include <QtCore/QString>

namespace Trade {

/// The host's formatting of money, quantities and percents, as its users set it up.
class TYPEKIT_EXPORT IFormatter
{
public:
    virtual QString formatMoney(double value, const Currency &currency) const = 0;
    virtual QString formatQuantity(double lots) const = 0;
    virtual QString formatPercent(double value) const = 0;
    virtual ~IFormatter();

    /// The host's formatter; before one is installed this reports and gives null, and the texts
    /// that need it come out empty.
    static IFormatter *instance();

protected:
    static IFormatter *s_instance;
};

} // namespace Trade
