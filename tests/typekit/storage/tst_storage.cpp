// Storages: the subscription holder across every change event, its lifetime against the storage
// and the observer, storages that change under it, the sample storages' filters and the symbol
// storage's error texts; storage filters: chained building, the reports of unset properties, and
// the derived filters.
#include <testsupport/reportrecorder.h>

#include <samplehost/market.h>
#include <samplehost/tradelogrecord.h>
#include <typekit/order/orderstoragefilter.h>
#include <typekit/position/positionstoragefilter.h>
#include <typekit/storage/storagerecordssubscriptionholder.h>
#include <typekit/storage/symbolstorageerrorinfo.h>
#include <typekit/variantrecordlist.h>

#include <basekit/logstream.h>

#include <QtTest/QtTest>

#include "rows.h"

#include <functional>

using namespace Trade;

namespace {

// Hears its records; being told of a record's end means it was still subscribed then.
class Observer : public QObject
{
    Q_OBJECT
public:
    int changes = 0, disposals = 0;
public Q_SLOTS:
    void slot_recordChanged(Trade::IRecord *) { ++changes; }
    void slot_disposed(Trade::IDisposable *) { ++disposals; }
};

// Host code that hears a storage's changes; it runs a piece of code on each Added.
class StorageChanges : public QObject
{
    Q_OBJECT
public:
    std::function<void(Trade::IRecord *)> onAdded;
public Q_SLOTS:
    void slot_storageChanged(Trade::IStorage::ChangeEvent event, Trade::IRecord *record)
    {
        if (event == IStorage::Added && onAdded)
            onAdded(record);
    }
};

// A record that runs a piece of host code when an observer subscribes to it.
class HookedRecord : public Sample::Record
{
    Q_OBJECT
public:
    explicit HookedRecord(const QString &key) : Sample::Record(key, FieldSet()) {}
    std::function<void()> onAttached;
private Q_SLOTS:
    void attached_recordChanged(const Link *)
    {
        if (const auto hook = std::exchange(onAttached, nullptr))
            hook();
    }
};

std::unique_ptr<Sample::Record> record(const char *key)
{
    return std::make_unique<Sample::Record>(QString::fromLatin1(key), FieldSet());
}

QString subscribed(const Sample::Storage &storage, QObject *observer)
{
    QStringList keys;
    for (int i = 0; i < storage.count(); ++i)
        if (storage.at(i)->isSubscribed(observer))
            keys << storage.at(i)->key();
    return keys.join(QLatin1Char(','));
}

// A holder between a storage and an observer; host code may delete any of the three while the
// holder walks the records.
struct Walk
{
    std::unique_ptr<Sample::Storage> storage = std::make_unique<Sample::Storage>();
    std::unique_ptr<Observer> observer = std::make_unique<Observer>();
    QPointer<StorageRecordsSubscriptionHolder> holder =
        new StorageRecordsSubscriptionHolder(storage.get(), observer.get());

    ~Walk() { delete holder; }
    void remove(const char *key) { storage->remove(storage->find(QString::fromLatin1(key))); }
};
using Change = std::function<void(Walk &)>;

} // namespace

class tst_Storage : public QObject
{
    Q_OBJECT

    std::unique_ptr<Sample::Market> market;

private Q_SLOTS:
    void init() { market = std::make_unique<Sample::Market>(); }
    void cleanup() { market.reset(); }

    void holderFollowsTheStorage()
    {
        ReportRecorder reports;
        Sample::Storage storage;
        storage.reset(Sample::records(record("a"), record("b")));
        Observer observer;
        auto holder = std::make_unique<StorageRecordsSubscriptionHolder>(&storage, &observer);
        QCOMPARE(subscribed(storage, &observer), QStringLiteral("a,b")); // greeted with Reset

        storage.add(record("c"));
        storage.update(storage.find(QStringLiteral("c")), VariantRecord());
        QCOMPARE(observer.changes, 1);
        Sample::Record *b = storage.take(storage.find(QStringLiteral("b")));
        QVERIFY(!b->isSubscribed(&observer));
        delete b;
        QCOMPARE(subscribed(storage, &observer), QStringLiteral("a,c"));

        storage.reset(Sample::records(record("d")));
        QCOMPARE(subscribed(storage, &observer), QStringLiteral("d"));
        storage.add(record("e"));
        storage.clear(); // unsubscribed before the records went
        storage.add(record("f"));
        QCOMPARE(observer.disposals, 0);

        holder.reset();
        QCOMPARE(storage.count(), 1);
        QCOMPARE(subscribed(storage, &observer), QString());
        QCOMPARE(reports.count(), 0);
    }

