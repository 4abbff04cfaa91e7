// A picture of the host's order window: the sample order storage in a QTableView through the
// live table model, sorted by limit price through the model's sorting proxy. After the picture's
// orders are in, one is filled and one more comes in, and the table follows. It draws offscreen,
// so it needs no display, and writes a PNG:
//
//     build/examples/ordertable [picture.png]      (ordertable.png by default)
#include <samplehost/market.h>
#include <typekit/storage/storagetablemodel.h>

#include <QtGui/QFontDatabase>
#include <QtWidgets/QApplication>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QTableView>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("ordertable.png");
    if (QFontDatabase::families().isEmpty()) {
        std::fprintf(stderr, "No fonts: the picture would have no text (Debian: apt-get install fonts-dejavu-core)\n");
        return 1;
    }

    Sample::Market market; // the host: its formatter, topics, ESZ26, the account SIM-1 and its orders
    Sample::Symbol &es = market.es;
    Sample::OrderStorage &orders = market.orders;
    const Sample::OrderTopic &topic = market.topics.order();

    const auto send = [&](const char *id, Trade::OrderAction::Type action, const char *price, int lots) {
        Trade::OrderRecord order;
        order.setId(QString::fromLatin1(id));
        order.setSymbol(&es);
        order.setAccount(&market.account);
        order.setAction(action);
        order.setCategory(Trade::OrderCategory::Limit);
        order.setLimitPrice(Trade::Price(QString::fromLatin1(price), &es));
        order.setQuantity(Trade::Quantity::fromLots(lots, &es));
        order.setState(Trade::OrderState(Trade::OrderState::Working));
        orders.addOrder(order);
    };
    send("A-1001", Trade::OrderAction::Buy, "5012.25", 3);
    send("A-1002", Trade::OrderAction::Sell, "5031.50", 1);
    send("A-1003", Trade::OrderAction::Buy, "4998.75", 2);

    Trade::StorageTableModel model(&orders, {topic.idField(), topic.symbolField(), topic.actionField(),
                                             topic.limitPriceField(), topic.quantityField(), topic.filledField()});
    Trade::StorageTableSortModel sorted; // orders prices by ticks (Qt's own proxy would by text)
    sorted.setSourceModel(&model);
    sorted.sort(3); // by limit price

    QTableView view;
    view.setModel(&sorted);
    view.verticalHeader()->hide();
    view.setSortingEnabled(true);
    view.sortByColumn(3, Qt::AscendingOrder);

    // The host's news after the window opened: a fill and a new order.
    Trade::OrderRecord fill;
    fill.setId(QStringLiteral("A-1002"));
    fill.setFilled(Trade::Quantity::fromLots(1, &es));
    fill.setState(Trade::OrderState(Trade::OrderState::Completed, Trade::OrderState::reasonFilled));
    orders.updateOrder(fill);
    send("A-1004", Trade::OrderAction::SellShort, "5020.00", 4);

    view.resizeColumnsToContents();
    view.resize(view.horizontalHeader()->length() + 2 * view.frameWidth(),
                view.horizontalHeader()->height() + view.verticalHeader()->length() + 2 * view.frameWidth());
    view.show();
    if (!view.grab().save(path)) {
        std::fprintf(stderr, "Could not write %s\n", qPrintable(path));
        return 1;
    }
    QStringList rows;
    for (int row = 0; row < sorted.rowCount(); ++row)
        rows << sorted.index(row, 0).data().toString() + QLatin1Char(' ') + sorted.index(row, 3).data().toString();
    std::printf("Wrote %s: %s\n", qPrintable(path), qPrintable(rows.join(QStringLiteral(", "))));
    // Sorted by price, the new order among the others, the filled one still shown.
    return rows
                   == QStringList({QStringLiteral("A-1003 4998.75"), QStringLiteral("A-1001 5012.25"),
                                   QStringLiteral("A-1004 5020.00"), QStringLiteral("A-1002 5031.50")})
               ? 0
               : 1;
}
