#pragma once

#include <typekit/storage/istorage.h>
#include <typekit/storage/storagefilter.h>
#include <typekit/typekit_export.h>
#include <typekit/variant/fieldset.h>

#include <QtCore/QAbstractTableModel>
#include <QtCore/QSortFilterProxyModel>

#include <memory>

namespace Trade {

class StorageTableModelPrivate;

/// A live table over one of the host's storages, for Qt's item views and QML: one row per record
/// that the filter passes (all of them without a filter), in the storage's order, and one column
/// per field. It follows the storage's storageChanged: records that come in are appended, those
/// that go are removed, a reset or a clearing of the storage resets the model, and an update
/// changes the cells whose values changed (one dataChanged per run of adjacent columns), or
/// moves the record in or out when it now passes the filter or no longer does.
///
///     Trade::StorageTableModel model(&orders);                // the topic's fields as columns
///     model.setFilter(Trade::OrderStorageFilter().working(true));
///     Trade::StorageTableSortModel sorted;                     // a QSortFilterProxyModel
///     sorted.setSourceModel(&model);
///     sorted.sort(column);                                     // prices by ticks, enumerations by order
///     view.setModel(&sorted);
///
/// Roles: Qt::DisplayRole is the value's display text (Trade::Variant::toString(), which the
/// host's formatter makes for prices, quantities and profits); Qt::EditRole and ValueRole the
/// Trade::Variant itself; Qt::ToolTipRole the report that showing the value made, where it made
/// one (an enumeration without value, say): the text is asked for with the reports of this
/// thread kept aside, so that repainting a view does not repeat them in the host's log;
/// RecordRole the row's Trade::IRecord*. roleNames()
/// adds one role per column, FieldRole + column, named after the field's id with every character
/// that is no letter, digit or underscore made an underscore ("Order.LimitPrice" is
/// "Order_LimitPrice"): the display text of that field in the row, whatever the index's column,
/// so that a QML delegate binds to fields by name.
///
/// Sorting: Qt's QSortFilterProxyModel orders only Qt's own types and compares any other by its
/// text (so prices as texts, "1000.00" before "99.50"); StorageTableSortModel, a
/// QSortFilterProxyModel, orders the cells' values (its sort role, ValueRole) as their converters
/// do: prices by ticks, quantities by units, enumerations by their order, texts by the locale,
/// empty cells first (Trade::Variant::order()).
///
/// Lifetimes: the model subscribes to the storage through its notifier and lets it go when
/// destroyed. A storage that is a Qt object may be destroyed first: the model empties. Observers
/// of the model may change or delete the storage, or change the model's settings, inside any
/// signal it sends, and delete the model inside the signals that end a change (rowsInserted,
/// rowsRemoved, columnsInserted, dataChanged, modelReset); the storage's announcements meanwhile
/// are taken in, in order, once the signal has returned. (No Qt model can be deleted inside its
/// "about to" signals: Qt's own base class goes on with the model after sending them.)
/// A record is read only while the storage holds it: the values of each row are kept, so the
/// model answers from them and never reads a record after its Removed.
///
/// Costs: an update or a removal finds its row in constant time and compares the columns' values;
/// an added record is looked for among the storage's records from the end (where storages add).
/// With a filter each change asks the storage's passesFilter() for that record.
class TYPEKIT_EXPORT StorageTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Role {
        ValueRole = Qt::UserRole + 1,  ///< the Trade::Variant of the cell (as Qt::EditRole)
        RecordRole,                    ///< the row's Trade::IRecord*
        FieldRole = Qt::UserRole + 256 ///< FieldRole + c: the display text of column c's field in the row
    };
    Q_ENUM(Role)

    /// Over the storage (none: an empty model until setStorage()), with these columns (none given:
    /// the fields of the records' topic).
    explicit StorageTableModel(IStorage *storage = nullptr, const FieldSet &columns = FieldSet(),
                               QObject *parent = nullptr);
    ~StorageTableModel() override;

    IStorage *storage() const;
    /// Follows another storage (null: none); the model resets.
    void setStorage(IStorage *storage);

    /// The columns' fields. Without columns given, the fields of the first record's topic
    /// (Trade::IRecord::topicFields()), taken when the first row comes in.
    FieldSet columns() const;
    /// The model resets; an empty set stands for the topic's fields.
    void setColumns(const FieldSet &columns);

    bool hasFilter() const;
    /// The filter the storage evaluates for the model, or null.
    const StorageFilter *filter() const;
    /// A copy of the filter (of its own class: an order or position storage filter keeps its
    /// properties); the model resets.
    template <typename Filter>
    void setFilter(const Filter &filter)
    {
        static_assert(std::is_base_of_v<StorageFilter, Filter>, "a storage filter");
        setFilterObject(std::make_unique<Filter>(filter));
    }
    void setFilterObject(std::unique_ptr<StorageFilter> filter);
    void clearFilter();

    /// The record shown in the row, or null.
    IRecord *record(int row) const;
    /// The row that shows the record, or -1.
    int rowOf(IRecord *record) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

private Q_SLOTS:
    void slot_storageChanged(Trade::IStorage::ChangeEvent event, Trade::IRecord *record, Trade::IStorage *storage);

private:
    friend class StorageTableModelPrivate;
    std::unique_ptr<StorageTableModelPrivate> d;
};

/// A QSortFilterProxyModel that orders the values of a StorageTableModel (its sort role is
/// StorageTableModel::ValueRole) by Trade::Variant::order(): as their converters order them.
/// Values of another role, or of another model, that are no library values are ordered as
/// QSortFilterProxyModel orders them.
class TYPEKIT_EXPORT StorageTableSortModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit StorageTableSortModel(QObject *parent = nullptr);
    ~StorageTableSortModel() override;

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;
};

} // namespace Trade
