#include "orderjournal.h"

#include <notifierkit/checkedsubscription.h>
#include <typekit/order/orderutils.h>

bool OrderJournal::save(const Trade::OrderRecord &order)
{
    m_error.clear();
    return order.saveJsonFile(path(order.idOptional(QString())), &m_error);
}

Trade::OrderRecord OrderJournal::load(const QString &id)
{
    m_problems.clear();
    return Trade::OrderRecord::loadJsonFile(path(id), Trade::Variant(), &m_problems, Trade::LoadMode::Strict);
}

Trade::OrderRecord OrderJournal::applyFill(const Trade::OrderRecord &order, const Trade::Quantity &filled)
{
    Trade::OrderRecord fill;
    fill.setFilled(filled);
    Trade::OrderRecord updated = order.merge(fill);
    const Trade::Quantity left = remaining(updated);
    updated.setState(left.hasValue() && !left.isPositive()
                         ? Trade::OrderState(Trade::OrderState::Completed, Trade::OrderState::reasonFilled)
                         : Trade::OrderState(Trade::OrderState::Working));
    return updated;
}

Trade::Quantity OrderJournal::remaining(const Trade::OrderRecord &order)
{
    return Trade::OrderUtils::remainingQuantity(order.record(), order.topic());
}

OrderJournalKeeper::OrderJournalKeeper(OrderJournal &journal, Trade::IStorage *orders) : m_journal(journal)
{
    // Named through the interface that declares the signal: the host's storage classes may keep
    // their signals protected.
    Common::subscribe(orders, TRADE_SIGNAL(Trade::IStorage, storageChanged), this,
                      TRADE_SLOT(OrderJournalKeeper, keep));
}

void OrderJournalKeeper::keep(Trade::IStorage::ChangeEvent event, Trade::IRecord *record, Trade::IStorage *storage)
{
    switch (event) {
    case Trade::IStorage::Reset:
        for (Trade::IRecord *order : storage->records())
            save(order);
        break;
    case Trade::IStorage::Added:
    case Trade::IStorage::Updated:
        save(record);
        break;
    case Trade::IStorage::Removed: // the broker's history keeps it; so does the journal
    case Trade::IStorage::AboutToClear:
        break;
    }
}

void OrderJournalKeeper::save(Trade::IRecord *record)
{
    if (record && m_journal.save(Trade::OrderRecord(record->variantRecord())))
        ++m_saved;
    else
        ++m_failed;
}
