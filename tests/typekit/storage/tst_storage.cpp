#include <testsupport/reportrecorder.h>

#include <samplehost/market.h>
#include <samplehost/tradelogrecord.h>
#include <typekit/order/orderstoragefilter.h>
#include <typekit/position/positionstoragefilter.h>
#include <typekit/storage/storagerecordssubscriptionholder.h>
#include <typekit/storage/symbolstorageerrorinfo.h>

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

// A holder between a storage and an observer; host code may delete any of the three while the holder walks.
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
        // Sent by hand: unknown events and an addition without a record change nothing.
        const auto send = [&](int event, const char *key) {
            QVERIFY(QMetaObject::invokeMethod(
                holder.get(), "slot_storageChanged", Q_ARG(Trade::IStorage::ChangeEvent, IStorage::ChangeEvent(event)),
                Q_ARG(Trade::IRecord *, storage.find(QString::fromLatin1(key))), Q_ARG(Trade::IStorage *, &storage)));
        };
        storage.find(QStringLiteral("b"))->unsubscribe(&observer);
        send(0, "b"), send(6, "b"), send(IStorage::Added, "");
        QCOMPARE(subscribed(storage, &observer), QStringLiteral("a"));

        storage.add(record("c"));
        storage.update(storage.find(QStringLiteral("c")), VariantRecord());
        QCOMPARE(observer.changes, 1);
        storage.clear(); // unsubscribed before the records went
        storage.add(record("f"));
        QCOMPARE(observer.disposals, 0);

        holder.reset();
        QCOMPARE(subscribed(storage, &observer), QString());
        QCOMPARE(reports.count(), 0);

        // A record added and taken out again, or deleted, by host code that heard of it before a holder.
        bool deleting = false;
        std::unique_ptr<Sample::Record> taken;
        QObject::connect(&storage, &Sample::Storage::storageChanged, &storage, [&](auto event, IRecord *added) {
            if (event == IStorage::Added && deleting)
                storage.remove(dynamic_cast<Sample::Record *>(added));
            else if (event == IStorage::Added)
                taken.reset(storage.take(dynamic_cast<Sample::Record *>(added)));
        });
        holder = std::make_unique<StorageRecordsSubscriptionHolder>(&storage, &observer);
        storage.add(record("g"));
        QVERIFY(taken && !taken->isSubscribed(&observer));
        deleting = true;
        storage.add(record("h"));
        QCOMPARE(subscribed(storage, &observer), QStringLiteral("f"));

        Sample::Storage queued;
        queued.setConnectionType(Qt::QueuedConnection);
        queued.add(record("a"));
        StorageRecordsSubscriptionHolder later(&queued, &observer);
        queued.add(record("b"));
        QCOMPARE(subscribed(queued, &observer), QString());
        QTRY_COMPARE(subscribed(queued, &observer), QStringLiteral("a,b"));
    }

    // A storage deleted while it resets, on the disposal of an old record; the holder with a storage or observer gone.
    void lifetimes()
    {
        QPointer<Sample::Storage> deleted = new Sample::Storage;
        deleted->reset(Sample::records(record("a")));
        QObject host;
        QObject::connect(deleted->at(0), &Sample::Record::disposed, &host, [&deleted] { delete deleted; });
        deleted->reset(Sample::records(record("b"), std::unique_ptr<Sample::Record>(), record("c"))); // a null one too
        QVERIFY(!deleted);

        ReportRecorder reports;
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

    // Host code run while the holder, walking a reset, subscribes the observer to b ("-": storage or observer gone).
    void storageChangesDuringTheWalk()
    {
        const std::pair<Change, const char *> rows[] = {
            {[](Walk &w) { w.remove("a"), w.remove("b"); }, "c"}, // c moves up to the first place
            {[](Walk &w) { w.storage->add(record("d")); }, "a,b,c,d"},
            {[](Walk &w) { w.storage->clear(); }, ""},
            // The holder's end unsubscribes a and b so far; b then subscribes its remaining signal, asked before.
            {[](Walk &w) { delete w.holder; }, "b"},
            {[](Walk &w) { w.storage.reset(); }, "-"},
            {[](Walk &w) { w.observer.reset(); }, "-"},
        };
        for (const auto &[change, after] : eachRow(rows)) {
            Walk w;
            auto hooked = std::make_unique<HookedRecord>(QStringLiteral("b"));
            hooked->onAttached = [&, &change = change] { change(w); };
            ReportRecorder reports;
            w.storage->reset(
                Sample::records(record("a"), std::move(hooked), record("c"))); // may end the storage while it runs
            QVERIFY(!w.holder || w.holder->storage() == w.storage.get());      // null once it went
            if (w.storage && w.observer)
                QCOMPARE(subscribed(*w.storage, w.observer.get()), QString::fromLatin1(after));
            QCOMPARE(reports.count(), 0);
        }
    }

    void sampleStoragesSelect()
    {
        Sample::Market &m = *market;
        const std::tuple<const char *, Sample::Symbol *, Sample::Account *, OrderAction::Type, OrderState::Type>
            orders[] = {{"A", &m.es, &m.account, OrderAction::Buy, OrderState::Working},
                        {"B", &m.es, &m.account, OrderAction::SellShort, OrderState::Completed},
                        {"C", &m.msft, &m.second, OrderAction::BuyToCover, OrderState::Canceling}};
        for (const auto &[id, symbol, owner, action, state] : orders) {
            OrderRecord order;
            order.setId(QString::fromLatin1(id)), order.setSymbol(symbol), order.setAccount(owner);
            order.setAction(action), order.setState(OrderState(state));
            m.orders.addOrder(order);
        }
        const auto position = [](Sample::Symbol *symbol, Sample::Account *owner, double lots) {
            auto made = std::make_unique<Sample::Position>(symbol, owner);
            made->setQuantity(Quantity::fromLots(lots, symbol));
            return made;
        };
        m.positions.reset(Sample::records(position(&m.es, &m.account, 2), position(&m.es, &m.second, -1),
                                          position(&m.msft, &m.account, 0),
                                          std::make_unique<Sample::Position>(&m.nq, &m.second), record("no position")));
        ReportRecorder reports; // a position without a quantity is on neither side, and says nothing
        QStringList held;       // a record that is no position is in no selection, nor among the positions
        for (IPosition *one : m.positions.positions())
            held << one->record()->key();
        QCOMPARE(held.join(u','), QStringLiteral("SIM-1:ESZ26,SIM-2:ESZ26,SIM-1:MSFT,SIM-2:NQZ26"));

        const auto keys = [](const Sample::Storage &storage, const StorageFilter &filter) {
            QStringList selected;
            for (IRecord *record : storage.select(filter))
                selected << record->key();
            return selected.join(QLatin1Char(','));
        };
        QCOMPARE(keys(m.orders, OrderStorageFilter().account(&m.second)), QStringLiteral("C"));
        QCOMPARE(keys(m.orders, OrderStorageFilter().side(TradeSide::Long)), QStringLiteral("A,C"));
        QCOMPARE(keys(m.orders, OrderStorageFilter().canCancel(true)), QStringLiteral("A"));
        QCOMPARE(keys(m.orders, StorageFilter().symbol(&m.es)), QStringLiteral("A,B")); // not an order filter
        QCOMPARE(keys(m.orders, OrderStorageFilter().symbol(&m.es).side(TradeSide::Short).working(false)), u"B");
        const OrderStorageFilter working = OrderStorageFilter().working(true);
        for (int i = 0; i < m.orders.count(); ++i)
            QVERIFY(m.orders.IStorage::passesFilter(m.orders.at(i), working) == (i != 1)
                    && m.orders.passesFilter(m.orders.at(i), working) == (i != 1));
        QCOMPARE(keys(m.positions, PositionStorageFilter().side(TradeSide::Long)), u"SIM-1:ESZ26");
        QCOMPARE(keys(m.positions, PositionStorageFilter().side(TradeSide::Short)), u"SIM-2:ESZ26");
        QCOMPARE(keys(m.positions, PositionStorageFilter().canClose(false)), u"SIM-1:MSFT,SIM-2:NQZ26");
        QCOMPARE(keys(m.positions, PositionStorageFilter().account(&m.account).canClose(true)), u"SIM-1:ESZ26");
        Sample::Storage plain; // a storage of no kind selects every record
        plain.reset(Sample::records(record("a"), record("b")));
        QCOMPARE(keys(plain, OrderStorageFilter().working(true)), u"a,b");
        QCOMPARE(reports.count(), 0);
    }

    // Unset properties report when read; null values report when set, and are kept. Derived filters; affiliations.
    void filters()
    {
        const auto line = [](QStringView file, QStringView function, QStringView condition) {
            return ReportRecorder::line(file, function, condition);
        };
        const char16_t *const common = u"storage/storagefilter", *const order = u"order/orderstoragefilter";
        ReportRecorder reports;
        const StorageFilter unset;
        QVERIFY(!unset.symbol() && unset.accounts().isEmpty() && int(TradeSide::Type(unset.side())) == 0
                && !unset.affiliationInformation().useAnyAffiliation());
        QVERIFY(!PositionStorageFilter().canClose() && !OrderStorageFilter().working()
                && !OrderStorageFilter().canCancel());
        StorageFilter nulls;
        nulls.symbol(nullptr).account(nullptr).side(TradeSide());
        QVERIFY(nulls.hasAccounts()); // stored all the same
        QCOMPARE(
            reports.lines(),
            QStringList(
                {line(common, u"Trade::StorageFilter::symbol", u"hasSymbol()"),
                 line(common, u"Trade::StorageFilter::accounts", u"hasAccounts()"),
                 line(common, u"Trade::StorageFilter::side", u"hasSide()"),
                 line(common, u"Trade::StorageFilter::affiliationInformation", u"hasAffiliationInformation()"),
                 line(u"position/positionstoragefilter", u"Trade::PositionStorageFilter::canClose", u"hasCanClose()"),
                 line(order, u"Trade::OrderStorageFilter::working", u"hasWorking()"),
                 line(order, u"Trade::OrderStorageFilter::canCancel", u"hasCanCancel()"),
                 line(common, u"Trade::StorageFilter::setSymbol", u"value != 0"),
                 line(common, u"Trade::StorageFilter::addAccount", u"value != 0"),
                 line(common, u"Trade::StorageFilter::setSide", u"value != TradeSide::Unknown")}));
        reports.clear();

        StorageFilter filter;
        Sample::Account *const account = &market->account;
        filter.type(StorageFilter::Type(2)).symbol(&market->es).account(account);
        filter.account(account).side(TradeSide(TradeSide::Short));
        filter.accounts({account});
        QCOMPARE(filter.accounts(), QVector<IAccount *>(3, account)); // repeats kept
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
        QCOMPARE(Variant::fromValue(PositionStorageFilter(filter)).userType(), PositionStorageFilter::metaTypeId);
        QCOMPARE(reports.count(), 0);

        const std::tuple<const char *, const char *, const char *, bool> rows[] = {
            {"", "", "affiliation <empty>", false},
            {"Desk", "", "affiliation [document='Desk', page='']", true},
            {"", "Futures", "affiliation [document='', page='Futures']", true},
        };
        for (const auto &[document, page, text, valid] : eachRow(rows)) {
            const AffiliationInformation affiliation{QString::fromLatin1(document), QString::fromLatin1(page)};
            Shadow::LogStream(5, 3, u"test", 1, u"Test::log") << "affiliation " << affiliation;
            QCOMPARE(reports.logs().last().text, QString::fromLatin1(text));
            QCOMPARE(AffiliationInformationFilter(affiliation).isValid(), valid);
        }
    }

    // Keyed by the trade id, or without one by the order id and the time it was logged.
    void tradeLogRecordKeys()
    {
        Sample::TradeLogEntry fill;
        fill.orderId = QStringLiteral("A-1");
        fill.loggedAt = QDateTime::fromString(QStringLiteral("2026-01-02T03:04:05.006Z"), Qt::ISODateWithMs);
        QCOMPARE(Sample::TradeLogRecord(fill).key(), u"A-1@2026-01-02T03:04:05.006Z");
        fill.tradeId = QStringLiteral("X-77");
        Sample::TradeLogRecord logged(fill);
        QVERIFY(logged.key() == u"X-77" && static_cast<IRecord *>(&logged)->as<ITradeLogRecord>() == &logged);
    }

    // Numbers the format does not know read "none"; "storageErrror" is spelt as the host's log tools match it.
    void errorInfoTexts()
    {
        // symbol error, storage error, texts, ok, no duplicates
        const std::tuple<int, int, const char *, bool, bool> rows[] = {
            {0, 0, "none, storageErrror: none", true, true},
            {1, 3, "emptyBrokerName, storageErrror: none", false, true},
            {2, 2, "emptySymbolName, storageErrror: duplicateDisplayName", false, false},
            {6, 1, "badLotSize, storageErrror: duplicateName", false, false},
            {7, 0, "badPriceMultiplier, storageErrror: none", false, true},
            {8, 0, "none, storageErrror: none", false, true},
        };
        for (const auto &[symbolError, storageError, texts, ok, noDuplicates] : eachRow(rows)) {
            const SymbolStorageErrorInfo info{SymbolStorageErrorInfo::SymbolError(symbolError),
                                              SymbolStorageErrorInfo::StorageError(storageError)};
            QCOMPARE(info.format(),
                     QStringLiteral("SymbolStorageErrorInfo: symbolError: %1.").arg(QLatin1String(texts)));
            QCOMPARE(info.isOk(), ok);
            QCOMPARE(info.noDuplicateErrors(), noDuplicates);
        }
    }
};

QTEST_GUILESS_MAIN(tst_Storage)
#include "tst_storage.moc"
