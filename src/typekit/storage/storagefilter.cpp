#include "storagefilter.h"

#include <basekit/logstream.h>
#include <basekit/nonfatalstreamlogwrapper.h>

namespace Trade {

namespace {
constexpr QStringView unit = u"storage/storagefilter";
} // namespace

Shadow::LogStream &operator<<(Shadow::LogStream &stream, const AffiliationInformation &affiliation)
{
    if (affiliation.document.isEmpty() && affiliation.page.isEmpty())
        return stream << "<empty>";
    return stream << QStringLiteral("[document='%1', page='%2']").arg(affiliation.document, affiliation.page);
}

bool AffiliationInformationFilter::isValid() const
{
    return !m_value.document.isEmpty() || !m_value.page.isEmpty() || m_useAnyAffiliation;
}

StorageFilter::~StorageFilter() = default;

StorageFilter &StorageFilter::type(Type value)
{
    setType(value);
    return *this;
}

ISymbol *StorageFilter::symbol() const
{
    TRADE_ASSERT(hasSymbol(), u"Trade::StorageFilter::symbol", unit, this);
    return m_symbol;
}

void StorageFilter::setSymbol(ISymbol *value)
{
    TRADE_ASSERT(value != 0, u"Trade::StorageFilter::setSymbol", unit, this);
    m_symbol = value;
}

StorageFilter &StorageFilter::symbol(ISymbol *value)
{
    setSymbol(value);
    return *this;
}

const QVector<IAccount *> &StorageFilter::accounts() const
{
    TRADE_ASSERT(hasAccounts(), u"Trade::StorageFilter::accounts", unit, this);
    return m_accounts;
}

void StorageFilter::addAccount(IAccount *value)
{
    TRADE_ASSERT(value != 0, u"Trade::StorageFilter::addAccount", unit, this);
    m_accounts.append(value);
}

void StorageFilter::addAccounts(const QVector<IAccount *> &values)
{
    m_accounts += values;
}

StorageFilter &StorageFilter::account(IAccount *value)
{
    addAccount(value);
    return *this;
}

StorageFilter &StorageFilter::accounts(const QVector<IAccount *> &values)
{
    addAccounts(values);
    return *this;
}

const TradeSide &StorageFilter::side() const
{
    TRADE_ASSERT(hasSide(), u"Trade::StorageFilter::side", unit, this);
    return m_side;
}

void StorageFilter::setSide(const TradeSide &value)
{
    TRADE_ASSERT_AS(TradeSide::Type(value) != 0, u"value != TradeSide::Unknown", u"Trade::StorageFilter::setSide", unit,
                    this);
    m_side = value;
}

StorageFilter &StorageFilter::side(const TradeSide &value)
{
    setSide(value);
    return *this;
}

const AffiliationInformationFilter &StorageFilter::affiliationInformation() const
{
    TRADE_ASSERT(hasAffiliationInformation(), u"Trade::StorageFilter::affiliationInformation", unit, this);
    return m_affiliation;
}

StorageFilter &StorageFilter::affiliationInformation(const AffiliationInformationFilter &value)
{
    setAffiliationInformation(value);
    return *this;
}

} // namespace Trade
