// Variant records: entries, copy-on-write, set algebra, equality, saved forms.
#include <testsupport/reportrecorder.h>

#include <samplehost/symbol.h>
#include <samplehost/ticket.h>
#include <samplehost/topics.h>
#include <typekit/eventsource.h>
#include <typekit/order/bracketcategory.h>
#include <typekit/order/orderaction.h>
#include <typekit/order/ordercategory.h>
#include <typekit/order/orderexpiry.h>
#include <typekit/order/orderflags.h>
#include <typekit/order/orderrecord.h>
#include <typekit/order/orderstate.h>
#include <typekit/order/spreadlegsorderinfo.h>
#include <typekit/price.h>
#include <typekit/quantity.h>
#include <typekit/symbol/symbolcategory.h>
#include <typekit/variant/variantrecord.h>
#include <typekit/variantrecordlist.h>

#include <QtTest/QtTest>

#include "samplemarket.h"

using namespace Trade;

namespace {

// The entries of a record as "id=value" texts, in entry order.
QStringList entries(const VariantRecord &record)
{
    QStringList result;
    for (IField *field : record.fields())
        result << field->id() + QLatin1Char('=') + record.rawValue(field).toString();
    return result;
}

// A record object of the host that is not a VariantRecord.
class MapRecord final : public IRecordData
{
public:
    QMap<IField *, Variant> map;
    QList<IField *> fields() const override { return map.keys(); }
    bool contains(IField *field) const override { return map.contains(field); }
    bool hasValue(IField *field) const override { return map.value(field).hasValue(field->valueType()); }
    const Variant &rawValue(IField *field) const override { return *map.find(field); }
    void setValue(IField *field, const Variant &value) override { map.insert(field, value); }
    void remove(IField *field) override { map.remove(field); }
    void clear() override { map.clear(); }
    Dump dump() const override { return Dump(); }
    int size() const override { return int(map.size()); }
    const VariantRecord &record() const override { static const VariantRecord none; return none; }
};

} // namespace

class tst_VariantRecord : public QObject, SampleMarket
{
    Q_OBJECT

    IField *id = topics.order().idField();
    IField *type = topics.order().typeField();
    IField *action = topics.order().actionField();
    IField *plus = topics.order().stopLimitPlusField();
    IField *tag = topics.order().zelTagField();
    Sample::ExitStrategyTemplate twoTargets{QStringLiteral("Two targets")};

    // A value that is not the type's default, for each value type of the sample topics' fields.
    Variant sampleValue(int typeId);

private slots:
    void entriesAndOrder()
    {
        QCOMPARE(sizeof(VariantRecord), sizeof(void *));
        VariantRecord forward;
        VariantRecord backward;
        const QList<IField *> order{id, type, action, plus, tag};
        for (int i = 0; i < order.size(); ++i) {
            forward.setValue(order.at(i), Variant(i));
            backward.setValue(order.at(order.size() - 1 - i), Variant(order.size() - 1 - i));
        }
        forward.setValue(type, Variant(10));  // the same field again replaces the value
        backward.setValue(type, Variant(10));
        QCOMPARE(forward.size(), 5);
        QVERIFY(forward == backward);
        QCOMPARE(forward.fields(), backward.fields());
        const QList<IField *> fields = forward.fields();
        QVERIFY(std::is_sorted(fields.cbegin(), fields.cend(), [](IField *l, IField *r) { return quintptr(l) < quintptr(r); }));
        QCOMPARE(forward.value(type, Variant()).toInt(), 10);

        forward.remove(type);
        forward.remove(type);  // a missing field is no error
        QCOMPARE(forward.size(), 4);
        QVERIFY(!forward.contains(type) && forward != backward);
        forward.setValue(nullptr, Variant(1));  // a null field has no entry to keep
        QCOMPARE(forward.size(), 4);
        forward.clear();
        QVERIFY(forward.isEmpty() && forward == VariantRecord());

        forward.setValue(id, Variant());  // an empty variant is an entry, stored as it is
        QVERIFY(forward.contains(id) && !forward.hasValue(id) && forward.size() == 1 && forward != VariantRecord());
        QCOMPARE(forward.value(id, Variant(5)), Variant());
        QCOMPARE(forward.value(type, Variant(5)), Variant(5));
    }

