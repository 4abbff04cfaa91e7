// Inputs of the close-position and reverse-position operations: lazy fills, the lists' finds,
// removals and positions, and the reports of missing positions and entries.
#include <testsupport/reportrecorder.h>

#include <samplehost/topics.h>
#include <typekit/operations/reversepositionoperationinputs.h>

#include <QtTest/QtTest>

using namespace Trade;

namespace {

// A position whose answers the test sets, counting what the inputs ask of it.
class FakePosition : public IPosition
{
public:
    explicit FakePosition(const QString &id, bool closable = true) : closable(closable), reversible(closable)
    {
        close.setId(id + QStringLiteral("-close"));
        reverse.setId(id + QStringLiteral("-reverse"));
    }

    IRecord *record() const override { return nullptr; }
    IPositionTopic *topic() const override { return nullptr; }
    ISymbol *symbol() const override { return nullptr; }
    Price price() const override { return Price(); }
    bool canClose() const override { return closable; }
    bool canReverse() const override { return reversible; }
    OrderRecord closeOrder() const override { return asked(close); }
    OrderRecord reverseOrder() const override { return asked(reverse); }
    OrderRecord asked(const OrderRecord &order) const
    {
        ++ordersAsked;
        return order;
    }

    bool closable, reversible;
    OrderRecord close, reverse;
    mutable int ordersAsked = 0;
};

QString idOf(const OrderRecord &order)
{
    return order.idOptional(QString());
}

const QString unit = QStringLiteral("operations/closepositionoperationinputs");

} // namespace

class tst_PositionOperationInputs : public QObject
{
    Q_OBJECT

    Sample::StandardTopics topics;

private Q_SLOTS:
    void lazyFills()
    {
        FakePosition position(QStringLiteral("P"), false);
        const ReversePositionOperationInputs inputs(&position);
        QVERIFY(inputs.closeInputs().isEmpty() && inputs.reverseInputs().isEmpty());
        QCOMPARE(position.ordersAsked, 0);

        position.closable = true; // the next read fills the close inputs, and only those
        QCOMPARE(idOf(inputs.closeInputs()), QStringLiteral("P-close"));
        QVERIFY(inputs.reverseInputs().isEmpty());
        position.reversible = true;
        QCOMPARE(idOf(inputs.reverseInputs()), QStringLiteral("P-reverse"));

        position.close.setId(QStringLiteral("changed")); // kept, not refreshed
        position.closable = false;
        QCOMPARE(idOf(inputs.closeInputs()), QStringLiteral("P-close"));
        QCOMPARE(position.ordersAsked, 2);
    }

    void explicitInputsNeverAsk()
    {
        FakePosition position(QStringLiteral("P")), other(QStringLiteral("P"));
        OrderRecord mine;
        mine.setId(QStringLiteral("mine"));
        const ClosePositionOperationInputs close(&position, mine);
        QCOMPARE(idOf(close.closeInputs()), QStringLiteral("mine"));
        QCOMPARE(idOf(ReversePositionOperationInputs(&position, mine, mine).reverseInputs()), QStringLiteral("mine"));
        QCOMPARE(position.ordersAsked, 0);

        QVERIFY(close == ClosePositionOperationInputs(&position, mine));
        QVERIFY(close != ClosePositionOperationInputs(&position)); // which fills from the position
        QVERIFY(close != ClosePositionOperationInputs(&other, mine));
    }

    void missingPosition()
    {
        ReportRecorder reports;
        const ReversePositionOperationInputs inputs;
        QCOMPARE(inputs.position(), nullptr);
        QVERIFY(inputs.closeInputs().isEmpty() && inputs.reverseInputs().isEmpty());
        const QString line =
            ReportRecorder::line(unit, u"Trade::ClosePositionOperationInputs::position", u"m_position != 0");
        QCOMPARE(reports.lines(), QStringList({line, line, line}));
    }

    void listsOfInputs()
    {
        FakePosition first(QStringLiteral("1")), second(QStringLiteral("2"), false), third(QStringLiteral("3"));
        Container<IPosition *> positions;
        for (IPosition *position : {&first, &second, &third})
            positions.append(position);

        ReportRecorder reports;
        const ListOfClosePositionOperationInputs close(positions);
        QCOMPARE(close.size(), 3);
        QCOMPARE(close.at(1).position(), &second);
        const Container<IPosition *> closable = close.positions();
        QCOMPARE(QList<IPosition *>(closable.begin(), closable.end()), QList<IPosition *>({&first, &third}));

        const ListOfReversePositionOperationInputs reverse(positions);
        QCOMPARE(reverse.positions().size(), 2);
        second.closable = true;
        QCOMPARE(reverse.positions().size(), 3);
        QCOMPARE(close.positions().size(), 3); // asked anew each time
        QCOMPARE(first.ordersAsked + second.ordersAsked + third.ordersAsked, 0);

        // The close inputs of each reverse entry, copied as they are: what was filled before, and nothing more.
        reverse.at(0).closeInputs();
        const ListOfClosePositionOperationInputs copied = reverse.closePositionInputsList();
        QCOMPARE(copied.size(), 3);
        QCOMPARE(copied.at(1).position(), &second);
        QCOMPARE(idOf(copied.at(0).closeInputs()), QStringLiteral("1-close"));
        QCOMPARE(first.ordersAsked + second.ordersAsked + third.ordersAsked, 1);

        const ListOfClosePositionOperationInputs fromList(
            QList<ClosePositionOperationInputs>{close.at(2), close.at(0)});
        QCOMPARE(fromList.at(0).position(), &third);
        QCOMPARE(reports.count(), 0);
    }

    void findsAndRemovals()
    {
        FakePosition first(QStringLiteral("1")), second(QStringLiteral("2")), absent(QStringLiteral("0"));
        OrderRecord explicitClose;
        explicitClose.setId(QStringLiteral("explicit"));
        ListOfClosePositionOperationInputs list(QList<ClosePositionOperationInputs>{
            ClosePositionOperationInputs(&first), ClosePositionOperationInputs(&second),
            ClosePositionOperationInputs(&first, explicitClose)});

        ReportRecorder reports;
        const ListOfClosePositionOperationInputs shared = list;
        const ListOfClosePositionOperationInputs &constList = list;
        QCOMPARE(constList.findOperationInputsByPosition(&second) - constList.cbegin(), 1);
        QCOMPARE(constList.findOperationInputsByPosition(&absent), constList.cend());
        QCOMPARE(constList.constData(), shared.constData()); // the const find leaves the list shared
        QCOMPARE(list.findOperationInputsByPosition(&second) - list.begin(), 1);

        QCOMPARE(idOf(list.findOrderInputsByPosition(&first)), QStringLiteral("1-close"));
        QVERIFY(list.findOrderInputsByPosition(&absent).isEmpty());
        const QString notFound = ReportRecorder::line(
            unit, u"Trade::ListOfClosePositionOperationInputs::findOrderInputsByPosition", u"it != end()");
        QCOMPARE(reports.lines(), QStringList{notFound});

        list.removeByPosition(&absent);
        QCOMPARE(list.size(), 3);
        list.removeByPosition(&first); // the first of its two entries
        QCOMPARE(list.size(), 2);
        QCOMPARE(idOf(list.findOrderInputsByPosition(&first)), QStringLiteral("explicit"));
        QCOMPARE(shared.size(), 3);
    }
};

QTEST_GUILESS_MAIN(tst_PositionOperationInputs)
#include "tst_positionoperationinputs.moc"
