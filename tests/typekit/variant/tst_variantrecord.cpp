#include <testsupport/reportrecorder.h>

#include <samplehost/market.h>
#include <samplehost/ticket.h>
#include <typekit/connection/connectionstate.h>
#include <typekit/order/bracketcategory.h>
#include <typekit/order/orderrecord.h> // and the types of its attributes
#include <typekit/position/tradeside.h>
#include <typekit/symbol/symbolcategory.h>
#include <typekit/variantrecordlist.h>

#include <QtTest/QtTest>

#include "rows.h"

#include <memory>

using namespace Trade;

class tst_VariantRecord : public QObject
{
    Q_OBJECT

    std::unique_ptr<Sample::Market> market;
    IField *id = nullptr, *type = nullptr, *action = nullptr, *plus = nullptr, *tag = nullptr;
    Sample::ExitStrategyTemplate twoTargets{QStringLiteral("Two targets")};

    // "field:value" items: I (id), T (type), A (action), P (plus), Z (tag); "-" is an empty variant.
    VariantRecord build(const char *items) const
    {
        const QHash<QChar, IField *> fields{{u'I', id}, {u'T', type}, {u'A', action}, {u'P', plus}, {u'Z', tag}};
        VariantRecord record;
        for (const QString &item : QString::fromLatin1(items).split(QLatin1Char(' '), Qt::SkipEmptyParts))
            record.setValue(fields.value(item.at(0)),
                            item.mid(2) == QLatin1String("-") ? Variant() : Variant(item.mid(2)));
        return record;
    }
    static bool byAddress(IField *l, IField *r) { return quintptr(l) < quintptr(r); }

private Q_SLOTS:
    void init()
    {
        market = std::make_unique<Sample::Market>();
        const Sample::OrderTopic &o = market->topics.order();
        std::tie(id, type, action, plus, tag) =
            std::make_tuple(o.idField(), o.typeField(), o.actionField(), o.stopLimitPlusField(), o.zelTagField());
    }
    void cleanup() { market.reset(); }

    void entriesAndEquality()
    {
        QCOMPARE(sizeof(VariantRecord), sizeof(void *));
        // The same field again (T) replaces the value; the order of the entries is that of the fields.
        VariantRecord forward = build("I:0 T:1 A:2 P:3 Z:4 T:10");
        const VariantRecord backward = build("Z:4 P:3 A:2 T:1 I:0 T:10");
        const QList<IField *> fields = forward.fields();
        QVERIFY(forward.size() == 5 && forward == backward
                && std::is_sorted(fields.cbegin(), fields.cend(), byAddress));
        QCOMPARE(forward.value(type, Variant()).toInt(), 10);
        // Equal entry by entry: another value, or another field, at any place tells two records apart.
        const VariantRecord all = build("I:1 T:1 A:1 P:1");
        for (IField *field : eachRow(std::array{id, type, action, plus})) {
            VariantRecord other = all;
            other.setValue(field, Variant(QStringLiteral("2")));
            QVERIFY(other != all);
            other.remove(field);
            other.setValue(tag, Variant(QStringLiteral("1")));
            QVERIFY(other != all);
        }
        forward.remove(type);
        forward.remove(type);                  // a missing field is no error
        forward.setValue(nullptr, Variant(1)); // a null field has no entry to keep
        QVERIFY(forward.size() == 4 && !forward.contains(type) && forward != backward);
        forward.clear();
        QVERIFY(forward.isEmpty() && forward == VariantRecord());
        forward.setValue(id, Variant()); // an empty variant is an entry, stored as it is
        QVERIFY(forward.contains(id) && !forward.hasValue(id) && forward.size() == 1 && forward != VariantRecord());
        QCOMPARE(forward.value(id, Variant(5)), Variant());
        QCOMPARE(forward.value(type, Variant(5)), Variant(5));

        OrderRecord data; // record data of another class
        data.setId(QStringLiteral("A1"));
        data.setStopLimitPlus(3);
        const VariantRecord record(&data);
        QVERIFY(record == &data && &data == record);
        data.setStopLimitPlus(4);
        QVERIFY(record != &data && &data != record && !(record == &data));
        data.removeStopLimitPlus();
        data.setValue(tag, Variant(3));
        QVERIFY(record != &data && record != static_cast<const IRecordData *>(nullptr));
        QVERIFY(VariantRecord() == static_cast<const IRecordData *>(nullptr)); // a null record has no entries
    }

