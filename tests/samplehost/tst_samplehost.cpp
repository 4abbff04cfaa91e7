// The sample host's own edges: what it says when it is used out of order.
#include <samplehost/orderstorage.h>
#include <samplehost/storage.h>
#include <samplehost/symbol.h>
#include <samplehost/topics.h>
#include <testsupport/reportrecorder.h>
#include <typekit/price.h>

#include <basekit/dump.h>
#include <basekit/variant.h>

#include <QtTest/QtTest>

using Trade::ReportRecorder;

class tst_SampleHost : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A symbol keeps its figures in a record over the installed symbol topic: one made before it has none.
    void symbolsAndTopics()
    {
        ReportRecorder reports;
        {
            Sample::Symbol early(QStringLiteral("ESZ26"), Symbology::symbolTypeFuture, 25, 100, 50.0);
            QCOMPARE(reports.lines(), QStringList(ReportRecorder::line(
                                          u"samplehost/symbol", u"Sample::Symbol::Symbol", u"m_topic != nullptr",
                                          ReportRecorder::quoted(u"The standard topics are not installed: the symbol "
                                                                 u"has no name and no figures. Name=\"ESZ26\""))));
            QVERIFY(early.name().isEmpty() && early.minMovement() == 1 && early.priceScale() == 1
                    && !early.isResolved());
            QVERIFY(early.lotSize() == 1 && early.bigPointValue() == 1.0 && early.priceMultiplier() == 1.0);
            Sample::OrderStorage orders; // no topics either: no order passes a filter
            orders.add(std::make_unique<Sample::Record>(QStringLiteral("1"), Trade::FieldSet()));
            QCOMPARE(orders.select(Trade::StorageFilter()).size(), 0);
        }
        const Sample::StandardTopics topics;
        Sample::Symbol es(QStringLiteral("ESZ26"), Symbology::symbolTypeFuture, 25, 100, 50.0);
        QCOMPARE(es.alternateTickSize(), 0.25); // without a second movement, the first one's
        es.setMinMovement2(1);
        QCOMPARE(es.alternateTickSize(), 0.01);

        // As many decimals as the tick has, eight at the most.
        const auto price = [](int minMovement, int scale) {
            return Sample::Symbol(QStringLiteral("FINE"), Symbology::symbolTypeForex, minMovement, scale)
                .formatPrice(12.000000011);
        };
        QCOMPARE(QStringList({price(1, 1), price(1, 0), price(25, 100), price(1, 100000000), price(3, 1000000000),
                              price(1, 1000000000)})
                     .join(u' '),
                 QStringLiteral("12 12 12.00 12.00000001 12.00000001 12.00000001"));

        // Looked up on first use, so the type may be registered later.
        const auto typeOf = [](const char *name) {
            return Sample::Field(QStringLiteral("F"), QStringLiteral("F"), QByteArray(name)).valueType();
        };
        QVERIFY(typeOf("Trade::Price") == qMetaTypeId<Trade::Price>() && typeOf("No::Such") == QMetaType::UnknownType);
        QCOMPARE(reports.count(), 2);

        // Without a collector of load problems, still logged.
        const Trade::Dump saved(Trade::Dump::Atom(QStringLiteral("Trade::ISymbol*"), QStringLiteral("NOPE")));
        reports.clear();
        QCOMPARE(Trade::Variant::load(saved, Trade::Variant()).valueOr<Trade::ISymbol *>(nullptr), nullptr);
        QCOMPARE(reports.logLines(), QStringList(ReportRecorder::logLine(
                                         0, 4, u"samplehost/keyedconverter", u"Sample::KeyedPointerConverter::load",
                                         u"no Trade::ISymbol* \"NOPE\" is known here")));
    }

    // Neither taken nor deleted (the sanitizer runs would see a second delete); the rest of a reset comes in.
    void recordOfAnotherStorage_data()
    {
        QTest::addColumn<bool>("byReset");
        QTest::newRow("add") << false;
        QTest::newRow("reset") << true;
    }

    void recordOfAnotherStorage()
    {
        QFETCH(bool, byReset);
        Sample::Storage first, second;
        Sample::Record *held = first.add(std::make_unique<Sample::Record>(QStringLiteral("a"), Trade::FieldSet()));
        ReportRecorder reports;
        QSignalSpy announced(&second, &Sample::Storage::storageChanged);
        if (byReset)
            second.reset(Sample::records(std::make_unique<Sample::Record>(QStringLiteral("b"), Trade::FieldSet()),
                                         std::unique_ptr<Sample::Record>(held)));
        else
            QCOMPARE(second.add(std::unique_ptr<Sample::Record>(held)), nullptr);
        const Trade::Enumerable<Trade::IRecord *> &records = first.records();
        QVERIFY(held && first.count() == 1 && first.at(0) == held);
        QVERIFY(records.value(0) == held && !records.value(-1) && !records.value(1));
        QCOMPARE(reports.lines().first(),
                 ReportRecorder::line(
                     u"samplehost/storage", byReset ? u"Sample::Storage::reset" : u"Sample::Storage::add",
                     u"record->m_storage == nullptr",
                     ReportRecorder::quoted(u"The record is held by another storage, and stays there. Key=\"a\"")));
        QCOMPARE(
            reports.lines().mid(1),
            QStringList(2, ReportRecorder::line(u"samplehost/storage", u"Sample::Storage::View::value", u"inRange")));
        reports.clear();
        QVERIFY(held->storage() == &first && second.count() == (byReset ? 1 : 0) && !second.find(QStringLiteral("a")));
        QCOMPARE(second.add(nullptr), nullptr); // nothing to add, take or change: silently nothing
        Sample::Field field(QStringLiteral("F"), QStringLiteral("F"), QMetaType::Int);
        Trade::VariantRecord changes;
        changes.setValue(&field, Trade::Variant(1));
        second.update(held, changes); // not second's to change
        second.update(nullptr, changes);
        QVERIFY(held->variantRecord().isEmpty());
        QCOMPARE(announced.size(), byReset ? 1 : 0);         // the reset, no record added or changed
        QVERIFY(!first.take(nullptr) && !second.take(held)); // not second's to give
        const std::unique_ptr<Sample::Record> taken(first.take(held));
        QVERIFY(taken.get() == held && first.count() == 0);
        QCOMPARE(reports.count(), 0);
    }
};

QTEST_GUILESS_MAIN(tst_SampleHost)
#include "tst_samplehost.moc"
