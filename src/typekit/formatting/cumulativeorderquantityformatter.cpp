#include "cumulativeorderquantityformatter.h"

#include <typekit/formatting/formatter.h>

#include <QtCore/QRegularExpression>

#include <cmath>
#include <limits>
#include <optional>

namespace Trade {

namespace {

// A sum as an int when it is a whole number: within the double's epsilon of one (rounded half
// away from zero) in the int range. None beyond the int range, or for NaN.
std::optional<int> wholeNumber(double value)
{
    const double rounded = std::round(value);
    if (!(rounded >= double(std::numeric_limits<int>::min()) && rounded <= double(std::numeric_limits<int>::max()))
        || std::fabs(value - rounded) > std::numeric_limits<double>::epsilon())
        return std::nullopt;
    return int(rounded);
}

QString withoutTrailingZeros(QString number)
{
    static const QRegularExpression trailingZeros(QStringLiteral("[\\.]?[0]+$"));
    const QRegularExpressionMatch match = trailingZeros.match(number);
    if (match.hasMatch())
        number.remove(match.capturedStart(), match.capturedLength());
    return number;
}

QString formatQuantity(double lots)
{
    const IFormatter *formatter = IFormatter::instance();
    return formatter ? formatter->formatQuantity(lots) : QString();
}

} // namespace

void CumulativeOrderQuantityFormatter::addOrder(double first, double second)
{
    m_orders.append(qMakePair(first, second));
}

QString CumulativeOrderQuantityFormatter::format() const
{
    double total = 0.0;
    double second = 0.0;
    for (const QPair<double, double> &order : m_orders) {
        total += order.first;
        second += order.second;
    }
    const std::optional<int> wholeTotal = wholeNumber(total);
    const std::optional<int> wholeSecond = wholeNumber(second);
    QString text = wholeTotal && wholeSecond ? formatWholeNumbers(*wholeTotal, *wholeSecond)
                                             : formatFractionalNumbers(total, second);
    if (m_orders.size() != 1)
        text += QLatin1Char('s');
    return text;
}

QString CumulativeOrderQuantityFormatter::shortenNumber(int number)
{
    if (number >= 1000000 && number % 1000 == 0) {
        return QStringLiteral("%1M").arg(withoutTrailingZeros(QString::number(number / 1000000.0, 'f', 3)), 0,
                                         QLatin1Char(' '));
    }
    if (number >= 1000 && number % 100 == 0) {
        return QStringLiteral("%1K").arg(withoutTrailingZeros(QString::number(number / 1000.0, 'f', 1)), 0,
                                         QLatin1Char(' '));
    }
    return QString::number(number);
}

QString CumulativeOrderQuantityFormatter::formatWholeNumbers(int total, int second)
{
    if (second == 0)
        return shortenNumber(total);
    // The difference of two ints in range may not be; it is taken in 64 bits and, when it leaves
    // the int range, shown unshortened.
    const qint64 difference = qint64(total) - qint64(second);
    const QString first = difference >= std::numeric_limits<int>::min() && difference <= std::numeric_limits<int>::max()
                              ? shortenNumber(int(difference))
                              : QString::number(difference);
    return QStringLiteral("%1 (%2)").arg(first, shortenNumber(total));
}

QString CumulativeOrderQuantityFormatter::formatFractionalNumbers(double total, double second)
{
    if (second == 0.0)
        return formatQuantity(total);
    return QStringLiteral("%1 (%2)").arg(formatQuantity(total - second), formatQuantity(total));
}

} // namespace Trade
