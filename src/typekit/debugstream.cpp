// Debug streaming of the value types, the enumeration classes and the records, in the manner of
// Qt's own types: "Trade::Price(5012.25 on ESZ26)", "Trade::OrderAction(Buy)".
//
// Streaming reads only what a value holds. It makes no report, asks no display text (a display
// text is translated once and kept, so streaming a value before the host installs its translator
// would fix the untranslated text) and does not go through the host's formatter. Enumerations
// stream by their enumerators' names, taken from the classes' meta-data; a value without an
// enumerator streams as its number.

#include <typekit/averageprice.h>
#include <typekit/connection/connectionstate.h>
#include <typekit/currency.h>
#include <typekit/eventsource.h>
#include <typekit/iaccount.h>
#include <typekit/invocationtype.h>
#include <typekit/log/logcategory.h>
#include <typekit/mms/exitstrategy/exitstrategylevel.h>
#include <typekit/mms/exitstrategy/pyramid.h>
#include <typekit/mms/stopstrategy/stopstrategylevel.h>
#include <typekit/nullable.h>
#include <typekit/order/bracketcategory.h>
#include <typekit/order/orderaction.h>
#include <typekit/order/ordercategory.h>
#include <typekit/order/orderexpiry.h>
#include <typekit/order/orderrecord.h>
#include <typekit/order/orderstate.h>
#include <typekit/percent.h>
#include <typekit/position/tradeside.h>
#include <typekit/price.h>
#include <typekit/pricelevels.h>
#include <typekit/profit.h>
#include <typekit/quantity.h>
#include <typekit/rational.h>
#include <typekit/symbol/symbolcategory.h>
#include <typekit/symbol/symbolrecord.h>
#include <typekit/variant/variantrecord.h>
#include <typekit/version.h>

#include <QtCore/QDebug>
#include <QtCore/QMetaEnum>

#include <algorithm>
#include <utility>

