#include "symbol.h"

#include <samplehost/registry_p.h>

#include <basekit/nonfatalstreamlogwrapper.h>

#include <typekit/symbol/symbolcategory.h>
#include <typekit/topic/istandardtopics.h>

#include <QtCore/QLocale>

#include <cmath>

namespace Sample {

namespace {

Registry<Symbol> &symbols()
{
    static Registry<Symbol> s;
    return s;
}

Registry<Account> &accounts()
{
    static Registry<Account> s;
    return s;
}

const int s_symbolConverterId = qRegisterMetaType<SymbolConverter>("Trade::ISymbol*Converter");
const int s_accountConverterId = qRegisterMetaType<AccountConverter>("Trade::IAccount*Converter");

Trade::ISymbolTopic *installedSymbolTopic()
{
    Trade::IStandardTopics *topics = Trade::IStandardTopics::installed();
    return topics ? topics->symbolTopic() : nullptr;
}

} // namespace

Symbol::Symbol(const QString &name, Symbology::KorSymbolType category, int minMovement, int priceScale,
               double pointValue, int lotSize, QObject *parent)
    : QObject(parent), m_topic(installedSymbolTopic())
{
    // The figures live in a record over the host's symbol topic: without it the symbol has none.
    TRADE_ASSERT(m_topic != nullptr, u"Sample::Symbol::Symbol", u"samplehost/symbol", this)
        << "The standard topics are not installed: the symbol has no name and no figures. Name=\"" << name << "\"";
    setFigure(&Trade::ISymbolTopic::nameField, name);
    setFigure(&Trade::ISymbolTopic::categoryField, Trade::SymbolCategory(category));
    setFigure(&Trade::ISymbolTopic::userDefinedMinMovementField, minMovement);
    setFigure(&Trade::ISymbolTopic::userDefinedPriceScaleField, priceScale);
    setFigure(&Trade::ISymbolTopic::userDefinedBigPointValueField, pointValue);
    setFigure(&Trade::ISymbolTopic::lotSizeField, lotSize);
    setFigure(&Trade::ISymbolTopic::priceMultiplierField, 1.0);
    setFigure(&Trade::ISymbolTopic::isResolvedField, true);
    symbols().add(name, this);
}

Symbol::~Symbol()
{
    Q_EMIT disposed(this);
    symbols().remove(this);
}

Symbol *Symbol::byName(const QString &name)
{
    return symbols().find(name);
}

Account::Account(const QString &id) : m_id(id)
{
    accounts().add(id, this);
}

Account::~Account()
{
    accounts().remove(this);
}

Account *Account::byId(const QString &id)
{
    return accounts().find(id);
}

template <typename T>
T Symbol::figure(Trade::IField *(Trade::ISymbolTopic::*field)() const, const T &fallback) const
{
    return m_topic ? m_record.value((m_topic->*field)(), Trade::Variant()).valueOr(fallback) : fallback;
}

template <typename T>
void Symbol::setFigure(Trade::IField *(Trade::ISymbolTopic::*field)() const, const T &value)
{
    if (m_topic)
        m_record.setValue((m_topic->*field)(), Trade::Variant::fromValue(value));
}

QString Symbol::name() const
{
    return figure(&Trade::ISymbolTopic::nameField, QString());
}

void Symbol::setPriceMultiplier(double multiplier)
{
    setFigure(&Trade::ISymbolTopic::priceMultiplierField, multiplier);
}

void Symbol::setMinMovement2(int minMovement2)
{
    setFigure(&Trade::ISymbolTopic::userDefinedMinMovement2Field, minMovement2);
}

void Symbol::setLotSize(int lotSize)
{
    setFigure(&Trade::ISymbolTopic::lotSizeField, lotSize);
}

void Symbol::setResolved(bool resolved)
{
    const bool before = isResolved();
    setFigure(&Trade::ISymbolTopic::isResolvedField, resolved);
    if (isResolved() != before)
        Q_EMIT symbolResolveChanged(this);
}

void Symbol::setBrokerName(const QString &brokerName)
{
    setFigure(&Trade::ISymbolTopic::brokerNameField, brokerName);
}

int Symbol::minMovement() const
{
    return figure(&Trade::ISymbolTopic::userDefinedMinMovementField, 1);
}

int Symbol::priceScale() const
{
    return figure(&Trade::ISymbolTopic::userDefinedPriceScaleField, 1);
}

double Symbol::bigPointValue() const
{
    return figure(&Trade::ISymbolTopic::userDefinedBigPointValueField, 1.0);
}

int Symbol::lotSize() const
{
    return figure(&Trade::ISymbolTopic::lotSizeField, 1);
}

double Symbol::priceMultiplier() const
{
    return figure(&Trade::ISymbolTopic::priceMultiplierField, 1.0);
}

double Symbol::alternateTickSize() const
{
    const int second = figure(&Trade::ISymbolTopic::userDefinedMinMovement2Field, 0);
    return double(second > 0 ? second : minMovement()) / double(priceScale()) / priceMultiplier();
}

bool Symbol::isResolved() const
{
    return figure(&Trade::ISymbolTopic::isResolvedField, false);
}

int Symbol::decimals() const
{
    // The decimals of the tick minMovement / priceScale, counted in integers: the fewest (eight at
    // the most) that make the tick a whole number.
    const qint64 scale = priceScale();
    if (!scale)
        return 0;
    int decimals = 0;
    for (qint64 shifted = minMovement(); decimals < 8 && shifted % scale != 0; shifted *= 10)
        ++decimals;
    return decimals;
}

QString Symbol::formatPrice(double price) const
{
    return QLocale::c().toString(price, 'f', decimals());
}

Common::Nullable<double> Symbol::parsePrice(const QString &text) const
{
    bool isNumber; // set by toDouble()
    const double price = QLocale::c().toDouble(text.trimmed(), &isNumber);
    return isNumber && std::isfinite(price) ? Common::Nullable<double>(price) : Common::Nullable<double>();
}

QString Symbol::formatAveragePrice(double price) const
{
    return QLocale::c().toString(price, 'f', decimals() + 2);
}

QString SymbolKeys::keyOf(const Trade::ISymbol *symbol)
{
    const auto *sample = dynamic_cast<const Symbol *>(symbol);
    return sample ? sample->name() : QString();
}

Trade::ISymbol *SymbolKeys::find(const QString &name, const Trade::Variant &)
{
    return Symbol::byName(name);
}

Trade::ISymbol *SymbolKeys::fallback(const Trade::Variant &context)
{
    return context.valueOr<Trade::ISymbol *>(nullptr);
}

Trade::IAccount *AccountKeys::find(const QString &id, const Trade::Variant &)
{
    return id.isEmpty() ? nullptr : Account::byId(id);
}

} // namespace Sample