    void copyOnWrite()
    {
        const VariantRecord original = build("I:A1 P:2");
        VariantRecord copy = original;
        QCOMPARE(&copy.rawValue(id), &original.rawValue(id)); // one shared array
        // In place: a change in a full array (four entries), a new entry that sorts last while there is room.
        QList<IField *> sorted{id, type, action, plus, tag, market->topics.order().gtdField()};
        std::sort(sorted.begin(), sorted.end(), byAddress);
        VariantRecord grown;
        for (IField *field : sorted.mid(0, 4))
            grown.setValue(field, Variant(1));
        const Variant *const first = &grown.rawValue(sorted.first());
        grown.setValue(sorted.first(), Variant(2));
        QCOMPARE(&grown.rawValue(sorted.first()), first);
        grown.setValue(sorted.at(4), Variant(1));
        const Variant *const before = &grown.rawValue(sorted.first());
        grown.setValue(sorted.at(5), Variant(1));
        QCOMPARE(&grown.rawValue(sorted.first()), before);

        copy.setValue(id, Variant(QStringLiteral("B2")));   // an existing entry
        copy.setValue(tag, Variant(QStringLiteral("new"))); // a new entry
        QVERIFY(original.rawValue(id).toString() == QLatin1String("A1") && original.size() == 2 && copy.size() == 3);
        VariantRecord third = copy;
        third.remove(tag);
        QVERIFY(copy.contains(tag) && !third.contains(tag));
        VariantRecord moved = std::move(third);
        QCOMPARE(moved.size(), 2);
        // Removing the last entry drops the array: a copy of the emptied record stays empty.
        moved.remove(id);
        moved.remove(plus);
        const VariantRecord emptied = moved;
        moved.setValue(tag, Variant(QStringLiteral("again")));
        QVERIFY(emptied.isEmpty() && moved.rawValue(tag) == Variant(QStringLiteral("again")));

        // The value handed in may live in the array that the insertion grows or moves.
        VariantRecord record = build("Z:kept");
        for (IField *field : {id, type, action, plus})
            record.setValue(field, record.rawValue(tag));
        const VariantRecord shared = record;
        record.setValue(market->topics.order().gtdField(), record.rawValue(tag));
        for (IField *field : record.fields())
            QCOMPARE(record.rawValue(field).toString(), QStringLiteral("kept"));
        QCOMPARE(shared.size(), 5);
    }

    void mergeRemoveAndExtract()
    {
        // Mine, theirs, merged: disjoint, theirs wins, an empty variant wins, either side empty, interleaved.
        const char *rows[][3] = {{"I:1", "T:2", "I:1 T:2"}, {"I:1 P:3", "I:9", "I:9 P:3"},
                                 {"I:1", "I:-", "I:-"},     {"", "T:2", "T:2"},
                                 {"T:2", "", "T:2"},        {"I:1 P:3", "T:2 P:4", "I:1 T:2 P:4"}};
        for (const auto &row : eachRow(rows))
            QCOMPARE(build(row[0]).merge(build(row[1])), build(row[2]));
        const VariantRecord record = build("I:1 T:2 A:3 P:4");
        const FieldSet sets[] = {FieldSet(), FieldSet{id}, FieldSet{type, plus, tag}, FieldSet{id, type, action, plus}};
        for (const FieldSet &set : eachRow(sets)) {
            const VariantRecord removed = record.remove(set), extracted = record.extract(set);
            QVERIFY(removed.size() + extracted.size() == record.size() && removed.merge(extracted) == record);
            for (IField *field : extracted.fields())
                QVERIFY(set.contains(field) && !removed.contains(field));
        }
    }

