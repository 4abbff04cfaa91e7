#pragma once

#include <samplehost/storage.h>

#include <typekit/order/orderrecord.h>
#include <typekit/topic/iordertopic.h>

namespace Sample {

/// The sample host's order storage: order records keyed by their order id, over the installed
/// order topic, and the evaluation of order storage filters.
///
///     Sample::OrderStorage orders;
///     Sample::Record *stored = orders.addOrder(order);       // Added
///     orders.updateOrder(brokerUpdate);                       // merged into the stored order: Updated
///     const auto working = orders.select(Trade::OrderStorageFilter().symbol(&es).working(true));
///
/// A filter is met when every property it sets is met: the symbol, one of the accounts, the side
/// (buy and buy-to-cover orders are long, the others short), working (the order is active: queued,
/// placing, working, updating, canceling or virtual) and can-cancel (active and not already
/// canceling). The filter's type and affiliation are not evaluated: the sample orders have none.
class SAMPLEHOST_EXPORT OrderStorage : public Storage
{
    Q_OBJECT

public:
    /// Over the installed standard topics' order topic.
    explicit OrderStorage(QObject *parent = nullptr);

    /// A record of the order, keyed by its id, added to the storage.
    Record *addOrder(const Trade::OrderRecord &order);
    /// Merges the update into the stored order of the same id; null when there is none.
    Record *updateOrder(const Trade::OrderRecord &update);
    /// The stored order of that id as a typed record (empty when there is none).
    Trade::OrderRecord order(const QString &id) const;

protected:
    bool accepts(const Record *record, const Trade::StorageFilter &filter) const override;

private:
    Trade::IOrderTopic *m_topic;
};

} // namespace Sample
