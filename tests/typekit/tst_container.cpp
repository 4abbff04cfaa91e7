#include <testsupport/reportrecorder.h>

#include <typekit/container.h>

#include <QtTest/QtTest>

using namespace Trade;

namespace {

// Two distinct element values that are never dereferenced.
template <typename T>
T element(int n)
{
    static char places[2];
    return reinterpret_cast<T>(&places[n]);
}

// Breaks every precondition of one instantiation in a fixed order: the neutral results, then the reports.
template <typename T>
void misuse(const QString &type)
{
    ReportRecorder reports;
    const Enumerable<T> forwardingNowhere;
    QCOMPARE(forwardingNowhere.size(), 0);
    QVERIFY(forwardingNowhere.empty());
    QCOMPARE(forwardingNowhere.value(0), T());
    Container<T> two;
    two.append(element<T>(0));
    two.append(element<T>(1));
    QCOMPARE(two.value(-1), T());
    QCOMPARE(two.value(2), T());
    QCOMPARE(EnumerableContainerIterator<T>(&two, -1).index(), -1);
    QVERIFY(two.begin() == Container<T>().begin()); // by index alone

    const auto line = [&type](const char *member, QStringView condition) {
        return ReportRecorder::line(u"container", QString::fromLatin1(member).arg(type), condition);
    };
    const QString outOfRange = QStringLiteral("false && \"Index is out of range.\"");
    QCOMPARE(
        reports.lines(),
        QStringList({line("Trade::Enumerable<%1>::size", u"m_other != NULL"),
                     line("Trade::Enumerable<%1>::empty", u"m_other != NULL"),
                     line("Trade::Enumerable<%1>::value", u"m_other != NULL"),
                     line("Trade::Container<%1>::value", outOfRange), line("Trade::Container<%1>::value", outOfRange),
                     line("Trade::EnumerableContainerIterator<%1>::EnumerableContainerIterator", u"index >= 0"),
                     line("Trade::EnumerableContainerIterator<%1>::operator ==",
                          u"m_parent == other.m_parent && \"Incompatible iterators.\"")}));
    const auto log = [&type](int index) {
        return ReportRecorder::logLine(0, 4, u"container", QStringLiteral("Trade::Container<%1>::value").arg(type),
                                       QStringLiteral("Index is out of range. index=%1, size=2").arg(index));
    };
    QCOMPARE(reports.logLines(), QStringList({log(-1), log(2)}));
}

} // namespace

class tst_Container : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void misuseReportsAndWalking()
    {
        misuse<IRecord *>(QStringLiteral("class Trade::IRecord *"));

        Container<IRecord *> records;
        const Enumerable<IRecord *> view(&records);
        QVERIFY(view.empty());
        records.append(element<IRecord *>(0));
        records.append(nullptr);
        records.append(element<IRecord *>(1));

        ReportRecorder reports;
        QVector<IRecord *> walked;
        for (IRecord *record : view) // the view shows the container as it is now
            walked << record;
        QCOMPARE(walked, QVector<IRecord *>({element<IRecord *>(0), nullptr, element<IRecord *>(1)}));
        auto it = view.begin();
        QCOMPARE(*it++, element<IRecord *>(0));
        QCOMPARE(*it, nullptr);
        QCOMPARE(reports.count(), 0);
    }
};

QTEST_GUILESS_MAIN(tst_Container)
#include "tst_container.moc"
