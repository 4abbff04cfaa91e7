#include "symbolcategory.h"

#include <basekit/ihost.h>

#include <QtCore/QMap>
#include <QtCore/QObject>

namespace Trade {

namespace {

constexpr QStringView unit = u"symbol/symbolcategory";

const QMap<int, QString> &names()
{
    // Kept for the life of the process: reports and texts may be asked for while objects that
    // outlive this library's statics are destroyed.
    static const QMap<int, QString> &map = *new QMap<int, QString>{
        {0, QObject::tr("Undefined")},
        {1, QObject::tr("Bond")},
        {2, QObject::tr("Forex")},
        {3, QObject::tr("Future")},
        {4, QObject::tr("Future Continuous")},
        {5, QObject::tr("Future Continuous")},
        {6, QObject::tr("Future Forward")},
        {7, QObject::tr("Future Option")},
        {9, QObject::tr("Future Spot")},
        {10, QObject::tr("Spread")},
        {13, QObject::tr("Index")},
        {14, QObject::tr("Stock")},
        {15, QObject::tr("Stock Option")},
        {17, QObject::tr("User-Defined Spread")},
        {18, QObject::tr("Mutual Fund")},
        {19, QObject::tr("Money Fund")},
    };
    return map;
}

const QMap<int, QString> &pluralNames()
{
    // Kept for the life of the process: reports and texts may be asked for while objects that
    // outlive this library's statics are destroyed.
    static const QMap<int, QString> &map = *new QMap<int, QString>{
        {1, QObject::tr("Bonds")},
        {2, QObject::tr("Forex")},
        {3, QObject::tr("Futures")},
        {4, QObject::tr("Future Continuous'")},
        {5, QObject::tr("Future Continuous'")},
        {6, QObject::tr("Future Forwards")},
        {7, QObject::tr("Future Options")},
        {9, QObject::tr("Future Spot")},
        {10, QObject::tr("Spreads")},
        {13, QObject::tr("Indexes")},
        {14, QObject::tr("Stocks")},
        {15, QObject::tr("Stock Options")},
        {17, QObject::tr("User-Defined Spreads")},
        {18, QObject::tr("Mutual Funds")},
        {19, QObject::tr("Money Funds")},
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
        TRADE_ASSERT(false && "unexpected category", u"Trade::SymbolCategory::name", unit,
                     this);
    }
    return names().value(m_type);
}

QString SymbolCategory::pluralName() const
{
    if (!isValid()) {
        TRADE_ASSERT(false && "unexpected category", u"Trade::SymbolCategory::pluralName", unit,
                     this);
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