    // Each event sent by hand, the observer subscribed to a alone before: whom it is subscribed to after.
    void holderReactions()
    {
        const struct
        {
            int event;
            const char *record, *after;
        } rows[] = {
            {1, "", "a,b"}, {2, "b", "a,b"},
            {3, "a", ""},   {4, "b", "a"}, // reset, added, removed, updated
            {5, "", ""},    {6, "b", "a"},
            {0, "b", "a"},  {2, "", "a"}, // about to clear, unknown twice, added without record
        };
        for (const auto &row : eachRow(rows)) {
            Walk w;
            w.storage->reset(Sample::records(record("a"), record("b")));
            w.storage->find(QStringLiteral("b"))->unsubscribe(w.observer.get());

            ReportRecorder reports;
            QVERIFY(QMetaObject::invokeMethod(w.holder, "slot_storageChanged",
                                              Q_ARG(Trade::IStorage::ChangeEvent, IStorage::ChangeEvent(row.event)),
                                              Q_ARG(Trade::IRecord *, w.storage->find(QString::fromLatin1(row.record))),
                                              Q_ARG(Trade::IStorage *, w.storage.get())));
            QCOMPARE(subscribed(*w.storage, w.observer.get()), QString::fromLatin1(row.after));
            QCOMPARE(reports.count(), 0);
        }
    }

    // A record added and taken out again, or deleted, by host code that heard the announcement
    // before the holder: the observer is on exactly the storage's records.
    void holderAfterAnAddedRecordWent()
    {
        for (const bool deleted : eachRow(std::array{false, true})) {
            Sample::Storage storage;
            storage.reset(Sample::records(record("a")));
            StorageChanges host;
            storage.subscribe(&host);
            Observer observer;
            StorageRecordsSubscriptionHolder holder(&storage, &observer);
            Sample::Record *taken = nullptr;
            host.onAdded = [&](Trade::IRecord *added) {
                auto *const sample = dynamic_cast<Sample::Record *>(added);
                if (deleted)
                    storage.remove(sample);
                else
                    taken = storage.take(sample);
            };
            storage.add(record("b"));
            QCOMPARE(subscribed(storage, &observer), QStringLiteral("a"));
            if (taken)
                QVERIFY(!taken->isSubscribed(&observer));
            delete taken;
        }
    }

    // The disposal of a record that a reset deletes, heard by code that deletes the storage: the
    // reset stops there, and the records it was given go too (the sanitizer run).
    void storageDeletedWhileItResets()
    {
        QPointer<Sample::Storage> storage = new Sample::Storage;
        storage->reset(Sample::records(record("a")));
        QObject host;
        QObject::connect(storage->at(0), &Sample::Record::disposed, &host, [&storage] { delete storage; });
        storage->reset(Sample::records(record("b"), std::unique_ptr<Sample::Record>(), record("c"))); // a null one too
        QVERIFY(!storage);
    }

    void lifetimes()
    {
        ReportRecorder reports;
        {
            Walk w;
            w.storage->add(record("a"));
            w.storage.reset(); // the holder never touches it again
            QCOMPARE(w.holder->storage(), nullptr);
        }
        {
            Walk w;
            w.observer.reset();
            w.storage->add(record("b")); // nobody left to subscribe
            QVERIFY(!w.storage->at(0)->isSubscribed(static_cast<const QObject *>(nullptr)));
        }

        Sample::Storage storage;
        Observer observer;
        StorageRecordsSubscriptionHolder noStorage(nullptr, &observer);
        StorageRecordsSubscriptionHolder noObserver(&storage, nullptr);
        storage.add(record("c"));
        const auto line = [](QStringView condition) {
            return ReportRecorder::line(u"storage/storagerecordssubscriptionholder",
                                        u"Trade::StorageRecordsSubscriptionHolder::StorageRecordsSubscriptionHolder",
                                        condition);
        };
        QCOMPARE(reports.lines(),
                 QStringList({line(u"storage != NULL"), line(u"subscriber != NULL")})); // and none above
    }

