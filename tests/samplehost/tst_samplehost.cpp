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

class tst_SampleHost : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A symbol keeps its figures in a record over the installed symbol topic: one made before the
    // host's topics says so, once, and has neither name nor figures; one made after has both.
    void symbolBeforeTopics()
    {
        Trade::ReportRecorder reports;
        {
            Sample::Symbol early(QStringLiteral("ESZ26"), Symbology::symbolTypeFuture, 25, 100, 50.0);
            QCOMPARE(reports.lines(),
                     QStringList({Trade::ReportRecorder::line(
                         u"samplehost/symbol", u"Sample::Symbol::Symbol", u"m_topic != nullptr",
                         Trade::ReportRecorder::quoted(u"The standard topics are not installed: the symbol has no "
                                                       u"name and no figures. Name=\"ESZ26\""))}));
            QCOMPARE(early.name(), QString());
            // Its figures are those of a whole tick and lot, and it is not resolved.
            QVERIFY(early.minMovement() == 1 && early.priceScale() == 1 && early.lotSize() == 1);
            QVERIFY(early.bigPointValue() == 1.0 && early.priceMultiplier() == 1.0 && !early.isResolved());
            Sample::OrderStorage orders; // finds no topics either, and lets no order pass a filter
            QCOMPARE(reports.reports().last().condition, QStringLiteral("s_instance != 0"));
            orders.add(std::make_unique<Sample::Record>(QStringLiteral("1"), Trade::FieldSet()));
            QCOMPARE(orders.select(Trade::StorageFilter()).size(), 0);
        }
        Sample::StandardTopics topics;
        Sample::Symbol es(QStringLiteral("ESZ26"), Symbology::symbolTypeFuture, 25, 100, 50.0);
        QCOMPARE(es.name(), QStringLiteral("ESZ26"));
        QCOMPARE(es.minMovement(), 25);
        QCOMPARE(es.alternateTickSize(), 0.25); // without a second movement, the first one's
        es.setMinMovement2(1);
        QCOMPARE(es.alternateTickSize(), 0.01);
        QCOMPARE(reports.count(), 2);
    }

    // A symbol writes its prices with as many decimals as its tick has, eight at the most.
    void priceDecimals_data()
    {
        QTest::addColumn<int>("minMovement");
        QTest::addColumn<int>("priceScale");
        QTest::addColumn<QString>("text");
        QTest::addRow("whole ticks") << 1 << 1 << QStringLiteral("12");
        QTest::addRow("no price scale") << 1 << 0 << QStringLiteral("12");
        QTest::addRow("quarters") << 25 << 100 << QStringLiteral("12.00");
        QTest::addRow("eight decimals") << 1 << 100000000 << QStringLiteral("12.00000001");
        QTest::addRow("nine decimals") << 3 << 1000000000 << QStringLiteral("12.00000001");
        QTest::addRow("a billionth") << 1 << 1000000000 << QStringLiteral("12.00000001");
    }
    void priceDecimals()
    {
        QFETCH(int, minMovement);
        QFETCH(int, priceScale);
        QFETCH(QString, text);
        const Sample::StandardTopics topics;
        const Sample::Symbol symbol(QStringLiteral("FINE"), Symbology::symbolTypeForex, minMovement, priceScale);
        QCOMPARE(symbol.formatPrice(12.000000011), text);
    }

    // A load outside any collector of load problems still logs the symbol it could not find.
    void unknownSymbolWithoutCollector()
    {
        const Sample::StandardTopics topics;
        Trade::ReportRecorder reports;
        const Trade::Dump saved(Trade::Dump::Atom(QStringLiteral("Trade::ISymbol*"), QStringLiteral("NOPE")));
        QCOMPARE(Trade::Variant::load(saved, Trade::Variant()).valueOr<Trade::ISymbol *>(nullptr), nullptr);
        QCOMPARE(reports.logLines(), QStringList(Trade::ReportRecorder::logLine(
                                         0, 4, u"samplehost/keyedconverter", u"Sample::KeyedPointerConverter::load",
                                         u"no Trade::ISymbol* \"NOPE\" is known here")));
    }

    // A field may name its value type instead of giving its id: the name is looked up on first
    // use, so that the type may be registered after the field is made.
    void fieldTypeByName()
    {
        const auto typeOf = [](const char *name) {
            return Sample::Field(QStringLiteral("F"), QStringLiteral("F"), QByteArray(name)).valueType();
        };
        QCOMPARE(typeOf("Trade::Price"), qMetaTypeId<Trade::Price>());
        QCOMPARE(typeOf("No::Such"), int(QMetaType::UnknownType));
    }

    // A storage owns what it holds: a record that another storage holds, given to add() or
    // reset() all the same, is reported and stays where it was, neither taken nor deleted (the
    // sanitizer runs would see a second delete); the rest of a reset comes in.
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
        QVERIFY(held);
        Trade::ReportRecorder reports;
        QSignalSpy announced(&second, &Sample::Storage::storageChanged);
        if (byReset) {
            second.reset(Sample::records(std::make_unique<Sample::Record>(QStringLiteral("b"), Trade::FieldSet()),
                                         std::unique_ptr<Sample::Record>(held)));
        } else {
            QCOMPARE(second.add(std::unique_ptr<Sample::Record>(held)), nullptr);
        }
        QCOMPARE(
            reports.lines(),
            QStringList({Trade::ReportRecorder::line(
                u"samplehost/storage", byReset ? u"Sample::Storage::reset" : u"Sample::Storage::add",
                u"record->m_storage == nullptr",
                Trade::ReportRecorder::quoted(u"The record is held by another storage, and stays there. Key=\"a\""))}));
        QCOMPARE(first.count(), 1);
        QCOMPARE(first.at(0), held);
        // Its records' view reads its first and last record, and nothing beyond its ends.
        const Trade::Enumerable<Trade::IRecord *> &records = first.records();
        QVERIFY(records.value(0) == held && !records.value(-1) && !records.value(1));
        const QString outside =
            Trade::ReportRecorder::line(u"samplehost/storage", u"Sample::Storage::View::value", u"inRange");
        QCOMPARE(reports.lines().mid(1), QStringList(2, outside));
        reports.clear();
        QCOMPARE(held->storage(), &first);
        QCOMPARE(second.count(), byReset ? 1 : 0);
        QCOMPARE(second.find(QStringLiteral("a")), nullptr);
        QCOMPARE(announced.size(), byReset ? 1 : 0); // the reset, no record added
        QCOMPARE(second.add(nullptr), nullptr);      // nothing to add, take or change: silently nothing
        Sample::Field field(QStringLiteral("F"), QStringLiteral("F"), QMetaType::Int);
        Trade::VariantRecord changes;
        changes.setValue(&field, Trade::Variant(1));
        second.update(held, changes); // not second's to change
        second.update(nullptr, changes);
        QVERIFY(held->variantRecord().isEmpty());
        QCOMPARE(announced.size(), byReset ? 1 : 0);
        QCOMPARE(first.take(nullptr), nullptr);
        QCOMPARE(second.take(held), nullptr); // not second's to give
        const std::unique_ptr<Sample::Record> taken(first.take(held));
        QCOMPARE(taken.get(), held);
        QCOMPARE(first.count(), 0);
        QCOMPARE(reports.count(), 0);
    }
};

QTEST_GUILESS_MAIN(tst_SampleHost)
#include "tst_samplehost.moc"
