// Record lists: made from a storage, saved without their empty records, compared for equality
// only, and the converter's reports for other types.
#include <testsupport/reportrecorder.h>

#include <samplehost/market.h>
#include <typekit/order/orderrecord.h>
#include <typekit/variantrecordlist.h>

#include <QtTest/QtTest>

using namespace Trade;

class tst_VariantRecordList : public QObject
{
    Q_OBJECT

    // A new market for each test, and two records over its topics.
    std::unique_ptr<Sample::Market> market;
    VariantRecord first;
    VariantRecord second;

private Q_SLOTS:
    void init()
    {
        market = std::make_unique<Sample::Market>();
        first = second = VariantRecord();
        first.setValue(market->topics.order().idField(), Variant(QStringLiteral("leg 1")));
        second.setValue(market->topics.order().idField(), Variant(QStringLiteral("leg 2")));
    }
    void cleanup() { market.reset(); }

    void fromStorage()
    {
        Sample::OrderStorage orders;
        orders.addOrder(OrderRecord(first));
        orders.addOrder(OrderRecord(second));
        ReportRecorder reports;
        QCOMPARE(VariantRecordList(&orders), VariantRecordList({first, second}));
        QVERIFY(VariantRecordList(nullptr).isEmpty());
        QCOMPARE(reports.lines(),
                 QStringList{ReportRecorder::line(u"variantrecordlist", u"Trade::VariantRecordList::VariantRecordList",
                                                  u"storage != NULL")});
    }

    void saveAndLoad()
    {
        const VariantRecordList list{first, VariantRecord(), second, VariantRecord()};
        ReportRecorder reports;
        const Dump saved = list.dump();
        QCOMPARE(saved.asContainer().size(), 2); // empty records are left out
        const VariantRecordList loaded =
            Variant::load(Dump::fromJson(saved.toJsonIndented()), Variant()).valueOr(VariantRecordList());
        QCOMPARE(loaded, VariantRecordList({first, second}));
        QVERIFY(Variant::load(VariantRecordList{VariantRecord()}.dump(), Variant()).valueOr(list).isEmpty());
        // Every item is taken: one that loads as no record (or as an empty one) is an empty record
        // in its place. Saving leaves those out, so the saved form settles after one round.
        Dump::Container foreign(saved.typeName());
        foreign.append(Variant(3).save());
        foreign.append(Dump(Dump::Container(QStringLiteral("Trade::VariantRecord"))));
        foreign.append(saved.asContainer().items().first());
        const Variant fromForeign = Variant::load(Dump(foreign), Variant());
        QCOMPARE(fromForeign.valueOr(VariantRecordList()),
                 VariantRecordList({VariantRecord(), VariantRecord(), first}));
        QCOMPARE(Variant::load(fromForeign.save(), Variant()).valueOr(VariantRecordList()), VariantRecordList{first});
        QCOMPARE(reports.count(), 0);
    }

    void converter()
    {
        const VariantRecordList list{first, VariantRecord(), second};
        VariantRecordListConverter converter;
        ReportRecorder reports;
        const Variant some = Variant::fromValue(list);
        const Variant other = Variant::fromValue(VariantRecordList{second});
        QCOMPARE(converter.compare(some, other), 1);
        QCOMPARE(converter.compare(other, some), 1); // equality, not order
        QCOMPARE(converter.compare(some, Variant::fromValue(list)), 0);
        QCOMPARE(converter.compare(Variant(), Variant::fromValue(VariantRecordList())), -1);
        QCOMPARE(converter.compare(Variant(), Variant()), 0);
        QVERIFY(some == Variant::fromValue(list));
        QCOMPARE(converter.toVariant(some).userType(), some.userType());
        QCOMPARE(reports.count(), 0);

        const QString file = QStringLiteral("variantrecordlist");
        QCOMPARE(converter.compare(some, Variant(1)), 1);
        QCOMPARE(converter.compare(Variant(1), some), -1);
        QVERIFY(!converter.fromVariant(Variant(1), Variant()).isValid());
        QVERIFY(!converter.toVariant(Variant(1)).isValid());
        QVERIFY(converter.toString(some).isNull());
        const QString compare = ReportRecorder::line(file, u"Trade::VariantRecordListConverter::compare",
                                                     u"!\"Compare with input value type is not implemented\"");
        const QString conversion = QStringLiteral("!\"Conversion from input value type is not implemented\"");
        QCOMPARE(reports.lines(),
                 QStringList({compare, compare,
                              ReportRecorder::line(file, u"Trade::VariantRecordListConverter::fromVariant", conversion),
                              ReportRecorder::line(file, u"Trade::VariantRecordListConverter::toVariant", conversion),
                              ReportRecorder::line(u"trade/common/export/include/iconverter",
                                                   u"Trade::StubConverterImpl::toString", u"!\"Not Implemented.\"")}));
    }
};

QTEST_GUILESS_MAIN(tst_VariantRecordList)
#include "tst_variantrecordlist.moc"