    // Host code that runs while the holder, walking a reset, subscribes the observer to b; then whom
    // the observer is subscribed to ("-": the storage or the observer is gone).
    void storageChangesDuringTheWalk()
    {
        const struct
        {
            Change change;
            const char *after;
        } rows[] = {
            {[](Walk &w) { w.remove("c"); }, "a,b"},
            {[](Walk &w) { w.remove("a"); }, "b,c"},
            {[](Walk &w) { w.remove("a"), w.remove("b"); }, "c"}, // c moves up to the first place
            {[](Walk &w) { w.storage->add(record("d")); }, "a,b,c,d"},
            {[](Walk &w) { w.storage->clear(); }, ""},
            // The holder's end takes the observer off a, and off b's signals subscribed so far; b goes
            // on to subscribe it to its remaining signal, as it was asked before the holder went.
            {[](Walk &w) { delete w.holder; }, "b"},
            {[](Walk &w) { w.storage.reset(); }, "-"},
            {[](Walk &w) { w.observer.reset(); }, "-"},
        };
        for (const auto &row : eachRow(rows)) {
            Walk w;
            auto hooked = std::make_unique<HookedRecord>(QStringLiteral("b"));
            hooked->onAttached = [&] { row.change(w); };
            ReportRecorder reports;
            w.storage->reset(
                Sample::records(record("a"), std::move(hooked), record("c"))); // may end the storage while it runs
            if (w.storage && w.observer)
                QCOMPARE(subscribed(*w.storage, w.observer.get()), QString::fromLatin1(row.after));
            if (w.holder && w.storage && w.observer) {
                delete w.holder;
                QCOMPARE(subscribed(*w.storage, w.observer.get()), QString());
            }
            QCOMPARE(reports.count(), 0);
        }
    }

    void queuedChanges()
    {
        Sample::Storage storage;
        storage.setConnectionType(Qt::QueuedConnection);
        storage.add(record("a"));
        Observer observer;
        StorageRecordsSubscriptionHolder holder(&storage, &observer);
        storage.add(record("b"));
        QCOMPARE(subscribed(storage, &observer), QString());
        QTRY_COMPARE(subscribed(storage, &observer), QStringLiteral("a,b"));
    }

    // The sample storages select by the common filter and by their own flags.
    void sampleStoragesSelect()
    {
        Sample::OrderStorage &orders = market->orders;
        const auto addOrder = [&orders](const char *id, Sample::Symbol *symbol, Sample::Account *owner,
                                        OrderAction::Type action, OrderState::Type state) {
            OrderRecord order;
            order.setId(QString::fromLatin1(id));
            order.setSymbol(symbol);
            order.setAccount(owner);
            order.setAction(action);
            order.setState(OrderState(state));
            orders.addOrder(order);
        };
        addOrder("A", &market->es, &market->account, OrderAction::Buy, OrderState::Working);
        addOrder("B", &market->es, &market->account, OrderAction::SellShort, OrderState::Completed);
        addOrder("C", &market->msft, &market->second, OrderAction::BuyToCover, OrderState::Canceling);
        Sample::PositionStorage &positions = market->positions;
        const auto position = [](Sample::Symbol *symbol, Sample::Account *owner, double lots) {
            auto made = std::make_unique<Sample::Position>(symbol, owner);
            made->setQuantity(Quantity::fromLots(lots, symbol));
            return made;
        };
        positions.reset(Sample::records(position(&market->es, &market->account, 2),
                                        position(&market->es, &market->second, -1),
                                        position(&market->msft, &market->account, 0),
                                        std::make_unique<Sample::Position>(&market->nq, &market->second),
                                        std::make_unique<Sample::Record>(QStringLiteral("no position"), FieldSet())));
        ReportRecorder reports; // a position without a quantity is on neither side, and says nothing
        QStringList held;       // a record that is no position is in no selection, nor among the positions
        for (IPosition *one : positions.positions())
            held << one->record()->key();
        QCOMPARE(held.join(u','), QStringLiteral("SIM-1:ESZ26,SIM-2:ESZ26,SIM-1:MSFT,SIM-2:NQZ26"));

        const auto keys = [](const Sample::Storage &storage, const StorageFilter &filter) {
            QStringList selected;
            for (IRecord *record : storage.select(filter))
                selected << record->key();
            return selected.join(QLatin1Char(','));
        };
        QCOMPARE(keys(orders, OrderStorageFilter().symbol(&market->es)), QStringLiteral("A,B"));
        QCOMPARE(keys(orders, OrderStorageFilter().account(&market->second)), QStringLiteral("C"));
        QCOMPARE(keys(orders, OrderStorageFilter().side(TradeSide::Long)), QStringLiteral("A,C"));
        QCOMPARE(keys(orders, OrderStorageFilter().working(true)), QStringLiteral("A,C"));
        QCOMPARE(keys(orders, OrderStorageFilter().canCancel(true)), QStringLiteral("A"));
        QCOMPARE(keys(orders, StorageFilter().symbol(&market->es)), QStringLiteral("A,B")); // not an order filter
        // The storages' own record test agrees with the default one, which goes through select().
        for (int i = 0; i < orders.count(); ++i) {
            const OrderStorageFilter working = OrderStorageFilter().working(true);
            QCOMPARE(orders.IStorage::passesFilter(orders.at(i), working), i != 1);
            QCOMPARE(orders.passesFilter(orders.at(i), working), i != 1);
        }
        QCOMPARE(keys(orders, OrderStorageFilter().symbol(&market->es).side(TradeSide::Short).working(false)),
                 QStringLiteral("B"));
        QCOMPARE(keys(positions, PositionStorageFilter().side(TradeSide::Long)), QStringLiteral("SIM-1:ESZ26"));
        QCOMPARE(keys(positions, PositionStorageFilter().side(TradeSide::Short)), QStringLiteral("SIM-2:ESZ26"));
        QCOMPARE(keys(positions, PositionStorageFilter().canClose(false)), QStringLiteral("SIM-1:MSFT,SIM-2:NQZ26"));
        QCOMPARE(keys(positions, PositionStorageFilter().account(&market->account).canClose(true)),
                 QStringLiteral("SIM-1:ESZ26"));
        QCOMPARE(keys(positions, PositionStorageFilter().symbol(&market->es)),
                 QStringLiteral("SIM-1:ESZ26,SIM-2:ESZ26"));
        Sample::Storage plain; // a storage of no kind selects every record
        plain.reset(Sample::records(std::make_unique<Sample::Record>(QStringLiteral("a"), FieldSet()),
                                    std::make_unique<Sample::Record>(QStringLiteral("b"), FieldSet())));
        QCOMPARE(keys(plain, OrderStorageFilter().working(true)), QStringLiteral("a,b"));
        QCOMPARE(reports.count(), 0);
    }

