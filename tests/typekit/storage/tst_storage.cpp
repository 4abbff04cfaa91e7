// Storages: the subscription holder across every change event, its lifetime against the storage
// and the observer, storages that change under it, the sample storages'
// filters and the symbol storage's error texts.
#include <testsupport/reportrecorder.h>

#include <samplehost/orderstorage.h>
#include <samplehost/tradelogrecord.h>
#include <typekit/order/orderstoragefilter.h>
#include <typekit/storage/storagerecordssubscriptionholder.h>
#include <typekit/storage/symbolstorageerrorinfo.h>
#include <typekit/variantrecordlist.h>

#include <QtTest/QtTest>

#include "samplemarket.h"

#include <functional>

using namespace Trade;

namespace {

// Hears its records; being told of a record's end means it was still subscribed then.
class Observer : public QObject
{
    Q_OBJECT
public:
    int changes = 0;
    int disposals = 0;
public slots:
    void slot_recordChanged(Trade::IRecord *) { ++changes; }
    void slot_disposed(Trade::IDisposable *) { ++disposals; }
};

// A record that runs a piece of host code when an observer subscribes to it.
class HookedRecord : public Sample::Record
{
    Q_OBJECT
public:
    explicit HookedRecord(const QString &key) : Sample::Record(key, FieldSet()) {}
    std::function<void()> onAttached;
private slots:
    void attached_recordChanged(const Link *)
    {
        if (const auto hook = std::exchange(onAttached, nullptr))
            hook();
    }
};

QVector<Sample::Record *> records(const QStringList &keys)
{
    QVector<Sample::Record *> made;
    for (const QString &key : keys)
        made << new Sample::Record(key, FieldSet());
    return made;
}

QString subscribed(const Sample::Storage &storage, QObject *observer)
{
    QStringList keys;
    for (int i = 0; i < storage.count(); ++i) {
        if (storage.at(i)->isSubscribed(observer))
            keys << storage.at(i)->key();
    }
    return keys.join(QLatin1Char(','));
}

} // namespace

class tst_Storage : public QObject, SampleMarket
{
    Q_OBJECT

    Sample::Account second{QStringLiteral("SIM-2")};

private slots:
    void holderFollowsTheStorage()
    {
        ReportRecorder reports;
        Sample::Storage storage;
        storage.reset(records({QStringLiteral("a"), QStringLiteral("b")}));
        Observer observer;
        auto holder = std::make_unique<StorageRecordsSubscriptionHolder>(&storage, &observer);
        QCOMPARE(subscribed(storage, &observer), QStringLiteral("a,b"));  // greeted with Reset

        storage.add(new Sample::Record(QStringLiteral("c"), FieldSet()));
        storage.update(storage.find(QStringLiteral("c")), VariantRecord());
        QCOMPARE(observer.changes, 1);
        Sample::Record *b = storage.take(storage.find(QStringLiteral("b")));
        QVERIFY(!b->isSubscribed(&observer));
        delete b;
        QCOMPARE(subscribed(storage, &observer), QStringLiteral("a,c"));

        storage.reset(records({QStringLiteral("d")}));
        QCOMPARE(subscribed(storage, &observer), QStringLiteral("d"));
        storage.add(new Sample::Record(QStringLiteral("e"), FieldSet()));
        storage.clear();  // unsubscribed before the records went
        storage.add(new Sample::Record(QStringLiteral("f"), FieldSet()));
        QCOMPARE(observer.disposals, 0);

        holder.reset();
        QCOMPARE(storage.count(), 1);
        QCOMPARE(subscribed(storage, &observer), QString());
        QCOMPARE(reports.count(), 0);
    }

    void holderReactions_data()
    {
        QTest::addColumn<int>("event");
        QTest::addColumn<QString>("record");
        QTest::addColumn<QString>("after");

        // Before each row the observer is subscribed to a alone.
        QTest::addRow("1 reset") << 1 << "" << "a,b";
        QTest::addRow("2 added") << 2 << "b" << "a,b";
        QTest::addRow("3 removed") << 3 << "a" << "";
        QTest::addRow("4 updated") << 4 << "b" << "a";
        QTest::addRow("5 about to clear") << 5 << "" << "";
        QTest::addRow("6 unknown") << 6 << "b" << "a";
        QTest::addRow("0 unknown") << 0 << "b" << "a";
        QTest::addRow("2 without record") << 2 << "" << "a";
    }

    void holderReactions()
    {
        QFETCH(int, event);
        QFETCH(QString, record);
        QFETCH(QString, after);

        Sample::Storage storage;
        Observer observer;
        StorageRecordsSubscriptionHolder holder(&storage, &observer);
        storage.reset(records({QStringLiteral("a"), QStringLiteral("b")}));
        storage.find(QStringLiteral("b"))->unsubscribe(&observer);

        ReportRecorder reports;
        IRecord *argument = storage.find(record);
        IStorage *self = &storage;
        QVERIFY(QMetaObject::invokeMethod(&holder, "slot_storageChanged", Q_ARG(Trade::IStorage::ChangeEvent, IStorage::ChangeEvent(event)),
                                          Q_ARG(Trade::IRecord *, argument), Q_ARG(Trade::IStorage *, self)));
        QCOMPARE(subscribed(storage, &observer), after);
        QCOMPARE(reports.count(), 0);
    }

