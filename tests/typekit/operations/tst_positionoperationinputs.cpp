// Inputs of the close-position and reverse-position operations: lazy fills, lists, finds, removals and reports.
#include <testsupport/reportrecorder.h>

#include <samplehost/topics.h>
#include <typekit/operations/reversepositionoperationinputs.h>

#include <QtTest/QtTest>

using namespace Trade;

namespace {

struct FakePosition : IPosition
{
    explicit FakePosition(const char *id, bool closable = true) : closable(closable), reversible(closable)
    {
        close.setId(QString::fromLatin1(id) + QStringLiteral("-close"));
        reverse.setId(QString::fromLatin1(id) + QStringLiteral("-reverse"));
    }
    IRecord *record() const override { return nullptr; }
    IPositionTopic *topic() const override { return nullptr; }
    ISymbol *symbol() const override { return nullptr; }
    Price price() const override { return Price(); }
    bool canClose() const override { return closable; }
    bool canReverse() const override { return reversible; }
    OrderRecord closeOrder() const override { return ++ordersAsked, close; }
    OrderRecord reverseOrder() const override { return ++ordersAsked, reverse; }

    bool closable, reversible;
    OrderRecord close, reverse;
    mutable int ordersAsked = 0;
};

const auto idOf = [](const OrderRecord &order) { return order.idOptional(QString()); };

} // namespace

class tst_PositionOperationInputs : public QObject
{
    Q_OBJECT

    Sample::StandardTopics topics;

private Q_SLOTS:
    void singleInputs()
    {
        ReportRecorder reports;
        FakePosition position("P", false), other("P"), explicitly("mine");
        const ReversePositionOperationInputs inputs(&position);
        QVERIFY(inputs.closeInputs().isEmpty() && inputs.reverseInputs().isEmpty() && position.ordersAsked == 0);
        position.closable = true; // the next read fills the close inputs, and only those
        QVERIFY(idOf(inputs.closeInputs()) == QLatin1String("P-close") && inputs.reverseInputs().isEmpty());
        position.reversible = true;
        QCOMPARE(idOf(inputs.reverseInputs()), QStringLiteral("P-reverse"));
        position.close.setId(QStringLiteral("changed")); // kept, not refreshed
        position.closable = false;
        QCOMPARE(idOf(inputs.closeInputs()), QStringLiteral("P-close"));
        QCOMPARE(position.ordersAsked, 2);

        // Inputs given explicitly never ask the position.
        const OrderRecord &mine = explicitly.close;
        const ClosePositionOperationInputs close(&other, mine);
        QCOMPARE(idOf(close.closeInputs()), QStringLiteral("mine-close"));
        const ReversePositionOperationInputs both(&other, mine, explicitly.reverse);
        QVERIFY(idOf(both.closeInputs()) == QLatin1String("mine-close")
                && idOf(both.reverseInputs()) == QLatin1String("mine-reverse"));
        QVERIFY(close == ClosePositionOperationInputs(&other, mine) && other.ordersAsked == 0);
        QVERIFY(close != ClosePositionOperationInputs(&other)); // which fills from the position

        const ReversePositionOperationInputs none; // reported once per read, and nothing before
        QVERIFY(!none.position() && none.closeInputs().isEmpty() && none.reverseInputs().isEmpty());
        QCOMPARE(reports.lines(), QStringList(3, ReportRecorder::line(u"operations/closepositionoperationinputs",
                                                                      u"Trade::ClosePositionOperationInputs::position",
                                                                      u"m_position != 0")));
    }

    void lists()
    {
        FakePosition first("1"), second("2", false), third("3"), absent("0");
        Container<IPosition *> positions;
        for (IPosition *position : {&first, &second, &third})
            positions.append(position);
        ReportRecorder reports;
        const ListOfClosePositionOperationInputs close(positions);
        QVERIFY(close.size() == 3 && close.at(1).position() == &second);
        const Container<IPosition *> closable = close.positions();
        QCOMPARE(QList<IPosition *>(closable.begin(), closable.end()), QList<IPosition *>({&first, &third}));
        const ListOfReversePositionOperationInputs reverse(positions);
        QCOMPARE(reverse.positions().size(), 2);
        second.closable = true;
        QVERIFY(reverse.positions().size() == 3 && close.positions().size() == 3); // asked anew each time
        QCOMPARE(first.ordersAsked + second.ordersAsked + third.ordersAsked, 0);

        // The close inputs of each reverse entry, copied as they are: what was filled before, and nothing more.
        reverse.at(0).closeInputs();
        const ListOfClosePositionOperationInputs copied = reverse.closePositionInputsList();
        QVERIFY(copied.size() == 3 && copied.at(1).position() == &second);
        QCOMPARE(idOf(copied.at(0).closeInputs()), QStringLiteral("1-close"));
        QCOMPARE(first.ordersAsked + second.ordersAsked + third.ordersAsked, 1);

        // A list with two entries for the first position.
        ListOfClosePositionOperationInputs list(QList<ClosePositionOperationInputs>{
            close.at(0), close.at(1), ClosePositionOperationInputs(&first, third.reverse)});
        const ListOfClosePositionOperationInputs shared = list;
        QCOMPARE(std::as_const(list).findOperationInputsByPosition(&second) - list.cbegin(), 1);
        QCOMPARE(std::as_const(list).findOperationInputsByPosition(&absent), list.cend());
        QCOMPARE(list.constData(), shared.constData()); // the const find leaves the list shared
        QCOMPARE(list.findOperationInputsByPosition(&second) - list.begin(), 1);
        QCOMPARE(idOf(list.findOrderInputsByPosition(&first)), QStringLiteral("1-close"));
        QVERIFY(list.findOrderInputsByPosition(&absent).isEmpty());
        QCOMPARE(reports.count(), 1); // its line: tst_nullinput
        list.removeByPosition(&absent);
        list.removeByPosition(&first); // the first of its two entries
        QVERIFY(list.size() == 2 && shared.size() == 3);
        QCOMPARE(idOf(list.findOrderInputsByPosition(&first)), QStringLiteral("3-reverse"));
    }
};

QTEST_GUILESS_MAIN(tst_PositionOperationInputs)
#include "tst_positionoperationinputs.moc"