    void validValuesAndConvert()
    {
        VariantRecord record = build("I:A1 T:- P:7"); // a text, an empty variant, a text that converts to an int
        record.setValue(action, Variant(QDate(2026, 12, 6))); // another type than its field's
        record.setValue(tag, Variant(0));                     // an int under a text field
        QCOMPARE(record.validValues().fields(), QList<IField *>{id});
        const VariantRecord converted = record.convert(Variant());
        QVERIFY(converted.size() == 5 && converted.rawValue(plus) == Variant(7) && converted.hasValue(plus));
        QVERIFY(!converted.rawValue(action).isValid());                 // nothing converts a date to an action
        record.setValue(action, Variant(QStringLiteral("Sell Short"))); // a persistent text does
        QCOMPARE(record.convert(action, Variant()).valueOr(OrderAction()).toSaveableString(),
                 QStringLiteral("Sell Short"));
        QVERIFY(!record.convert(nullptr, Variant()).isValid());

        OrderRecord order; // the context's symbol goes to each converter (their rebasing: tst_price, tst_quantity)
        order.setLimitPrice(Price(5012.25, &market->es));
        ReportRecorder reports;
        const OrderRecord same(order.record().convert(Variant()));
        const OrderRecord rebased(order.record().convert(Variant::fromValue(static_cast<ISymbol *>(&market->msft))));
        QVERIFY(same == order && same.limitPrice().symbol() == &market->es);
        QVERIFY(rebased.limitPrice().symbol() == &market->msft && rebased.limitPrice().value() == 5012.25);
        QCOMPARE(reports.count(), 0);
    }

    // A field whose type has no sample value fails, so that a type added to the topics is added here.
    void everyFieldRoundTrips_data()
    {
        QTest::addColumn<QString>("fieldId"); // the rows are made before the market: topics of their own
        const Sample::StandardTopics topics;
        for (IField *field : IStandardTopics::allFields())
            QTest::addRow("%s", qPrintable(field->id())) << field->id();
    }

    void everyFieldRoundTrips()
    {
        QFETCH(QString, fieldId);
        IField *const field = IStandardTopics::allFields().fieldById(fieldId);
        QVERIFY(field);
        SpreadLegsOrderInfo legs;
        legs.orderInfoBySymbol(&market->es).setQuantity(Quantity(2.0, &market->es));
        const auto of = [](const auto &value) { return Variant::fromValue(value); };
        QList<Variant> values;
        values << of(static_cast<ISymbol *>(&market->es)) << of(static_cast<IAccount *>(&market->account))
               << of(static_cast<IExitStrategyTemplate *>(&twoTargets))
               << Variant(QDateTime::fromString(QStringLiteral("2026-12-06T14:30:05.250Z"), Qt::ISODateWithMs))
               << Variant(QDate(2026, 12, 31)) << Variant(QStringLiteral("text"))
               << Variant(QStringList{QStringLiteral("ES"), QStringLiteral("@ES")}) << Variant(-42)
               << Variant(1234.5625) << Variant(true) << of(OrderAction(OrderAction::SellShort))
               << of(BracketCategory(BracketCategory::TakeProfit))
               << of(OrderState(OrderState::Completed, OrderState::reasonCanceled))
               << of(OrderExpiry(OrderExpiry::GoodTillCancel)) << of(OrderCategory(OrderCategory::StopLimit))
               << of(EventSource(EventSource::Chart, Common::InvocationType(2)))
               << of(EventReason(QStringLiteral("weekly: rebalance")))
               << of(OrderFlags(OrderFlags::ZeroQuantityIsValid)) << of(SymbolCategory(Symbology::symbolTypeFuture))
               << of(Price(5012.25, &market->es)) << of(Quantity(3.0, &market->es)) << of(legs)
               << of(VariantRecordList{build("I:leg")});
        const int typeId = field->valueType();
        const auto found =
            std::find_if(values.cbegin(), values.cend(), [&](const Variant &v) { return v.userType() == typeId; });
        const Variant value = found == values.cend() ? Variant() : *found;
        QVERIFY(value.hasValue(typeId));
        IField *blank = field == tag ? type : tag, *empty = field == plus ? action : plus;
        VariantRecord record;
        record.setValue(field, value);
        record.setValue(blank, Variant(QString()));
        record.setValue(empty, Variant());

        ReportRecorder reports;
        const Dump saved = record.dump();
        for (const Dump &form : eachRow(std::array{saved, Dump::fromJson(saved.toJsonIndented())})) {
            const VariantRecord loaded = Variant::load(form, Variant()).valueOr(VariantRecord());
            QCOMPARE(loaded.rawValue(field).userType(), value.userType());
            QVERIFY(loaded == record && loaded.hasValue(field) && !loaded.hasValue(blank)
                    && !loaded.rawValue(empty).isValid());
            QCOMPARE(loaded.dump().toJsonIndented(), saved.toJsonIndented()); // also what == leaves out
        }
        QCOMPARE(reports.count(), 0);
    }

