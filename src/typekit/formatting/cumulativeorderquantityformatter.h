#pragma once

#include <typekit/typekit_export.h>

#include <QtCore/QList>
#include <QtCore/QPair>
#include <QtCore/QString>

namespace Trade {

/// The short text of one display cell that sums the quantities of several orders: whole numbers
/// shortened to thousands ("1.5K") and millions ("2M"), fractional ones through the host's
/// formatter, the first total less the second before the first total in parentheses, and a
/// plural "s" unless exactly one order was added.
class TYPEKIT_EXPORT CumulativeOrderQuantityFormatter
{
public:
    CumulativeOrderQuantityFormatter() = default;

    /// The two amounts of one order, in the caller's meaning (the text shows the first total less
    /// the second, then the first total).
    void addOrder(double first, double second);
    QString format() const;

private:
    static QString shortenNumber(int number);
    static QString formatWholeNumbers(int total, int second);
    static QString formatFractionalNumbers(double total, double second);

    QList<QPair<double, double>> m_orders;
};

} // namespace Trade