    // Unset properties report when read and give their defaults; null values report when set and are kept.
    // Chains keep the filter's class; the derived filters start from a common filter.
    void filters()
    {
        const auto line = [](const char *file, const char *function, const char *condition) {
            return ReportRecorder::line(QString::fromLatin1(file), QString::fromLatin1(function),
                                        QString::fromLatin1(condition));
        };
        const char *const common = "storage/storagefilter", *const order = "order/orderstoragefilter";
        ReportRecorder reports;
        const StorageFilter unset;
        QVERIFY(!unset.hasSymbol() && !unset.hasAccounts() && !unset.hasSide() && !unset.hasAffiliationInformation());
        QCOMPARE(unset.symbol(), nullptr);
        QVERIFY(unset.accounts().isEmpty());
        QCOMPARE(int(TradeSide::Type(unset.side())), 0);
        QVERIFY(!unset.affiliationInformation().useAnyAffiliation());
        QVERIFY(!PositionStorageFilter().canClose() && !OrderStorageFilter().working()
                && !OrderStorageFilter().canCancel());
        StorageFilter nulls;
        nulls.symbol(nullptr).account(nullptr).side(TradeSide());
        QVERIFY(nulls.hasAccounts()); // stored all the same
        QCOMPARE(reports.lines(),
                 QStringList(
                     {line(common, "Trade::StorageFilter::symbol", "hasSymbol()"),
                      line(common, "Trade::StorageFilter::accounts", "hasAccounts()"),
                      line(common, "Trade::StorageFilter::side", "hasSide()"),
                      line(common, "Trade::StorageFilter::affiliationInformation", "hasAffiliationInformation()"),
                      line("position/positionstoragefilter", "Trade::PositionStorageFilter::canClose", "hasCanClose()"),
                      line(order, "Trade::OrderStorageFilter::working", "hasWorking()"),
                      line(order, "Trade::OrderStorageFilter::canCancel", "hasCanCancel()"),
                      line(common, "Trade::StorageFilter::setSymbol", "value != 0"),
                      line(common, "Trade::StorageFilter::addAccount", "value != 0"),
                      line(common, "Trade::StorageFilter::setSide", "value != TradeSide::Unknown")}));
        reports.clear();

        StorageFilter filter;
        filter.type(StorageFilter::Type(2))
            .symbol(&market->es)
            .account(&market->account)
            .account(&market->account)
            .side(TradeSide(TradeSide::Short));
        filter.accounts({&market->account});
        QCOMPARE(filter.accounts(), QVector<IAccount *>(3, &market->account)); // repeats kept
        QVERIFY(filter.side().isShort());
        AffiliationInformationFilter any;
        any.setUseAnyAffiliation(true); // valid without document or page
        filter.affiliationInformation(any);
        QVERIFY(filter.hasAffiliationInformation());
        QCOMPARE(Variant::fromValue(filter).strongValue<StorageFilter>().symbol(), &market->es);

        OrderStorageFilter orders(filter);
        QCOMPARE(orders.symbol(), &market->es);
        QVERIFY(!orders.hasCanCancel() && !orders.hasWorking());
        orders.canCancel(false).working(true).side(TradeSide(TradeSide::Long));
        QVERIFY(orders.hasCanCancel() && !orders.canCancel() && orders.working() && orders.side().isLong());
        PositionStorageFilter positions(filter);
        positions.canClose(true).symbol(&market->es);
        QVERIFY(positions.canClose());
        QCOMPARE(Variant::fromValue(positions).userType(), PositionStorageFilter::metaTypeId);
        QCOMPARE(reports.count(), 0);
    }

