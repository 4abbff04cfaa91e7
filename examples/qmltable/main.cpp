// The order window in QML: the sample order storage through the live table model, shown by a
// TableView and by a ListView whose delegate binds to the fields by their role names
// (Order_Id, Order_LimitPrice, ...). It draws offscreen with Qt Quick's software renderer and
// writes a PNG:
//
//     build/examples/qmltable [picture.png]      (qmltable.png by default)
#include <samplehost/formatter.h>
#include <samplehost/orderstorage.h>
#include <samplehost/symbol.h>
#include <samplehost/topics.h>
#include <typekit/storage/storagetablemodel.h>

#include <QtCore/QElapsedTimer>
#include <QtGui/QGuiApplication>
#include <QtGui/QImage>
#include <QtQml/QQmlApplicationEngine>
#include <QtQml/QQmlContext>
#include <QtQuick/QQuickWindow>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QGuiApplication app(argc, argv);
    const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("qmltable.png");

    Sample::Formatter formatter;
    Sample::StandardTopics topics;
    Sample::Symbol es{QStringLiteral("ESZ26"), Symbology::symbolTypeFuture, 25, 100, 50.0};
    const Sample::OrderTopic &topic = topics.order();
    Sample::OrderStorage storage;
    const auto send = [&](const char *id, Trade::OrderAction::Type action, const char *price, int lots) {
        Trade::OrderRecord order;
        order.setId(QString::fromLatin1(id));
        order.setSymbol(&es);
        order.setAction(action);
        order.setLimitPrice(Trade::Price(QString::fromLatin1(price), &es));
        order.setQuantity(Trade::Quantity::fromLots(lots, &es));
        storage.addOrder(order);
    };
    send("A-1001", Trade::OrderAction::Buy, "5012.25", 3);
    send("A-1002", Trade::OrderAction::Sell, "5031.50", 1);

    Trade::StorageTableModel orders(&storage, {topic.idField(), topic.actionField(), topic.limitPriceField(),
                                               topic.quantityField(), topic.filledField()});
    QQmlApplicationEngine engine;
    engine.rootContext()->setContextProperty(QStringLiteral("orders"), &orders);
    engine.load(QUrl(QStringLiteral("qrc:/qmltable/main.qml")));
    auto *window =
        engine.rootObjects().isEmpty() ? nullptr : qobject_cast<QQuickWindow *>(engine.rootObjects().first());
    if (!window) {
        std::fprintf(stderr, "The QML did not load\n");
        return 1;
    }
    send("A-1003", Trade::OrderAction::SellShort, "5020.00", 4); // after the window is up

    // The views lay out their rows when the event loop polishes them (given two seconds at most).
    QObject *table = window->findChild<QObject *>(QStringLiteral("table"));
    QObject *list = window->findChild<QObject *>(QStringLiteral("list"));
    const auto shown = [&](QObject *view, const char *property) {
        return view ? view->property(property).toInt() : -1;
    };
    QElapsedTimer waited;
    waited.start();
    while ((shown(table, "rows") != 3 || shown(list, "count") != 3) && waited.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QCoreApplication::processEvents();
    const QImage picture = window->grabWindow();
    if (picture.isNull() || !picture.save(path)) {
        std::fprintf(stderr, "Could not write %s\n", qPrintable(path));
        return 1;
    }
    const int rows = shown(table, "rows");
    const int items = shown(list, "count");
    std::printf("Wrote %s: %d rows in the table, %d items in the list\n", qPrintable(path), rows, items);
    return rows == 3 && items == 3 ? 0 : 1;
}