    void copyOnWrite()
    {
        VariantRecord original;
        original.setValue(id, Variant(QStringLiteral("A1")));
        original.setValue(plus, Variant(2));
        VariantRecord copy = original;
        QCOMPARE(&copy.rawValue(id), &original.rawValue(id));  // one shared array

        copy.setValue(id, Variant(QStringLiteral("B2")));        // an existing entry
        copy.setValue(tag, Variant(QStringLiteral("new")));      // a new entry
        QCOMPARE(original.rawValue(id).toString(), QStringLiteral("A1"));
        QCOMPARE(original.size(), 2);
        QCOMPARE(copy.size(), 3);

        VariantRecord third = copy;
        third.remove(tag);
        QVERIFY(copy.contains(tag) && !third.contains(tag));
        VariantRecord moved = std::move(third);
        QCOMPARE(moved.size(), 2);

        // The value handed in may live in the array that the insertion grows or moves.
        VariantRecord record;
        record.setValue(tag, Variant(QStringLiteral("kept")));
        for (IField *field : {id, type, action, plus})
            record.setValue(field, record.rawValue(tag));
        const VariantRecord shared = record;
        record.setValue(topics.order().gtdField(), record.rawValue(tag));
        for (IField *field : record.fields())
            QCOMPARE(record.rawValue(field).toString(), QStringLiteral("kept"));
        QCOMPARE(shared.size(), 5);
    }

    void rawValueOfMissingField()
    {
        VariantRecord record;
        ReportRecorder reports;
        const Variant &missing = record.rawValue(id);
        QVERIFY(!missing.isValid());
        QCOMPARE(&missing, &record.rawValue(type));  // one empty variant that stays valid
        QCOMPARE(reports.count(), 2);
        QCOMPARE(reports.lines().first(),
                 ReportRecorder::line(u"variant/variantrecord", u"Trade::VariantRecord::rawValue", u"it != m_data.end()",
                                      u"\"Key specified does not exist. Field=\"Order.Id\"\" "));
    }

    void merge_data()
    {
        QTest::addColumn<QString>("mine");
        QTest::addColumn<QString>("theirs");
        QTest::addColumn<QString>("merged");

        // Entries as "field:value" with fields I (id), T (type), P (plus); "-" is an empty variant.
        QTest::addRow("disjoint") << "I:1" << "T:2" << "I:1 T:2";
        QTest::addRow("theirs wins") << "I:1 P:3" << "I:9" << "I:9 P:3";
        QTest::addRow("empty variant wins") << "I:1" << "I:-" << "I:-";
        QTest::addRow("mine empty") << "" << "T:2" << "T:2";
        QTest::addRow("theirs empty") << "T:2" << "" << "T:2";
        QTest::addRow("interleaved") << "I:1 P:3" << "T:2 P:4" << "I:1 T:2 P:4";
    }

    void merge()
    {
        QFETCH(QString, mine);
        QFETCH(QString, theirs);
        QFETCH(QString, merged);

        const QHash<QString, IField *> fields{{QStringLiteral("I"), id}, {QStringLiteral("T"), type}, {QStringLiteral("P"), plus}};
        const auto build = [&](const QString &items) {
            VariantRecord record;
            for (const QString &item : items.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
                const QStringList parts = item.split(QLatin1Char(':'));
                record.setValue(fields.value(parts.at(0)), parts.at(1) == QLatin1String("-") ? Variant() : Variant(parts.at(1)));
            }
            return record;
        };
        const VariantRecord left = build(mine);
        const VariantRecord result = left.merge(build(theirs));
        QVERIFY(result == build(merged));
        QVERIFY(left == build(mine));  // unchanged
    }

    void removeAndExtractSplit()
    {
        VariantRecord record;
        for (IField *field : {id, type, action, plus})
            record.setValue(field, Variant(field->id()));
        const QList<FieldSet> sets{FieldSet(), FieldSet{id}, FieldSet{type, plus, tag}, FieldSet{id, type, action, plus}};
        for (const FieldSet &set : sets) {
            const VariantRecord removed = record.remove(set);
            const VariantRecord extracted = record.extract(set);
            QCOMPARE(removed.size() + extracted.size(), record.size());
            QVERIFY(removed.merge(extracted) == record);
            for (IField *field : extracted.fields())
                QVERIFY(set.contains(field) && !removed.contains(field));
        }
    }

