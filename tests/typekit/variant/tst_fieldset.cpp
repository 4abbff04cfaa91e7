// Field sets: order, repeats and the set operations.
#include <samplehost/topics.h>
#include <typekit/variant/fieldset.h>

#include <QtTest/QtTest>

#include "rows.h"

using Trade::FieldSet;
using Trade::IField;

class tst_FieldSet : public QObject
{
    Q_OBJECT

    Sample::OrderTopic topic;
    IField *a = topic.idField();
    IField *b = topic.typeField();
    IField *c = topic.zelTagField();
    IField *d = topic.stopLimitPlusField();

private Q_SLOTS:
    void addingAndRemoving()
    {
        FieldSet set;
        set << a << b << a;
        set += b;
        QCOMPARE(set, FieldSet({a, b}));
        QCOMPARE(set + c, FieldSet({a, b, c}));
        QCOMPARE(set - a, FieldSet({b}));
        QCOMPARE(set - c, set);
        set.moveToBegin(b);
        QCOMPARE(set, FieldSet({b, a}));
        set.moveToBegin(c); // not a member: not added
        QCOMPARE(set, FieldSet({b, a}));

        FieldSet repeated(QList<IField *>{a, b, a}); // taken as it is, repeats and all
        repeated -= a;
        QCOMPARE(repeated, FieldSet({b, a}));
        repeated -= a;
        QCOMPARE(repeated, FieldSet({b}));
    }

    void setOperations()
    {
        const FieldSet left{c, a, b};
        const FieldSet right{d, b, a};
        for (const FieldSet &united : eachRow(std::array{left | right, left + right, FieldSet(left) << right}))
            QCOMPARE(united, FieldSet({c, a, b, d}));
        QCOMPARE(left & right, FieldSet({a, b})); // in the left's order
        QCOMPARE(right & left, FieldSet({b, a}));
        QCOMPARE(left & FieldSet(), FieldSet());
        QCOMPARE(FieldSet() & left, FieldSet());
        QCOMPARE(left - right, FieldSet({c}));

        QVERIFY(!FieldSet(QList<IField *>{a, a, b}).isSubsetOf(FieldSet{a, b})); // longer than the other set
        QVERIFY(FieldSet({b, a}).isSubsetOf(FieldSet{a, b, c}));
        QVERIFY(!FieldSet({a, d}).isSubsetOf(FieldSet{a, b, c}));
        QVERIFY(FieldSet().isSubsetOf(FieldSet()));
    }

    void queries()
    {
        const FieldSet set{a, b, c, d, a};
        QCOMPARE(set.fieldsByValueType(QMetaType::QString), FieldSet({a, b, c}));
        QCOMPARE(set.fieldsByValueType(QMetaType::Double), FieldSet());
        QCOMPARE(set.fieldByName(QStringLiteral("Tag")), c);
        QCOMPARE(set.fieldByName(QStringLiteral("tag")), nullptr);
        QCOMPARE(set.fieldById(QStringLiteral("Order.StopLimitPlus")), d);
        QCOMPARE(FieldSet().fieldById(QStringLiteral("Order.Id")), nullptr);
        QCOMPARE(Trade::Variant::fromValue(set).value<FieldSet>(), set); // travels in variants
    }
};

QTEST_GUILESS_MAIN(tst_FieldSet)
#include "tst_fieldset.moc"
