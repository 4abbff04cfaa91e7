#pragma once

#include <typekit/typekit_export.h>

#include <basekit/iconverter.h>

#include <QtCore/QMetaType>
#include <QtCore/QVector>

namespace Trade {

class ISymbol;
class OrderRecord;

/// The per-leg details of a spread order: one order record per leg symbol, kept in the spread
/// order's own spread-legs field. Copies share the orders until one of them changes.
class TYPEKIT_EXPORT SpreadLegsOrderInfo
{
public:
    SpreadLegsOrderInfo() = default;
    SpreadLegsOrderInfo(const SpreadLegsOrderInfo &other);
    SpreadLegsOrderInfo &operator=(const SpreadLegsOrderInfo &other);
    ~SpreadLegsOrderInfo();

    /// No storage, or a storage without orders.
    bool isEmpty() const;
    void clear();
    void append(const OrderRecord &order);
    /// The orders; asking makes the storage when there is none. The range stays valid until this
    /// info changes (copies keep the orders they share).
    const OrderRecord *begin() const;
    const OrderRecord *end() const;

    /// The order of a leg symbol, or one shared order without entries.
    const OrderRecord &orderInfoBySymbol(const ISymbol *symbol) const;
    /// The order of a leg symbol, created (with that symbol) when there is none. A null symbol
    /// names no leg: it is reported, and the first order without a symbol is given (created
    /// when there is none), so that the lookup always ends.
    OrderRecord &orderInfoBySymbol(ISymbol *symbol);

    /// Both without storage, or the same orders in the same places. A storage without orders is
    /// not the same as none.
    bool operator==(const SpreadLegsOrderInfo &other) const;
    bool operator!=(const SpreadLegsOrderInfo &other) const { return !(*this == other); }

private:
    friend class SpreadLegsOrderInfoConverter;
    QVector<OrderRecord> &storage() const;

    mutable QVector<OrderRecord> *m_orders = nullptr;
};

/// Lets the per-leg orders travel in saved order records. An info without storage is saved as an
/// atom with an empty text; one with storage as a container of the orders' saved records, in order.
/// Each order loads back through the record converter with the load's context, so the legs'
/// symbols and accounts are found again through the host's converters, as those of the spread
/// order are. Values compare equal or not (0 or 1); the text is the number of legs.
class TYPEKIT_EXPORT SpreadLegsOrderInfoConverter : public StubConverterImpl
{
public:
    TRADE_CONVERTER_OPERATIONS

private:
    static const int metaTypeId;
};

} // namespace Trade

Q_DECLARE_METATYPE(Trade::SpreadLegsOrderInfo)
