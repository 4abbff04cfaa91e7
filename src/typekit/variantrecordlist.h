#pragma once

#include <typekit/typekit_export.h>
#include <typekit/variant/variantrecord.h>

#include <QtCore/QVector>

namespace Trade {

class IStorage;

/// An ordered list of records, for records that hold other records (the legs of a spread symbol).
/// It travels in one field of a record, compares, saves and loads.
class TYPEKIT_EXPORT VariantRecordList : public QVector<VariantRecord>
{
public:
    using QVector<VariantRecord>::QVector;
    VariantRecordList() = default;
    /// A copy of the entries of each record of the storage, in the storage's order (an empty
    /// record for a null one, so that indices match). A null storage is reported and gives an
    /// empty list.
    explicit VariantRecordList(const IStorage *storage);

    /// The saved form: a container of the records' saved forms, empty records left out.
    Dump dump() const;
};

/// Lists travel in variants, compare for equality (not order), save their non-empty records and
/// load every saved item back (an item that does not load as a record is an empty record; saving
/// it again leaves it out).
class TYPEKIT_EXPORT VariantRecordListConverter : public StubConverterImpl
{
public:
    Variant fromVariant(const Variant &value, const Variant &context) override;
    Variant toVariant(const Variant &value) override;
    /// 0 for equal lists or two empty variants; otherwise 1 or -1, never an order.
    int compare(const Variant &left, const Variant &right) const override;
    Dump save(const Variant &value) override;
    Variant load(const Dump &dump, const Variant &context) override;

    static const int metaTypeId;
};

} // namespace Trade

Q_DECLARE_METATYPE(Trade::VariantRecordList)
