// A plug-in's panel of the orders it has working, highest price first: a live table over the
// host's order storage, for the plug-in's own view (a QTableView, a QML TableView, or the text
// line it shows in the host's status bar). It needs Qt Core only: the widgets are the view's.
#pragma once

#include <typekit/storage/storagetablemodel.h>

#include <QtCore/QObject>

class WorkingOrders : public QObject
{
    Q_OBJECT

public:
    enum Column { IdColumn, ActionColumn, LimitPriceColumn, QuantityColumn };

    // Over the host's order storage; the storage stays the host's. The rows follow it: an order
    // that is filled or cancelled leaves, one that comes in takes its place by price.
    explicit WorkingOrders(Trade::IStorage *orders, QObject *parent = nullptr);

    // What a view shows: the working orders sorted by limit price, highest first.
    QAbstractItemModel *model() { return &m_sorted; }
    // "3 working: Sell 1 @ 5031.50, ...", in the model's order; "No working orders" when none.
    QString summary() const;

private:
    Trade::StorageTableModel m_orders;
    Trade::StorageTableSortModel m_sorted;
};