namespace Trade {

namespace {

// Writes "Name(", what `body` writes, then ")", without spaces between; the stream's own settings
// come back afterwards.
template <typename Body>
QDebug streamed(QDebug debug, const char *name, Body &&body)
{
    const QDebugStateSaver saver(debug);
    debug.nospace() << name << '(';
    body(debug);
    debug << ')';
    return debug;
}

// The name of an enumerator as its class's meta-data spells it (Q_ENUM in the class), so that an
// enumerator added to a class streams by its name without a list here to keep up; `prefix` is what
// the enumeration writes before every name ("reasonFilled" streams as "Filled"). Null for a value
// without an enumerator.
template <typename Enum>
const char *enumeratorName(Enum value, const char *prefix = "")
{
    const char *key = QMetaEnum::fromType<Enum>().valueToKey(int(value));
    if (!key)
        return nullptr;
    const std::size_t length = qstrlen(prefix);
    return qstrncmp(key, prefix, length) == 0 ? key + length : key;
}

// The symbol classification sits below Qt and the host numbers its currencies, so these two
// enumerations have no meta-data: their names are here, one case per enumerator and no default,
// so that the compiler's switch warning (an error in the builds that tests run) names an
// enumerator added without a name.
const char *enumeratorName(Symbology::KorSymbolType type)
{
    switch (type) {
    case Symbology::symbolTypeUndefined:
        return "Undefined";
    case Symbology::symbolTypeBond:
        return "Bond";
    case Symbology::symbolTypeForex:
        return "Forex";
    case Symbology::symbolTypeFuture:
        return "Future";
    case Symbology::symbolTypeFutureContinuous:
        return "FutureContinuous";
    case Symbology::symbolTypeFutureContinuousAdjusted:
        return "FutureContinuousAdjusted";
    case Symbology::symbolTypeFutureForward:
        return "FutureForward";
    case Symbology::symbolTypeFutureOption:
        return "FutureOption";
    case Symbology::symbolTypeFutureSpot:
        return "FutureSpot";
    case Symbology::symbolTypeSpread:
        return "Spread";
    case Symbology::symbolTypeIndex:
        return "Index";
    case Symbology::symbolTypeStock:
        return "Stock";
    case Symbology::symbolTypeStockOption:
        return "StockOption";
    case Symbology::symbolTypeUserDefinedSpread:
        return "UserDefinedSpread";
    case Symbology::symbolTypeMutualFund:
        return "MutualFund";
    case Symbology::symbolTypeMoneyFund:
        return "MoneyFund";
    case Symbology::symbolTypeDictionary:
        return "Dictionary";
    }
    return nullptr;
}

// The currency's code; none for currencyUnknown, which streams as its number.
const char *enumeratorName(DataApi::CurrencyType currency)
{
    switch (currency) {
    case DataApi::currencyUnknown:
        return nullptr;
    case DataApi::currencyUSD:
        return "USD";
    case DataApi::currencyEUR:
        return "EUR";
    case DataApi::currencyGBP:
        return "GBP";
    case DataApi::currencyJPY:
        return "JPY";
    case DataApi::currencyCHF:
        return "CHF";
    case DataApi::currencyCAD:
        return "CAD";
    case DataApi::currencyAUD:
        return "AUD";
    }
    return nullptr;
}

// The name, or the number of a value without one.
void writeEnumerator(QDebug &debug, const char *name, qint64 value)
{
    if (name)
        debug << name;
    else
        debug << value;
}

template <typename Enum>
QDebug streamedEnumerator(QDebug debug, const char *className, Enum value)
{
    return streamed(std::move(debug), className,
                    [&](QDebug &out) { writeEnumerator(out, enumeratorName(value), value); });
}

// The shortest text that reads back as the same double.
void writeNumber(QDebug &debug, double value)
{
    debug << QByteArray::number(value, 'g', QLocale::FloatingPointShortest).constData();
}

void writeAmount(QDebug &debug, bool hasValue, double value)
{
    if (hasValue)
        writeNumber(debug, value);
    else
        debug << "no value";
}

void writeText(QDebug &debug, const QString &text)
{
    debug << text.toUtf8().constData();
}

// " on NAME" for a symbol, nothing without one.
void writeSymbol(QDebug &debug, const ISymbol *symbol)
{
    if (symbol) {
        debug << " on ";
        writeText(debug, symbol->name());
    }
}

template <typename T>
bool writePointer(QDebug &debug, const QVariant &value)
{
    if (value.metaType() != QMetaType::fromType<T *>())
        return false;
    debug << *static_cast<T *const *>(value.constData());
    return true;
}

// A held value by its own streaming operator (Qt's meta-types keep none for pointers: symbols and
// accounts are asked for here); Qt's text of the variant for a type without one.
void writeHeld(QDebug &debug, const QVariant &value)
{
    if (writePointer<ISymbol>(debug, value) || writePointer<IAccount>(debug, value))
        return;
    QMetaType type = value.metaType();
    if (value.isValid() && type.hasRegisteredDebugStreamOperator())
        type.debugStream(debug, value.constData());
    else
        debug << value;
}

// The entries in the order of their fields' identifiers, "identifier: value".
QDebug streamedRecord(QDebug debug, const char *name, const VariantRecord &record)
{
    QList<IField *> fields = record.fields();
    std::sort(fields.begin(), fields.end(), [](IField *a, IField *b) { return a->id() < b->id(); });
    return streamed(std::move(debug), name, [&](QDebug &out) {
        const char *separator = "";
        for (IField *field : fields) {
            out << separator;
            writeText(out, field->id());
            out << ": ";
            writeHeld(out, *record.stored(field));
            separator = ", ";
        }
    });
}

template <typename List>
QDebug streamedList(QDebug debug, const char *name, const List &items)
{
    return streamed(std::move(debug), name, [&](QDebug &out) {
        const char *separator = "";
        for (const auto &item : items) {
            out << separator << item;
            separator = ", ";
        }
    });
}

} // namespace

QDebug operator<<(QDebug debug, const OrderAction &action)
{
    return streamedEnumerator(std::move(debug), "Trade::OrderAction", action.type());
}

QDebug operator<<(QDebug debug, const OrderCategory &category)
{
    return streamedEnumerator(std::move(debug), "Trade::OrderCategory", category.type());
}

QDebug operator<<(QDebug debug, const OrderExpiry &expiry)
{
    return streamedEnumerator(std::move(debug), "Trade::OrderExpiry", expiry.type());
}

QDebug operator<<(QDebug debug, const BracketCategory &category)
{
    return streamedEnumerator(std::move(debug), "Trade::BracketCategory", category.type());
}

QDebug operator<<(QDebug debug, const TradeSide &side)
{
    return streamedEnumerator(std::move(debug), "Trade::TradeSide", side.type());
}

QDebug operator<<(QDebug debug, const ConnectionState &state)
{
    return streamedEnumerator(std::move(debug), "Trade::ConnectionState", state.type());
}

QDebug operator<<(QDebug debug, const SymbolCategory &category)
{
    return streamedEnumerator(std::move(debug), "Trade::SymbolCategory", category.type());
}

QDebug operator<<(QDebug debug, const LogCategory &category)
{
    return streamedEnumerator(std::move(debug), "Trade::LogCategory", category.type());
}

QDebug operator<<(QDebug debug, const Pyramid &pyramid)
{
    return streamedEnumerator(std::move(debug), "Trade::Pyramid", pyramid.type());
}

// "Trade::OrderState(Completed, Filled)"; the reason only when there is one.
QDebug operator<<(QDebug debug, const OrderState &state)
{
    return streamed(std::move(debug), "Trade::OrderState", [&](QDebug &out) {
        writeEnumerator(out, enumeratorName(state.type()), state.type());
        if (state.reason() != OrderState::reasonUnknown) {
            out << ", ";
            writeEnumerator(out, enumeratorName(state.reason(), "reason"), state.reason());
        }
    });
}

// "Trade::EventSource(Chart, MouseLeftClick, logged)"; the gesture and the flag when set.
QDebug operator<<(QDebug debug, const EventSource &source)
{
    return streamed(std::move(debug), "Trade::EventSource", [&](QDebug &out) {
        writeEnumerator(out, enumeratorName(source.type()), source.type());
        if (source.invocation().code() != 0) {
            out << ", ";
            writeEnumerator(out, enumeratorName(source.invocation().type()), source.invocation().code());
        }
        if (source.isLogged())
            out << ", logged";
    });
}

// "Trade::EventReason(CancelOrder)", or the free text: "Trade::EventReason("my reason")".
QDebug operator<<(QDebug debug, const EventReason &reason)
{
    return streamed(std::move(debug), "Trade::EventReason", [&](QDebug &out) {
        if (reason.type() == 0)
            out << reason.toString();
        else
            writeEnumerator(out, enumeratorName(reason.type()), reason.type());
    });
}

QDebug operator<<(QDebug debug, const Currency &currency)
{
    return streamedEnumerator(std::move(debug), "Trade::Currency", currency.type());
}

// The price users see on a valid symbol, else the stored number.
QDebug operator<<(QDebug debug, const Price &price)
{
    return streamed(std::move(debug), "Trade::Price", [&](QDebug &out) {
        writeAmount(out, price.hasValue(),
                    price.isValid()    ? price.value()
                    : price.hasValue() ? price.rawNonScaledValue()
                                       : 0.0);
        writeSymbol(out, price.hasSymbol() ? price.symbol() : nullptr);
    });
}

// The units.
QDebug operator<<(QDebug debug, const Quantity &quantity)
{
    return streamed(std::move(debug), "Trade::Quantity", [&](QDebug &out) {
        writeAmount(out, quantity.hasValue(), quantity.hasValue() ? quantity.value() : 0.0);
        writeSymbol(out, quantity.isValid() ? quantity.symbol() : nullptr);
    });
}

// The money and its currency, when it has one.
QDebug operator<<(QDebug debug, const Profit &profit)
{
    return streamed(std::move(debug), "Trade::Profit", [&](QDebug &out) {
        writeAmount(out, profit.hasValue(), profit.hasValue() ? profit.money() : 0.0);
        if (const char *code = enumeratorName(DataApi::CurrencyType(profit.currency())))
            out << ' ' << code;
        writeSymbol(out, profit.hasSymbol() ? profit.symbol() : nullptr);
    });
}

// The price users see (the stored number times the symbol's multiplier, which is 1 without one).
QDebug operator<<(QDebug debug, const AveragePrice &price)
{
    return streamed(std::move(debug), "Trade::AveragePrice", [&](QDebug &out) {
        writeAmount(out, price.m_hasValue, price.multiplier() * price.m_value);
        writeSymbol(out, price.m_symbol);
    });
}

QDebug operator<<(QDebug debug, const Percent &percent)
{
    return streamed(std::move(debug), "Trade::Percent", [&](QDebug &out) {
        writeAmount(out, percent.hasValue(), percent);
        if (percent.hasValue())
            out << '%';
    });
}

QDebug operator<<(QDebug debug, const Rational &rational)
{
    return streamed(std::move(debug), "Trade::Rational", [&](QDebug &out) {
        writeAmount(out, rational.numerator().hasValue(), rational.numerator());
        out << " / ";
        writeAmount(out, rational.denominator().hasValue(), rational.denominator());
    });
}

QDebug operator<<(QDebug debug, const Version &version)
{
    return streamed(std::move(debug), "Trade::Version", [&](QDebug &out) {
        if (version.isValid())
            writeText(out, version.toString(QStringLiteral(".")));
        else
            out << "invalid";
    });
}

QDebug operator<<(QDebug debug, const PriceLevels &levels)
{
    return streamed(std::move(debug), "Trade::PriceLevels", [&](QDebug &out) {
        out << levels.firstPrice << ", " << levels.secondPrice;
        if (levels.flag)
            out << ", flag";
    });
}

QDebug operator<<(QDebug debug, const ExitStrategyLevel &level)
{
    return streamed(std::move(debug), "Trade::ExitStrategyLevel", [&](QDebug &out) {
        out << "quantity: " << level.m_quantity << ", profit: " << level.m_profit << ", stop: " << level.m_stop;
        if (level.m_stopStrategy)
            out << ", stop strategy: " << static_cast<const void *>(level.m_stopStrategy);
    });
}

QDebug operator<<(QDebug debug, const ExitStrategyLevels &levels)
{
    return streamedList(std::move(debug), "Trade::ExitStrategyLevels", levels);
}

QDebug operator<<(QDebug debug, const StopStrategyLevel &level)
{
    return streamed(std::move(debug), "Trade::StopStrategyLevel", [&](QDebug &out) {
        writeEnumerator(out, enumeratorName(level.m_type, "type"), level.m_type);
        out << ", frequency: " << level.m_frequency << ", trigger: " << level.m_trigger << ", stop: " << level.m_stop;
    });
}

QDebug operator<<(QDebug debug, const StopStrategyLevels &levels)
{
    return streamedList(std::move(debug), "Trade::StopStrategyLevels", levels);
}

QDebug operator<<(QDebug debug, const VariantRecord &record)
{
    return streamedRecord(std::move(debug), "Trade::VariantRecord", record);
}

QDebug operator<<(QDebug debug, const OrderRecord &order)
{
    return streamedRecord(std::move(debug), "Trade::OrderRecord", order.record());
}

QDebug operator<<(QDebug debug, const SymbolRecord &symbol)
{
    return streamedRecord(std::move(debug), "Trade::SymbolRecord", symbol.record());
}

QDebug operator<<(QDebug debug, const ISymbol *symbol)
{
    return streamed(std::move(debug), "Trade::ISymbol", [&](QDebug &out) {
        if (symbol)
            writeText(out, symbol->name());
        else
            out << static_cast<const void *>(nullptr);
    });
}

QDebug operator<<(QDebug debug, const IAccount *account)
{
    return streamed(std::move(debug), "Trade::IAccount", [&](QDebug &out) {
        if (account)
            writeText(out, account->id());
        else
            out << static_cast<const void *>(nullptr);
    });
}

} // namespace Trade

namespace Common {

QDebug operator<<(QDebug debug, const InvocationType &invocation)
{
    return Trade::streamedEnumerator(std::move(debug), "Common::InvocationType", invocation.type());
}

QDebug operator<<(QDebug debug, const Nullable<double> &value)
{
    return Trade::streamed(std::move(debug), "Common::Nullable",
                           [&](QDebug &out) { Trade::writeAmount(out, value.hasValue(), value); });
}

} // namespace Common
