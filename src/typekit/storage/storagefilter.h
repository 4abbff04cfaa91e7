#pragma once

#include <typekit/iaccount.h>
#include <typekit/nullable.h>
#include <typekit/position/tradeside.h>
#include <typekit/symbol/isymbol.h>
#include <typekit/typekit_export.h>

#include <QtCore/QVector>

namespace Shadow {
class LogStream;
}

namespace Trade {

/// The document and page that records are affiliated to; empty texts mean not set.
struct TYPEKIT_EXPORT AffiliationInformation
{
    QString document;
    QString page;

    bool operator==(const AffiliationInformation &other) const
    {
        return document == other.document && page == other.page;
    }
    bool operator!=(const AffiliationInformation &other) const { return !(*this == other); }
};

/// "<empty>" when both texts are empty, else "[document='…', page='…']".
TYPEKIT_EXPORT Shadow::LogStream &operator<<(Shadow::LogStream &stream, const AffiliationInformation &affiliation);

/// The part of a storage filter that selects records by their document and page, or by any
/// affiliation at all.
class TYPEKIT_EXPORT AffiliationInformationFilter
{
public:
    AffiliationInformationFilter() = default;
    AffiliationInformationFilter(const AffiliationInformation &value) : m_value(value) {}

    const AffiliationInformation &value() const { return m_value; }
    void setValue(const AffiliationInformation &value) { m_value = value; }
    bool useAnyAffiliation() const { return m_useAnyAffiliation; }
    void setUseAnyAffiliation(bool use) { m_useAnyAffiliation = use; }
    /// A document, a page, or any affiliation at all.
    bool isValid() const;

private:
    AffiliationInformation m_value;
    bool m_useAnyAffiliation = false;
};

/// The queries with which plug-ins ask the host's order and position storages for records: which
/// kind of records, for which symbol, which accounts, which side, which document and page. A
/// filter is built with chained calls and evaluated by the storage; reading a property that was
/// never set is reported and gives its default.
///
///     Trade::OrderStorageFilter filter;
///     filter.symbol(es).account(account).side(Trade::TradeSide::Long).working(true);
class TYPEKIT_EXPORT StorageFilter
{
public:
    /// The kind of records; the host's storages give the numbers their meaning.
    enum Type : qint32 { Undefined = 0 };

    StorageFilter() = default;
    virtual ~StorageFilter();
    StorageFilter(const StorageFilter &) = default;
    StorageFilter &operator=(const StorageFilter &) = default;

    Type type() const { return m_type; }
    void setType(Type type) { m_type = type; }
    StorageFilter &type(Type value);

    bool hasSymbol() const { return m_symbol != nullptr; }
    ISymbol *symbol() const;
    /// A null symbol is reported, and stored.
    void setSymbol(ISymbol *value);
    StorageFilter &symbol(ISymbol *value);

    bool hasAccounts() const { return !m_accounts.isEmpty(); }
    const QVector<IAccount *> &accounts() const;
    /// Appends, repeats included; a null account is reported, and appended.
    void addAccount(IAccount *value);
    void addAccounts(const QVector<IAccount *> &values);
    StorageFilter &account(IAccount *value);
    StorageFilter &accounts(const QVector<IAccount *> &values);

    bool hasSide() const { return TradeSide::Type(m_side) != 0; }
    const TradeSide &side() const;
    /// Side 0 is reported, and stored.
    void setSide(const TradeSide &value);
    StorageFilter &side(const TradeSide &value);

    bool hasAffiliationInformation() const { return m_affiliation.isValid(); }
    const AffiliationInformationFilter &affiliationInformation() const;
    void setAffiliationInformation(const AffiliationInformationFilter &value) { m_affiliation = value; }
    StorageFilter &affiliationInformation(const AffiliationInformationFilter &value);

    static const int metaTypeId;

private:
    Type m_type = Undefined;
    ISymbol *m_symbol = nullptr;
    QVector<IAccount *> m_accounts;
    TradeSide m_side;
    AffiliationInformationFilter m_affiliation;
};

// The builders of the common part again, returning the derived filter, so that chains keep it.
#define TRADE_STORAGE_FILTER_BUILDERS(Filter)                                                                          \
    Filter &type(Type value)                                                                                           \
    {                                                                                                                  \
        return static_cast<Filter &>(StorageFilter::type(value));                                                      \
    }                                                                                                                  \
    Filter &symbol(ISymbol *value)                                                                                     \
    {                                                                                                                  \
        return static_cast<Filter &>(StorageFilter::symbol(value));                                                    \
    }                                                                                                                  \
    Filter &account(IAccount *value)                                                                                   \
    {                                                                                                                  \
        return static_cast<Filter &>(StorageFilter::account(value));                                                   \
    }                                                                                                                  \
    Filter &accounts(const QVector<IAccount *> &values)                                                                \
    {                                                                                                                  \
        return static_cast<Filter &>(StorageFilter::accounts(values));                                                 \
    }                                                                                                                  \
    Filter &side(const TradeSide &value)                                                                               \
    {                                                                                                                  \
        return static_cast<Filter &>(StorageFilter::side(value));                                                      \
    }                                                                                                                  \
    Filter &affiliationInformation(const AffiliationInformationFilter &value)                                          \
    {                                                                                                                  \
        return static_cast<Filter &>(StorageFilter::affiliationInformation(value));                                    \
    }                                                                                                                  \
    using StorageFilter::type;                                                                                         \
    using StorageFilter::symbol;                                                                                       \
    using StorageFilter::accounts;                                                                                     \
    using StorageFilter::side;                                                                                         \
    using StorageFilter::affiliationInformation;

} // namespace Trade

Q_DECLARE_METATYPE(Trade::StorageFilter)