    void validValuesAndConvert()
    {
        VariantRecord record;
        record.setValue(id, Variant(QStringLiteral("A1")));
        record.setValue(type, Variant());                                       // empty
        record.setValue(action, Variant(QDate(2026, 12, 6)));                   // another type than its field's
        record.setValue(plus, Variant(QStringLiteral("7")));                    // converts to the field's int
        record.setValue(tag, Variant(0));                                       // an int under a text field
        QCOMPARE(record.validValues().fields(), QList<IField *>{id});
        QVERIFY(!record.hasValue(plus) && !record.hasValue(tag) && record.hasValue(id));

        const VariantRecord converted = record.convert(Variant());
        QCOMPARE(converted.rawValue(plus), Variant(7));
        QVERIFY(converted.hasValue(plus));
        QVERIFY(!converted.rawValue(action).isValid());  // nothing converts a date to an action
        record.setValue(action, Variant(QStringLiteral("Sell Short")));  // a persistent text does
        QCOMPARE(record.convert(action, Variant()).valueOr(OrderAction()).toSaveableString(), QStringLiteral("Sell Short"));
        QCOMPARE(converted.size(), 5);
        QCOMPARE(record.convert(plus, Variant()), Variant(7));
        QVERIFY(!record.convert(nullptr, Variant()).isValid());

        // Prices and quantities are rebased on the context's symbol.
        OrderRecord order;
        order.setLimitPrice(Price(5012.25, &es));
        order.setQuantity(Quantity(3.0, &es));
        order.setId(QStringLiteral("A1"));

        ReportRecorder reports;
        const OrderRecord same(order.record().convert(Variant()));
        QCOMPARE(same.limitPrice().symbol(), &es);
        QVERIFY(same == order);

        const OrderRecord rebased(order.record().convert(Variant::fromValue(static_cast<ISymbol *>(&msft))));
        QCOMPARE(rebased.limitPrice().symbol(), &msft);
        QCOMPARE(rebased.limitPrice().value(), 5012.25);
        QCOMPARE(rebased.quantity().symbol(), &msft);
        QCOMPARE(rebased.id(), QStringLiteral("A1"));
        QCOMPARE(reports.count(), 0);
    }

    void equalityWithRecordData()
    {
        MapRecord other;
        other.setValue(id, Variant(QStringLiteral("A1")));
        other.setValue(plus, Variant(3));
        const VariantRecord record(&other);
        QVERIFY(record == &other);
        QVERIFY(&other == record);
        other.setValue(plus, Variant(4));
        QVERIFY(record != &other && &other != record && !(record == &other));
        other.remove(plus);
        other.setValue(tag, Variant(3));
        QVERIFY(record != &other);
        QVERIFY(VariantRecord() == static_cast<const IRecordData *>(nullptr));  // a null record has no entries
        QVERIFY(record != static_cast<const IRecordData *>(nullptr));
    }

    void saveAndLoad()
    {
        VariantRecord record;
        record.setValue(id, Variant(QStringLiteral("A1")));
        record.setValue(action, Variant::fromValue(OrderAction(OrderAction::SellShort)));
        record.setValue(plus, Variant(-3));
        record.setValue(tag, Variant());

        ReportRecorder reports;
        const Dump saved = record.dump();
        QCOMPARE(saved.asContainer().typeName(), QStringLiteral("Trade::VariantRecord"));
        QCOMPARE(saved.asContainer().size(), 4);
        QCOMPARE(saved.asContainer().items().first().asStruct().member(QStringLiteral("field")).asAtom().value(),
                 record.fields().first()->id());
        const VariantRecord loaded = Variant::load(Dump::fromJson(saved.toJsonIndented()), Variant()).valueOr(VariantRecord());
        QCOMPARE(entries(loaded), entries(record));
        QVERIFY(loaded.contains(tag) && !loaded.hasValue(tag));
        QVERIFY(loaded == record);  // the action travels as its persistent text
        QCOMPARE(reports.count(), 0);

        QCOMPARE(VariantRecord().dump().asContainer().size(), 0);
        QVERIFY(Variant::load(VariantRecord().dump(), Variant()).valueOr(record).isEmpty());
    }

    // Every field of the installed topics keeps a value of its type through a save and a load, in
    // memory and through JSON. A field whose type has no sample value here fails, so that a type
    // added to the topics is added here too.
    void everyFieldRoundTrips_data()
    {
        QTest::addColumn<IField *>("field");
        for (IField *field : IStandardTopics::allFields())
            QTest::addRow("%s", qPrintable(field->id())) << field;
    }

    void everyFieldRoundTrips()
    {
        QFETCH(IField *, field);
        const Variant value = sampleValue(field->valueType());
        QVERIFY2(value.hasValue(field->valueType()), QMetaType(field->valueType()).name());
        IField *blank = field == tag ? type : tag;
        VariantRecord record;
        record.setValue(field, value);
        record.setValue(blank, Variant(QString()));  // and a text without value beside it

        ReportRecorder reports;
        const Dump saved = record.dump();
        for (const Dump &form : {saved, Dump::fromJson(saved.toJsonIndented())}) {
            const VariantRecord loaded = Variant::load(form, Variant()).valueOr(VariantRecord());
            QCOMPARE(loaded.rawValue(field).userType(), value.userType());
            QVERIFY2(loaded == record, qPrintable(loaded.dump().toJsonIndented()));
            QVERIFY(loaded.hasValue(field) && loaded.contains(blank) && !loaded.hasValue(blank));
        }
        QCOMPARE(reports.count(), 0);
    }