    void fieldSets()
    {
        FieldSet set;
        set << id << type << id;
        set += type;
        QCOMPARE(set, FieldSet({id, type}));
        set.moveToBegin(type);
        set.moveToBegin(tag); // not a member: not added
        QCOMPARE(set, FieldSet({type, id}));
        FieldSet repeated(QList<IField *>{id, type, id}); // taken as it is, repeats and all
        repeated -= id;
        QCOMPARE(repeated, FieldSet({type, id}));
        repeated -= id;
        QCOMPARE(repeated, FieldSet({type}));

        const FieldSet left{tag, id, type}, right{plus, type, id};
        QCOMPARE(left | right, FieldSet({tag, id, type, plus}));
        QCOMPARE(left & right, FieldSet({id, type})); // in the left's order
        QCOMPARE(right & left, FieldSet({type, id}));
        QVERIFY((left & FieldSet()) == FieldSet() && (FieldSet() & left) == FieldSet());
        QCOMPARE(left - right, FieldSet({tag}));
        QVERIFY(!FieldSet(QList<IField *>{id, id, type}).isSubsetOf(FieldSet{id, type})); // longer than the other set
        QVERIFY(FieldSet({type, id}).isSubsetOf(FieldSet{id, type, tag}) && FieldSet().isSubsetOf(FieldSet()));
        QVERIFY(!FieldSet({id, plus}).isSubsetOf(FieldSet{id, type, tag}));

        const FieldSet queried{id, type, tag, plus, id};
        QCOMPARE(queried.fieldsByValueType(QMetaType::QString), FieldSet({id, type, tag}));
        QCOMPARE(queried.fieldsByValueType(QMetaType::Double), FieldSet());
        QVERIFY(queried.fieldByName(QStringLiteral("Tag")) == tag && !queried.fieldByName(QStringLiteral("tag")));
        QVERIFY(queried.fieldById(QStringLiteral("Order.StopLimitPlus")) == plus
                && !FieldSet().fieldById(QStringLiteral("Order.Id")));
    }