    // How an affiliation reads in logs, and whether it alone makes an affiliation filter valid.
    void filterAffiliations()
    {
        const struct
        {
            const char *document, *page, *text;
            bool valid;
        } rows[] = {
            {"", "", "affiliation <empty>", false},
            {"Desk", "", "affiliation [document='Desk', page='']", true},
            {"", "Futures", "affiliation [document='', page='Futures']", true},
            {"Desk", "Futures", "affiliation [document='Desk', page='Futures']", true},
        };
        ReportRecorder logs;
        for (const auto &row : eachRow(rows)) {
            const AffiliationInformation affiliation{QString::fromLatin1(row.document), QString::fromLatin1(row.page)};
            Shadow::LogStream(5, 3, u"test", 1, u"Test::log") << "affiliation " << affiliation;
            QCOMPARE(logs.logs().last().text, QString::fromLatin1(row.text));
            QCOMPARE(AffiliationInformationFilter(affiliation).isValid(), row.valid);
        }
        QCOMPARE(logs.logs().size(), 4);
        QCOMPARE(logs.logs().first().channel, 5);

        logs.setChannelLevel(5, -1); // a low severity on a channel that is off is dropped
        Shadow::LogStream(5, 2, u"test", 1, u"Test::log") << "dropped";
        QCOMPARE(logs.logs().size(), 4);
    }
    void tradeLogRecordInterfaces()
    {
        Sample::Connection broker(QStringLiteral("Sim"));
        Sample::TradeLogEntry fill;
        fill.message = QStringLiteral("Filled 1 @ 5012.25");
        fill.connection = &broker;
        fill.tradeId = QStringLiteral("X-77");
        fill.orderState = OrderState(OrderState::Completed, OrderState::reasonFilled);
        Sample::TradeLogRecord logged(fill);

        ReportRecorder reports;
        IRecord *record = &logged;
        QCOMPARE(record->key(), QStringLiteral("X-77"));
        QCOMPARE(record->as<ILogRecord>()->message(), fill.message);
        QCOMPARE(record->as<IConnectionRecord>()->connection(), &broker);
        QCOMPARE(record->as<ITradeRecord>()->tradeId(), fill.tradeId);
        QVERIFY(record->as<ITradeLogRecord>()->orderState().isFilled());
        QCOMPARE(reports.count(), 0);
    }

    // Numbers the format does not know read "none"; "storageErrror" is spelt as the host's log tools match it.
    void errorInfoTexts()
    {
        const struct
        {
            int symbolError, storageError;
            const char *texts;
            bool ok, noDuplicates;
        } rows[] = {
            {0, 0, "none, storageErrror: none", true, true},
            {1, 3, "emptyBrokerName, storageErrror: none", false, true},
            {2, 2, "emptySymbolName, storageErrror: duplicateDisplayName", false, false},
            {3, 0, "badSymbolCategory, storageErrror: none", false, true},
            {4, 0, "badPriceScaleOrMinmovement, storageErrror: none", false, true},
            {5, 0, "badPointValue, storageErrror: none", false, true},
            {6, 1, "badLotSize, storageErrror: duplicateName", false, false},
            {7, 0, "badPriceMultiplier, storageErrror: none", false, true},
            {8, 0, "none, storageErrror: none", false, true},
            {0, 1, "none, storageErrror: duplicateName", false, false},
        };
        for (const auto &row : eachRow(rows)) {
            const SymbolStorageErrorInfo info{SymbolStorageErrorInfo::SymbolError(row.symbolError),
                                              SymbolStorageErrorInfo::StorageError(row.storageError)};
            QCOMPARE(info.format(),
                     QStringLiteral("SymbolStorageErrorInfo: symbolError: %1.").arg(QLatin1String(row.texts)));
            QVERIFY2(info.isOk() == row.ok && info.noDuplicateErrors() == row.noDuplicates, row.texts);
        }
    }
};

QTEST_GUILESS_MAIN(tst_Storage)
#include "tst_storage.moc"
