#pragma once

#include <typekit/typekit_export.h>

#include <QtCore/QtGlobal>

class QDebug;

namespace DataApi {

enum CurrencyType : qint32 {
    currencyUnknown = 0,
    currencyUSD = 1,
    currencyEUR = 2,
    currencyGBP = 3,
    currencyJPY = 4,
    currencyCHF = 5,
    currencyCAD = 6,
    currencyAUD = 7,
};

} // namespace DataApi

namespace Trade {

/// The currency a profit is counted in. The host numbers its currencies; the library carries the
/// number and never interprets it.
class Currency
{
public:
    Currency() : m_type(DataApi::CurrencyType(0)) {}
    Currency(DataApi::CurrencyType type) : m_type(type) {}
    DataApi::CurrencyType type() const { return m_type; }
    operator DataApi::CurrencyType() const { return m_type; }
    // No display or saved text: the host names its currencies.

private:
    DataApi::CurrencyType m_type;
};

/// For logs and failing comparisons: Trade::Currency(EUR).
TYPEKIT_EXPORT QDebug operator<<(QDebug debug, const Currency &currency);

} // namespace Trade