    void lifetimes()
    {
        ReportRecorder reports;
        Observer observer;
        {
            auto storage = std::make_unique<Sample::Storage>();
            storage->add(new Sample::Record(QStringLiteral("a"), FieldSet()));
            StorageRecordsSubscriptionHolder holder(storage.get(), &observer);
            storage.reset();  // the holder never touches it again
            QCOMPARE(holder.storage(), nullptr);
        }
        Sample::Storage storage;
        {
            auto gone = std::make_unique<Observer>();
            StorageRecordsSubscriptionHolder holder(&storage, gone.get());
            gone.reset();
            storage.add(new Sample::Record(QStringLiteral("b"), FieldSet()));  // nobody left to subscribe
            QVERIFY(!storage.at(0)->isSubscribed(static_cast<const QObject *>(nullptr)));
        }
        QCOMPARE(reports.count(), 0);

        StorageRecordsSubscriptionHolder noStorage(nullptr, &observer);
        StorageRecordsSubscriptionHolder noObserver(&storage, nullptr);
        storage.add(new Sample::Record(QStringLiteral("c"), FieldSet()));
        const QString function = QStringLiteral("Trade::StorageRecordsSubscriptionHolder::StorageRecordsSubscriptionHolder");
        QCOMPARE(reports.lines(),
                 QStringList({ReportRecorder::line(u"storage/storagerecordssubscriptionholder", function, u"storage != NULL"),
                              ReportRecorder::line(u"storage/storagerecordssubscriptionholder", function, u"subscriber != NULL")}));
    }

    void storageChangesDuringTheWalk_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("after");

