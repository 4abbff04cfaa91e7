// A plug-in's journal of the orders it sends: each order is kept in a JSON file of its own, read
// back after a restart, and brought up to date with the broker's fills.
#pragma once

#include <typekit/order/orderrecord.h>

#include <QtCore/QDir>

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