    void loadsAndRecordLists()
    {
        const auto entry = [](const Dump &field, const Dump &value) {
            return Dump(
                Dump::Struct(QString()).insert(QStringLiteral("field"), field).insert(QStringLiteral("value"), value));
        };
        auto field = [](const char *t, const char *i) { return Dump(Dump::Atom(QLatin1String(t), QLatin1String(i))); };
        const Dump value(Dump::Atom(QStringLiteral("int"), QStringLiteral("5")));
        // Unreadable items are left out; the readable one after them is kept.
        Dump::Container unreadable(QStringLiteral("Trade::VariantRecord"));
        unreadable.append(entry(field("Trade::IField*", "Order.Nope"), value))
            .append(entry(field("QObject*", ""), value))
            .append(entry(value, value))
            .append(value)
            .append(Dump(Dump::Struct()))
            .append(entry(field("Trade::IField*", "Order.Id"), value));
        ReportRecorder reports;
        QCOMPARE(Variant::load(Dump(unreadable), Variant()).valueOr(VariantRecord()).fields(), QList<IField *>{id});
        QCOMPARE(reports.count(), 0);

        const VariantRecord first = build("I:leg1"), second = build("I:leg2");
        Sample::OrderStorage orders;
        orders.addOrder(OrderRecord(first));
        orders.addOrder(OrderRecord(second));
        QCOMPARE(VariantRecordList(&orders), VariantRecordList({first, second}));
        QVERIFY(VariantRecordList(nullptr).isEmpty());
        QCOMPARE(reports.lines(),
                 QStringList{ReportRecorder::line(u"variantrecordlist", u"Trade::VariantRecordList::VariantRecordList",
                                                  u"storage != NULL")});
        reports.clear();
        QVERIFY(Variant::load(VariantRecord().dump(), Variant()).valueOr(build("I:1")).isEmpty());

        const VariantRecordList list{first, VariantRecord(), second, VariantRecord()};
        const Dump saved = list.dump();
        QCOMPARE(saved.asContainer().size(), 2); // empty records are left out
        QCOMPARE(Variant::load(Dump::fromJson(saved.toJsonIndented()), Variant()).valueOr(VariantRecordList()),
                 VariantRecordList({first, second}));
        QVERIFY(Variant::load(VariantRecordList{VariantRecord()}.dump(), Variant()).valueOr(list).isEmpty());
        // Items that load as no record or an empty one are empty records: the saved form settles after one round.
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

    // From own, empty, int values ("o": own type, "-": none, "!": reported) | to | texts | compared: own/own,
    // own/other, other/own, own/empty, empty/own, empty/empty, own/int and int/own.
    void convertersOnOwnEmptyAndForeignValues()
    {
        SpreadLegsOrderInfo legs;
        legs.append(OrderRecord());
        const auto list = [this](const char *items) { return Variant::fromValue(VariantRecordList{build(items)}); };
        const struct
        {
            std::shared_ptr<IConverter> converter;
            Variant own, other;
            const char *expected; // from | to | texts | compared
        } rows[] = {{std::make_shared<SpreadLegsOrderInfoConverter>(), Variant::fromValue(legs),
                     Variant::fromValue(SpreadLegsOrderInfo()), "o - -! | o - - | 1,, | 0 1 1 1 1 0 1 1"},
                    {std::make_shared<VariantRecordConverter>(), Variant::fromValue(build("I:1")),
                     Variant::fromValue(build("I:2")), "o -! -! | -! -! -! | !,!,! | 0! 0! 0! 0! 0! 0! 0! 0!"},
                    {std::make_shared<VariantRecordListConverter>(), list("I:1"), list("I:2"),
                     "o - -! | o - -! | !,!,! | 0 1 1 1 -1 0 1! -1!"},
                    {std::make_shared<TradeSideConverter>(), Variant::fromValue(TradeSide(TradeSide::Short)),
                     Variant::fromValue(TradeSide(TradeSide::Flat)),
                     "-! -! -! | -! -! -! | Short,, | 0 -1 1 1 -1 0 1 -1"},
                    {std::make_shared<ConnectionStateConverter>(),
                     Variant::fromValue(ConnectionState(ConnectionState::Connected)),
                     Variant::fromValue(ConnectionState(ConnectionState::Disconnected)),
                     "-! -! -! | - - - | connected,!,! | 0! 0! 0! 0! 0! 0! 0! 0!"}};
        for (const auto &row : eachRow(rows)) {
            IConverter &converter = *row.converter;
            ReportRecorder reports;
            int seen = 0;
            const auto mark = [&](const QByteArray &result) {
                return reports.count() > std::exchange(seen, reports.count()) ? result + '!' : result;
            };
            const auto kind = [&](const Variant &made) {
                return mark(made.userType() == row.own.userType() ? "o" : made.isValid() ? "?" : "-");
            };
            const Variant own = row.own, empty, foreign(3);
            QByteArrayList from, to, texts, compared;
            for (const Variant &value : {own, empty, foreign}) {
                from << kind(converter.fromVariant(value, Variant()));
                to << kind(converter.toVariant(value));
                texts << mark(converter.toString(value).toUtf8());
            }
            const std::pair<Variant, Variant> pairs[] = {{own, own},     {own, row.other}, {row.other, own},
                                                         {own, empty},   {empty, own},     {empty, empty},
                                                         {own, foreign}, {foreign, own}};
            for (const auto &[left, right] : pairs)
                compared << mark(QByteArray::number(converter.compare(left, right)));
            QCOMPARE(from.join(' ') + " | " + to.join(' ') + " | " + texts.join(',') + " | " + compared.join(' '),
                     QByteArray(row.expected));
        }
    }
};

QTEST_GUILESS_MAIN(tst_VariantRecord)
#include "tst_variantrecord.moc"