    void loadDropsWhatItCannotRead_data()
    {
        QTest::addColumn<Dump>("item");
        QTest::addColumn<int>("size");

        const auto entry = [](const Dump &field, const Dump &value) {
            Dump::Struct item{QString()};
            item.insert(QStringLiteral("field"), field);
            item.insert(QStringLiteral("value"), value);
            return Dump(item);
        };
        const Dump value(Dump::Atom(QStringLiteral("int"), QStringLiteral("5")));
        QTest::addRow("readable") << entry(Dump(Dump::Atom(QStringLiteral("Trade::IField*"), QStringLiteral("Order.Id"))), value) << 1;
        QTest::addRow("unknown field id") << entry(Dump(Dump::Atom(QStringLiteral("Trade::IField*"), QStringLiteral("Order.Nope"))), value) << 0;
        QTest::addRow("field without a converter") << entry(Dump(Dump::Atom(QStringLiteral("QObject*"), QString())), value) << 0;
        QTest::addRow("field of another type") << entry(value, value) << 0;
        QTest::addRow("item not a struct") << value << 0;
        QTest::addRow("no members") << Dump(Dump::Struct()) << 0;
    }

    void loadDropsWhatItCannotRead()
    {
        QFETCH(Dump, item);
        QFETCH(int, size);

        ReportRecorder reports;
        Dump::Container saved(QStringLiteral("Trade::VariantRecord"));
        saved.append(item);
        const VariantRecord loaded = Variant::load(Dump(saved), Variant()).valueOr(VariantRecord());
        QCOMPARE(loaded.size(), size);
        QCOMPARE(reports.count(), 0);
    }

    void converterOfOtherTypes()
    {
        VariantRecordConverter converter;
        ReportRecorder reports;
        QVERIFY(!converter.fromVariant(Variant(3), Variant()).isValid());
        QCOMPARE(reports.lines(), QStringList{ReportRecorder::line(u"variant/variantrecord", u"Trade::VariantRecordConverter::fromVariant",
                                                                   u"false && \"Unexpected situation\"")});
        const Variant record = Variant::fromValue(VariantRecord());
        QCOMPARE(converter.fromVariant(record, Variant()).userType(), record.userType());
    }
};

Variant tst_VariantRecord::sampleValue(int typeId)
{
    SpreadLegsOrderInfo legs;
    legs.orderInfoBySymbol(&es).setQuantity(Quantity(2.0, &es));
    VariantRecord leg;
    leg.setValue(id, Variant(QStringLiteral("leg")));
    OrderFlags flags;
    flags.setFlag(OrderFlags::ZeroQuantityIsValid);
    const QList<Variant> values{
        Variant::fromValue(static_cast<ISymbol *>(&es)),
        Variant::fromValue(static_cast<IAccount *>(&account)),
        Variant::fromValue(static_cast<IExitStrategyTemplate *>(&twoTargets)),
        Variant(QDateTime(QDate(2026, 12, 6), QTime(14, 30, 5, 250), Qt::UTC)),
        Variant(QDate(2026, 12, 31)),
        Variant(QStringLiteral("text")),
        Variant(QStringList{QStringLiteral("ES"), QStringLiteral("@ES")}),
        Variant(-42),
        Variant(1234.5625),
        Variant(true),
        Variant::fromValue(OrderAction(OrderAction::SellShort)),
        Variant::fromValue(BracketCategory(BracketCategory::TakeProfit)),
        Variant::fromValue(OrderState(OrderState::Completed, OrderState::reasonCanceled)),
        Variant::fromValue(OrderExpiry(OrderExpiry::GoodTillCancel)),
        Variant::fromValue(OrderCategory(OrderCategory::StopLimit)),
        Variant::fromValue(EventSource(EventSource::Chart, Common::InvocationType(2))),
        Variant::fromValue(EventReason(QStringLiteral("weekly: rebalance"))),
        Variant::fromValue(flags),
        Variant::fromValue(SymbolCategory(Symbology::symbolTypeFuture)),
        Variant::fromValue(Price(5012.25, &es)),
        Variant::fromValue(Quantity(3.0, &es)),
        Variant::fromValue(legs),
        Variant::fromValue(VariantRecordList{leg}),
    };
    for (const Variant &value : values) {
        if (value.userType() == typeId)
            return value;
    }
    return Variant();
}

QTEST_GUILESS_MAIN(tst_VariantRecord)
#include "tst_variantrecord.moc"