        // The host code runs while the holder, walking a reset, subscribes the observer to b.
        QTest::addRow("removes a later record") << "remove c" << "a,b";
        QTest::addRow("removes a record walked") << "remove a" << "b,c";
        QTest::addRow("adds a record") << "add d" << "a,b,c,d";
        QTest::addRow("clears the storage") << "clear" << "";
        // The holder's end takes the observer off a, and off b's signals subscribed so far; b goes
        // on to subscribe it to its remaining signal, as it was asked before the holder went.
        QTest::addRow("deletes the holder") << "delete holder" << "b";
        QTest::addRow("deletes the storage") << "delete storage" << "-";
        QTest::addRow("deletes the observer") << "delete observer" << "-";
    }

    void storageChangesDuringTheWalk()
    {
        QFETCH(QString, change);
        QFETCH(QString, after);

        auto storage = std::make_unique<Sample::Storage>();
        auto observer = std::make_unique<Observer>();
        QPointer<StorageRecordsSubscriptionHolder> holder = new StorageRecordsSubscriptionHolder(storage.get(), observer.get());
        auto *b = new HookedRecord(QStringLiteral("b"));
        Sample::Storage *live = storage.get();
        const QHash<QString, std::function<void()>> changes{
            {QStringLiteral("remove c"), [&] { live->remove(live->find(QStringLiteral("c"))); }},
            {QStringLiteral("remove a"), [&] { live->remove(live->find(QStringLiteral("a"))); }},
            {QStringLiteral("add d"), [&] { live->add(new Sample::Record(QStringLiteral("d"), FieldSet())); }},
            {QStringLiteral("clear"), [&] { live->clear(); }},
            {QStringLiteral("delete holder"), [&] { delete holder; }},
            {QStringLiteral("delete storage"), [&] { storage.reset(); }},
            {QStringLiteral("delete observer"), [&] { observer.reset(); }}};
        b->onAttached = changes.value(change);

        ReportRecorder reports;
        live->reset({new Sample::Record(QStringLiteral("a"), FieldSet()), b, new Sample::Record(QStringLiteral("c"), FieldSet())});
        if (storage && observer)
            QCOMPARE(subscribed(*storage, observer.get()), after);
        if (holder && storage && observer) {
            delete holder;
            QCOMPARE(subscribed(*storage, observer.get()), QString());
        }
        delete holder;
        QCOMPARE(reports.count(), 0);
    }

    void queuedChanges()
    {
        Sample::Storage storage;
        storage.setConnectionType(Qt::QueuedConnection);
        storage.add(new Sample::Record(QStringLiteral("a"), FieldSet()));
        Observer observer;
        StorageRecordsSubscriptionHolder holder(&storage, &observer);
        storage.add(new Sample::Record(QStringLiteral("b"), FieldSet()));
        QCOMPARE(subscribed(storage, &observer), QString());
        QTRY_COMPARE(subscribed(storage, &observer), QStringLiteral("a,b"));
    }

    void orderStorageSelects_data()
    {
        QTest::addColumn<OrderStorageFilter>("filter");
        QTest::addColumn<QString>("ids");
        QTest::addRow("symbol") << OrderStorageFilter().symbol(&es) << "A,B";
        QTest::addRow("one account") << OrderStorageFilter().account(&second) << "C";
        QTest::addRow("long side") << OrderStorageFilter().side(TradeSide::Long) << "A,C";
        QTest::addRow("working") << OrderStorageFilter().working(true) << "A,C";
        QTest::addRow("can cancel") << OrderStorageFilter().canCancel(true) << "A";
        QTest::addRow("all at once") << OrderStorageFilter().symbol(&es).side(TradeSide::Short).working(false) << "B";
    }

    void orderStorageSelects()
    {
        QFETCH(OrderStorageFilter, filter);
        QFETCH(QString, ids);
        Sample::OrderStorage storage;
        const auto add = [&storage](const char *id, Sample::Symbol *symbol, Sample::Account *account, OrderAction::Type action,
                                    OrderState::Type state) {
            OrderRecord order;
            order.setId(QString::fromLatin1(id));
            order.setSymbol(symbol);
            order.setAccount(account);
            order.setAction(action);
            order.setState(OrderState(state));
            storage.addOrder(order);
        };
        add("A", &es, &account, OrderAction::Buy, OrderState::Working);
        add("B", &es, &account, OrderAction::SellShort, OrderState::Completed);
        add("C", &msft, &second, OrderAction::BuyToCover, OrderState::Canceling);
        QStringList selected;
        for (IRecord *record : storage.select(filter))
            selected << record->key();
        QCOMPARE(selected.join(QLatin1Char(',')), ids);
    }

    void tradeLogRecordInterfaces()
    {
        Sample::Connection broker(QStringLiteral("Sim"));
        Sample::TradeLogEntry fill;
        fill.message = QStringLiteral("Filled 1 @ 5012.25");
        fill.connection = &broker;
        fill.tradeId = QStringLiteral("X-77");
        fill.orderState = OrderState(OrderState::Completed, OrderState::reasonFilled);
        Sample::Storage log;
        log.add(new Sample::TradeLogRecord(fill));

        ReportRecorder reports;
        IRecord *record = log.records().value(0);
        QCOMPARE(record->key(), QStringLiteral("X-77"));
        QCOMPARE(record->as<ILogRecord>()->message(), fill.message);
        QCOMPARE(record->as<IConnectionRecord>()->connection(), &broker);
        QCOMPARE(record->as<ITradeRecord>()->tradeId(), fill.tradeId);
        QVERIFY(record->as<ITradeLogRecord>()->orderState().isFilled());
        QCOMPARE(reports.count(), 0);
    }

    void errorInfoTexts_data()
    {
        QTest::addColumn<int>("symbolError");
        QTest::addColumn<int>("storageError");
        QTest::addColumn<QString>("texts");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<bool>("noDuplicates");

        QTest::addRow("none") << 0 << 0 << "none, storageErrror: none" << true << true;
        QTest::addRow("1") << 1 << 3 << "emptyBrokerName, storageErrror: none" << false << true;
        QTest::addRow("2") << 2 << 2 << "emptySymbolName, storageErrror: duplicateDisplayName" << false << false;
        QTest::addRow("3") << 3 << 0 << "badSymbolCategory, storageErrror: none" << false << true;
        QTest::addRow("4") << 4 << 0 << "badPriceScaleOrMinmovement, storageErrror: none" << false << true;
        QTest::addRow("5") << 5 << 0 << "badPointValue, storageErrror: none" << false << true;
        QTest::addRow("6") << 6 << 1 << "badLotSize, storageErrror: duplicateName" << false << false;
        QTest::addRow("7") << 7 << 0 << "badPriceMultiplier, storageErrror: none" << false << true;
        QTest::addRow("8") << 8 << 0 << "none, storageErrror: none" << false << true;
        QTest::addRow("duplicate only") << 0 << 1 << "none, storageErrror: duplicateName" << false << false;
    }

    void errorInfoTexts()
    {
        QFETCH(int, symbolError);
        QFETCH(int, storageError);
        QFETCH(QString, texts);
        QFETCH(bool, ok);
        QFETCH(bool, noDuplicates);
        const SymbolStorageErrorInfo info{SymbolStorageErrorInfo::SymbolError(symbolError),
                                          SymbolStorageErrorInfo::StorageError(storageError)};
        QCOMPARE(info.format(), QStringLiteral("SymbolStorageErrorInfo: symbolError: ") + texts + QLatin1Char('.'));
        QCOMPARE(info.isOk(), ok);
        QCOMPARE(info.noDuplicateErrors(), noDuplicates);
    }
};

QTEST_GUILESS_MAIN(tst_Storage)
#include "tst_storage.moc"
