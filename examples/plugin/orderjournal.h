// A plug-in's journal of the orders it sends: each order is kept in a JSON file of its own, read
// back after a restart, and brought up to date with the broker's fills.
#pragma once

#include <typekit/order/orderrecord.h>
#include <typekit/storage/istorage.h>

#include <QtCore/QDir>
#include <QtCore/QObject>

class OrderJournal
{
public:
    explicit OrderJournal(const QString &directory) : m_directory(directory) {}

    // Writes the order to "<id>.json"; false, with the reason in error(), when it cannot.
    bool save(const Trade::OrderRecord &order);
    // The order saved under `id`, or no order (an empty record) when the load met any problem (a
    // symbol or an account that is gone, a field the host does not know, a file that cannot be
    // read): a journal must never bring back an order that is not the one it sent. problems()
    // lists what went wrong, each with the saved form of what did not load.
    Trade::OrderRecord load(const QString &id);

    const QString &error() const { return m_error; }
    const QVector<Trade::LoadProblem> &problems() const { return m_problems; }

    // The order after the broker reported `filled` as its filled quantity: Completed (filled)
    // when nothing remains, else Working.
    static Trade::OrderRecord applyFill(const Trade::OrderRecord &order, const Trade::Quantity &filled);
    // What is left to fill; no value for an order without quantity.
    static Trade::Quantity remaining(const Trade::OrderRecord &order);

private:
    QString path(const QString &id) const { return m_directory.filePath(id + QStringLiteral(".json")); }

    QDir m_directory;
    QString m_error;
    QVector<Trade::LoadProblem> m_problems;
};

// Keeps a journal current with the host's order storage: the orders it holds when the keeper
// starts (the storage greets a new observer with Reset), and every order that comes in or
// changes, are saved again. Wired with the checked subscription: a slot that does not fit the
// storage's signal does not compile. The storage is the host's; the keeper's link to it ends
// with the keeper (the notifier drops the links of an observer that is destroyed).
class OrderJournalKeeper : public QObject
{
    Q_OBJECT

public:
    OrderJournalKeeper(OrderJournal &journal, Trade::IStorage *orders);

    // Orders saved since the keeper started, and those the journal could not write.
    int saved() const { return m_saved; }
    int failed() const { return m_failed; }

private Q_SLOTS:
    void keep(Trade::IStorage::ChangeEvent event, Trade::IRecord *record, Trade::IStorage *storage);

private:
    void save(Trade::IRecord *record);

    OrderJournal &m_journal;
    int m_saved = 0;
    int m_failed = 0;
};
