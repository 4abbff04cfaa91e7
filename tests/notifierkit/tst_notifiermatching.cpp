// Method descriptions, meta-object lookups, the shared registry and the critical section.
#include <testsupport/reportrecorder.h>

#include <notifierkit/criticalsection.h>
#include <notifierkit/metaobjectinfo.h>

#include <QtTest/QtTest>

#include "rows.h"

#include <atomic>
#include <thread>

using namespace Common;

namespace Market {
struct Quote
{};
struct Feed
{};
} // namespace Market
struct Quote
{}; // not Market's

// Slots that fit, nearly fit or do not fit quoteChanged(Market::Quote*,Market::Feed*).
class Matcher : public QObject
{
    Q_OBJECT

public Q_SLOTS:
    void slot_quoteChanged(Quote *) {}
    void slot_quoteChanged(Market::Feed *, Market::Quote *) {}
    void slot_quoteChanged(Market::Quote *) {}
    void slot_quoteChanged(Market::Quote *, Market::Feed *) {}
    void slot_reset() {}
};

class tst_NotifierMatching : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse()
    {
        const auto parseLine = [](const char16_t *condition) {
            return Trade::ReportRecorder::line(u"notifier/methodinfo", u"Common::MethodInfo::parse", condition);
        };
        const QString noName = parseLine(u"endOfName > 0");
        const QString noList = parseLine(u"endOfParameterList >= startOfParameterList");
        const std::tuple<QByteArray, QByteArray, QList<QByteArray>, QStringList> rows[] = {
            {"quoteChanged(Market::Quote*,Market::Feed*)", "quoteChanged", {"Market::Quote*", "Market::Feed*"}, {}},
            {"reset()", "reset", {}, {}},
            {"f(int, double)", "f", {"int", " double"}, {}}, // untrimmed
            {"(int)", "", {"int"}, {noName}},
            {"f(int", "f", {}, {noList}},
            {"", "", {}, {noName, noList}}, // the description of a lookup that found nothing, asked all the same
        };
        for (const auto &[signature, name, parameters, reports] : eachRow(rows)) {
            Trade::ReportRecorder recorder;
            const MethodInfo method(signature);
            QCOMPARE(method.name(), name);
            QCOMPARE(method.parameters(), parameters);
            QCOMPARE(recorder.lines(), reports); // parsed once
        }
    }

    void copiesShareNothing()
    {
        Trade::ReportRecorder recorder;
        SlotInfo original("1(int)");
        QCOMPARE(recorder.count(), 0); // parsed on first use, not when made
        const SlotInfo copy(original);
        original.parse();
        QCOMPARE(recorder.count(), 1);
        QCOMPARE(copy.parameters(), QList<QByteArray>{"int"});
        QCOMPARE(recorder.count(), 2); // the copy parsed on its own
        QCOMPARE(SlotInfo(original).name(), QByteArray());
        QCOMPARE(recorder.count(), 2); // a copy of a parsed description keeps the parse

        original = SlotInfo("1g()");
        QCOMPARE(original.signature(), QByteArray("(int)"));
        QCOMPARE(recorder.lines().last(),
                 Trade::ReportRecorder::line(u"notifier/methodinfo", u"Common::MethodInfo::operator =",
                                             u"false && \"Is not supposed to be called.\""));
    }

    void lookups()
    {
        Trade::ReportRecorder recorder;
        const MetaObjectInfo info(&Matcher::staticMetaObject);
        // Inherited signals come first; a decorated text is not looked up.
        QCOMPARE(info.findSignal("destroyed").signature(), QByteArray("destroyed(QObject*)"));
        QCOMPARE(info.findSignal("2absent(int)").signature(), QByteArray("absent(int)"));
        QVERIFY(info.findSignal("absent").isEmpty());
        QCOMPARE(info.findSlot("slot_quoteChanged").signature(), QByteArray("slot_quoteChanged(Quote*)"));
        QVERIFY(info.findSlot("2slot_reset()").isEmpty());  // decorated for a signal, so a name
        QVERIFY(info.findSignal("2destroyed)(").isEmpty()); // "(" must come before ")"

        const auto slotFor = [&info](const char *signal) {
            return info.findSlotForSignal(SignalInfo(signal)).signature();
        };
        QCOMPARE(slotFor("quoteChanged(Market::Quote*,Market::Feed*)"),
                 QByteArray("slot_quoteChanged(Market::Quote*)"));
        QCOMPARE(slotFor("reset(int,int)"), QByteArray("slot_reset()"));
        QVERIFY(slotFor("quoteChanged()").isEmpty());              // the slots want more
        QVERIFY(slotFor("quoteChanged(Market::Feed*)").isEmpty()); // in another order
        QVERIFY(slotFor("resetAll()").isEmpty());
        QCOMPARE(recorder.count(), 0);

        // Assignment is meant only for an empty description; onto another one it copies anyway.
        MetaObjectInfo assigned;
        assigned = MetaObjectInfo(&QObject::staticMetaObject);
        assigned = info;
        QCOMPARE(assigned.findSlot("slot_reset").signature(), QByteArray("slot_reset()"));
        QCOMPARE(recorder.lines(), QStringList{Trade::ReportRecorder::line(
                                       u"notifier/metaobjectinfo", u"Common::MetaObjectInfo::operator =",
                                       u"m_metaObject == NULL && \"Only initial assignment is allowed.\"")});
    }

    // Only a type that differs from the signal's by its namespace alone is a near miss.
    void namespaceCompatibility()
    {
        const std::tuple<QByteArray, QByteArray, bool> rows[] = {
            {"f(Market::Quote*,Market::Feed*)", "g(Quote*)", true},
            {"f(M::Quote*)", "g(Quote*)", true},           // a one-letter namespace
            {"f(Market::Quote*)", "g(Quote*,int)", false}, // the slot wants more
            {"f(Market::Quote*,Market::Feed*)", "g(Market::Feed*,Market::Quote*)", false},
            {"f(Market::Quote*)", "g(Market::Quote*)", false},
            {"f(Quote*)", "g(::Quote*)", false}, // a leading "::" is no namespace
        };
        const QString nearMiss = Trade::ReportRecorder::line(
            u"notifier/metaobjectinfo", u"Common::MetaObjectInfo::checkNamespaceCompatibility",
            u"false && \"Signal/slot signatures seem to be compatible, with the only difference in namespaces.\"");
        for (const auto &[signal, slot, isNearMiss] : eachRow(rows)) {
            Trade::ReportRecorder recorder;
            MetaObjectInfo().checkNamespaceCompatibility(SignalInfo(signal), SlotInfo(slot));
            QCOMPARE(recorder.lines(), isNearMiss ? QStringList{nearMiss} : QStringList());
        }
    }

    void criticalSectionIsRecursive()
    {
        CriticalSection section;
        section.enter();
        QVERIFY(section.tryEnter());
        bool elsewhere = true;
        std::thread([&] { elsewhere = section.tryEnter(); }).join();
        QVERIFY(!elsewhere);
        section.leave();
        section.leave();
    }

    void sharedFromManyThreads()
    {
        const QMetaObject *classes[] = {&tst_NotifierMatching::staticMetaObject, &QTimer::staticMetaObject,
                                        &QThread::staticMetaObject, &QEventLoop::staticMetaObject};
        std::atomic<bool> go{false};
        QVector<QStringList> seen(8);
        std::vector<std::thread> threads;
        for (QStringList &list : seen) {
            threads.emplace_back([&go, &classes, &list] {
                while (!go.load())
                    std::this_thread::yield();
                for (const QMetaObject *metaObject : classes) {
                    const MetaObjectInfo &info = MetaObjectInfo::shared(metaObject);
                    list << QString::number(quintptr(&info));
                    for (const SignalInfo &signal : info.signalList())
                        list << QString::fromLatin1(signal.name() + info.findSlotForSignal(signal).signature());
                    for (const SlotInfo &slot : info.slotList())
                        list << QString::fromLatin1(slot.parameters().join(','));
                }
            });
        }
        go = true;
        for (std::thread &thread : threads)
            thread.join();
        for (const QStringList &list : std::as_const(seen))
            QCOMPARE(list, seen.at(0));
        QVERIFY(seen.at(0).contains(QStringLiteral("timeout")));
    }
};

QTEST_GUILESS_MAIN(tst_NotifierMatching)
#include "tst_notifiermatching.moc"
