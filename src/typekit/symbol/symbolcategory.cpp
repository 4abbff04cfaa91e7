#include "symbolcategory.h"

#include <basekit/ihost.h>

#include <QtCore/QMap>
#include <QtCore/QCoreApplication>

namespace Trade {

namespace {

constexpr QStringView unit = u"symbol/symbolcategory";

const QMap<int, QString> &names()
{
    // Kept for the life of the process: reports and texts may be asked for while objects that
    // outlive this library's statics are destroyed.
    static const QMap<int, QString> &map = *new QMap<int, QString>{
        {0, QCoreApplication::translate("Trade::SymbolCategory", "Undefined")},
        {1, QCoreApplication::translate("Trade::SymbolCategory", "Bond")},
        {2, QCoreApplication::translate("Trade::SymbolCategory", "Forex")},
        {3, QCoreApplication::translate("Trade::SymbolCategory", "Future")},
        {4, QCoreApplication::translate("Trade::SymbolCategory", "Future Continuous")},
        {5, QCoreApplication::translate("Trade::SymbolCategory", "Future Continuous")},
        {6, QCoreApplication::translate("Trade::SymbolCategory", "Future Forward")},
        {7, QCoreApplication::translate("Trade::SymbolCategory", "Future Option")},
        {9, QCoreApplication::translate("Trade::SymbolCategory", "Future Spot")},
        {10, QCoreApplication::translate("Trade::SymbolCategory", "Spread")},
        {13, QCoreApplication::translate("Trade::SymbolCategory", "Index")},
        {14, QCoreApplication::translate("Trade::SymbolCategory", "Stock")},
        {15, QCoreApplication::translate("Trade::SymbolCategory", "Stock Option")},
        {17, QCoreApplication::translate("Trade::SymbolCategory", "User-Defined Spread")},
        {18, QCoreApplication::translate("Trade::SymbolCategory", "Mutual Fund")},
        {19, QCoreApplication::translate("Trade::SymbolCategory", "Money Fund")},
    };
    return map;
}

const QMap<int, QString> &pluralNames()
{
    // Kept for the life of the process: reports and texts may be asked for while objects that
    // outlive this library's statics are destroyed.
    static const QMap<int, QString> &map = *new QMap<int, QString>{
        {1, QCoreApplication::translate("Trade::SymbolCategory", "Bonds")},
        {2, QCoreApplication::translate("Trade::SymbolCategory", "Forex")},
        {3, QCoreApplication::translate("Trade::SymbolCategory", "Futures")},
        {4, QCoreApplication::translate("Trade::SymbolCategory", "Future Continuous'")},
        {5, QCoreApplication::translate("Trade::SymbolCategory", "Future Continuous'")},
        {6, QCoreApplication::translate("Trade::SymbolCategory", "Future Forwards")},
        {7, QCoreApplication::translate("Trade::SymbolCategory", "Future Options")},
        {9, QCoreApplication::translate("Trade::SymbolCategory", "Future Spot")},
        {10, QCoreApplication::translate("Trade::SymbolCategory", "Spreads")},
        {13, QCoreApplication::translate("Trade::SymbolCategory", "Indexes")},
        {14, QCoreApplication::translate("Trade::SymbolCategory", "Stocks")},
        {15, QCoreApplication::translate("Trade::SymbolCategory", "Stock Options")},
        {17, QCoreApplication::translate("Trade::SymbolCategory", "User-Defined Spreads")},
        {18, QCoreApplication::translate("Trade::SymbolCategory", "Mutual Funds")},
        {19, QCoreApplication::translate("Trade::SymbolCategory", "Money Funds")},
    };
    return map;
}

Domain domainOf(std::initializer_list<int> categories)
{
    Domain domain;
    for (int category : categories)
        domain << Variant::fromValue(SymbolCategory(Symbology::KorSymbolType(category)));
    return domain;
}

SymbolCategory resolve(const QString &name, int hopsLeft)
{
    const Symbology::KorSymbolType type = Symbology::KorSymbol::typeOf(name.toStdString());
    switch (type) {
    case Symbology::symbolTypeFutureContinuous:
    case Symbology::symbolTypeFutureContinuousAdjusted:
    case Symbology::symbolTypeFutureForward:
    case Symbology::symbolTypeFutureSpot:
        return Symbology::symbolTypeFuture;
    case Symbology::symbolTypeDictionary: {
        ISymbolDictionary &dictionary = IHost::instance()->symbolDictionary();
        const QByteArray key = name.toUtf8();
        if (hopsLeft == 0 || !dictionary.contains(key))
            return Symbology::symbolTypeUndefined;
        return resolve(QString::fromUtf8(dictionary.entry(key).underlyingName), hopsLeft - 1);
    }
    default:
        return type;
    }
}

} // namespace

QString SymbolCategory::toString() const
{
    return QVariant(int(m_type)).toString();
}

SymbolCategory SymbolCategory::fromString(const QString &text)
{
    bool ok = false;
    const int number = text.toInt(&ok, 10);
    return Symbology::KorSymbolType(ok ? number : 0);
}

bool SymbolCategory::isValid() const
{
    return m_type != Symbology::symbolTypeUndefined && names().contains(m_type);
}

QString SymbolCategory::name() const
{
    if (!isValid()) {
        TRADE_ASSERT(false && "unexpected category", u"Trade::SymbolCategory::name", unit, this);
    }
    return names().value(m_type);
}

QString SymbolCategory::pluralName() const
{
    if (!isValid()) {
        TRADE_ASSERT(false && "unexpected category", u"Trade::SymbolCategory::pluralName", unit, this);
    }
    return pluralNames().value(m_type);
}

bool SymbolCategory::canRoll() const
{
    return (m_type >= Symbology::symbolTypeFuture && m_type <= Symbology::symbolTypeFutureForward)
           || m_type == Symbology::symbolTypeFutureSpot;
}

bool SymbolCategory::isTradeble() const
{
    return isValid() && tradeDomain().contains(Variant::fromValue(*this));
}

Domain SymbolCategory::domain()
{
    static const Domain &all = *new Domain(domainOf({1, 2, 3, 4, 5, 6, 7, 9, 10, 13, 14, 15, 17, 18, 19}));
    return all;
}

Domain SymbolCategory::tradeDomain()
{
    static const Domain &tradeable = *new Domain(domainOf({1, 2, 3, 10, 7, 14, 15, 18, 19, 17}));
    return tradeable;
}

SymbolCategory SymbolCategory::fromSymbolName(const QString &name)
{
    return resolve(name, maxDictionaryHops);
}

} // namespace Trade
