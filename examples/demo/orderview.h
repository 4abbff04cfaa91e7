// An order window of the demo: it follows the orders it is subscribed to and writes a line for
// every change it hears.
#pragma once

#include <typekit/order/orderrecord.h>
#include <typekit/record/irecord.h>

#include <QtCore/QObject>
#include <QtCore/QTextStream>

class OrderView : public QObject
{
    Q_OBJECT

public:
    explicit OrderView(QTextStream &out) : m_out(out) {}

public Q_SLOTS:
    // Matched by name to the recordChanged signal of each order the view is subscribed to.
    void slot_recordChanged(Trade::IRecord *record)
    {
        const Trade::OrderRecord order(record->variantRecord());
        m_out << "  view: order " << record->key() << " is now " << order.state().toString() << ", filled "
              << order.filledOptional(Trade::Quantity()).toString() << " (revision " << record->revision() << ")\n";
    }

private:
    QTextStream &m_out;
};
