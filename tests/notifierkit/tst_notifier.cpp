// The notifier: subscriptions, reports, attach and detach, observer and publisher lifetime, calls and forwarding.
#include <testsupport/reportrecorder.h>

#include <notifierkit/checkedsubscription.h>
#include <notifierkit/idisposable.h>
#include <notifierkit/commonabstractnotifier.h>
#include <notifierkit/observerdestroyhelper.h>

#include <QtTest/QtTest>

#include "rows.h"

#include <functional>
#include <memory>

using Common::AbstractNotifier;

// Tells what it heard in `heard`: "attached"/"detached" from its valueChanged attach and detach
// slots, "+name"/"-name" from the hooks. Its attach and detach slots of counted have wrong shapes.
class Publisher : public QObject, public AbstractNotifier, public virtual Trade::IDisposable
{
    Q_OBJECT

public:
    ~Publisher() override { Q_EMIT disposed(this); }
    int value = 7;
    QByteArrayList heard;
    // Run once when `heard` gets this entry: a place inside the notifier's calls where an object can die.
    std::pair<QByteArray, std::function<void()>> death;
    // Run by the detach slot of valueChanged, with the link that was dropped.
    std::function<void(const Link *)> onDetached;

public Q_SLOTS:
    void setValue(int newValue) { value = newValue; }

Q_SIGNALS:
    void valueChanged(int value, const QString &text);
    void counted(int count);
    void disposed(Trade::IDisposable *object) const override;

private Q_SLOTS:
    void attached_valueChanged(const Link *link)
    {
        call(*link, Q_ARG(int, value), Q_ARG(QString, QString()));
        hear("attached");
    }
    void detached_valueChanged(const Link *link)
    {
        hear("detached");
        if (onDetached)
            onDetached(link);
    }
    void attached_counted(int) {}
    void detached_counted() {}

protected:
    void onSubscribed(const Link *link) override { hear("+" + link->signal.name); }
    void onUnsubscribed(const Link *link) override { hear("-" + link->signal.name); }

private:
    void hear(const QByteArray &entry)
    {
        heard << entry;
        if (entry == death.first)
            std::exchange(death, {}).second(); // taken out first: it may delete this publisher
    }
};

class Observer : public QObject
{
    Q_OBJECT

public:
    QByteArrayList calls;
    Publisher *watched = nullptr; // asked during calls whether it still has this observer

public Q_SLOTS:
    void slot_valueChanged(int value)
    {
        calls << "value " + QByteArray::number(value);
        if (watched)
            calls << (watched->isSubscribed(this) ? "subscribed" : "unsubscribed");
    }
    void slot_disposed(Trade::IDisposable *) { calls << "disposed"; }
    void slot_destroyed(QObject *) { calls << "destroyed"; }
    void take(int number, const QString &text, Trade::IDisposable *object)
    {
        calls << QByteArray::number(number) + ' ' + text.toUtf8() + (object ? " object" : " null");
    }
    void onGone(Trade::IDisposable *) { calls << "gone"; }

public:
    void plain(int) {} // no slot: the compiler accepts it, the meta-object does not have it
};

// No conventional slot fits Publisher: the parameter type is wrong.
class Bare : public QObject
{
    Q_OBJECT

public Q_SLOTS:
    void slot_valueChanged(double) {}
    void onGone(Trade::IDisposable *) {}
};

// Methods of the convention meant for Publisher's signals that do not follow it, beside one
// that does, one meant for another publisher and the attach slot of its own signal (whose name
// is one letter short of one of Publisher's).
class Misspelt : public QObject
{
    Q_OBJECT

public:
    using Link = AbstractNotifier::Link;
    Q_INVOKABLE void slot_counted(int) {} // not a slot

public Q_SLOTS:
    void slot_valuechanged(int) {}   // the case
    void slot_valeuChanged(int) {}   // two letters swapped
    void slot_valueChang(int) {}     // two letters short
    void slot_disposed(int) {}       // the parameter type
    void attached_counted(int) {}    // an attach slot takes the link
    void slot_valueChanged(int) {}   // follows
    void slot_quoteChanged(int) {}   // another publisher's
    void slot_vblueChangedXY(int) {} // three letters off: another publisher's too
    void slot_vblueChang(int) {}     // three letters off

Q_SIGNALS:
    void valueChange();

private Q_SLOTS:
    void attached_valueChange(const Link *) {}
};

struct Orphan : AbstractNotifier
{}; // a notifier that is no QObject

// Where Qt's lookup of a method by text picks one of several: a signal with a defaulted
// parameter (two methods, one emitted), slots declared again in a derived class (found there).
class Announcer : public QObject, public AbstractNotifier
{
    Q_OBJECT

Q_SIGNALS:
    void changed(int value = 5);
    void named(const QString &name);
};

class BaseListener : public QObject
{
    Q_OBJECT

public:
    QByteArrayList calls;

public Q_SLOTS:
    void slot_changed(int value) { calls << "base " + QByteArray::number(value); }
    void onChanged() { calls << "base"; }
};

class Listener : public BaseListener
{
    Q_OBJECT

public Q_SLOTS:
    void slot_changed(int value) { calls << "derived " + QByteArray::number(value); }
    void onChanged() { calls << "derived"; }
    void onNumber(int value) { calls << "number " + QByteArray::number(value); }
};

namespace {

struct World
{
    Publisher publisher;
    Observer observer;
    Bare bare;
};
using Operation = std::function<void(World &)>;

// A report of the notifier's function ("::subscribe", "Private::callAttachDetachSlots").
QString line(const char *function, const QByteArray &condition, QStringView message = u"\"\" ")
{
    const QString qualified = QStringLiteral("Common::AbstractNotifier") + QLatin1String(function);
    return Trade::ReportRecorder::line(u"notifier/commonabstractnotifier", qualified, QString::fromLatin1(condition),
                                       message);
}

// A log text of subscribe(): channel 0, a warning.
QString subscribeLog(const QString &text)
{
    return Trade::ReportRecorder::logLine(0, 3, u"notifier/commonabstractnotifier",
                                          u"Common::AbstractNotifier::subscribe", text);
}

// A report of a refusal: the condition is false && "reason".
QString refused(const char *function, const char *reason)
{
    return line(function, "false && \"" + QByteArray(reason) + '"');
}

// The report of a call that Qt would not make.
QString callRefused()
{
    return line("::call", "link.delegate.metaMethod().invoke(link.delegate.observer, m_private->m_connectionType, "
                          "val0, val1, val2, val3, val4, val5, val6, val7, val8, val9)");
}

int helpers(const QObject *observer)
{
    return int(observer->findChildren<Common::ObserverDestroyHelper *>().size());
}

} // namespace

Q_DECLARE_METATYPE(Operation)
using Subscription = std::function<void(Announcer &, Listener &, bool)>;
Q_DECLARE_METATYPE(Subscription)

class tst_Notifier : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A subscription by the signal's name, then calls of its link.
    void subscribeByNameAndCall()
    {
        World world;
        world.observer.watched = &world.publisher;
        Trade::ReportRecorder recorder;
        world.publisher.subscribe(&world.observer, "valueChanged");
        world.publisher.subscribe(&world.observer, "2valueChanged(int, const QString&)"); // the same link
        QCOMPARE(world.observer.calls, QByteArrayList({"value 7", "subscribed"})); // greeted once, by the attach slot
        QCOMPARE(world.publisher.heard, QByteArrayList({"attached", "+valueChanged"}));
        QVERIFY(world.publisher.isSubscribed(&world.observer, "valueChanged"));
        QCOMPARE(world.publisher.linkCount("valueChanged"), 1);
        Q_EMIT world.publisher.valueChanged(8, QString());
        QCOMPARE(world.observer.calls.mid(2), QByteArrayList({"value 8", "subscribed"}));

        const AbstractNotifier::Link link =
            *world.publisher.linkBySignalAndObserverOrSubscribe("valueChanged", &world.observer);
        QCOMPARE(link.delegate.slot, QByteArray("1slot_valueChanged(int)"));
        QCOMPARE(link.signal.signature, QByteArray("2valueChanged(int,QString)"));
        world.publisher.subscribe(link);
        QCOMPARE(recorder.lines(), QStringList{refused("::subscribe", "Such signal/slot pair is already subscribed")});

        recorder.clear();
        world.observer.calls.clear();
        world.publisher.unsubscribeAndCall(link, Q_ARG(int, 9));
        QCOMPARE(world.observer.calls, QByteArrayList({"value 9", "unsubscribed"}));
        world.publisher.call(link, Q_ARG(int, 10)); // a link need not be recorded
        QCOMPARE(world.observer.calls.mid(2), QByteArrayList({"value 10", "unsubscribed"}));
        QCOMPARE(recorder.count(), 0);
    }

    // The arguments of calls as code for Qt 6.4 and for Qt 6.5 and later writes them: Q_ARG (a
    // QGenericArgument before 6.5, a QMetaMethodArgument from 6.5 on, with the type as spelt),
    // plain values, and both mixed. A value of a type other than the parameter's is refused with
    // the call's report on every Qt, as Qt 6.5 refuses it.
    void callArguments_data()
    {
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<QByteArrayList>("calls");
        QTest::addColumn<QString>("report");
        const auto row = [](const char *name, const QByteArrayList &calls, const QString &report, Operation op) {
            QTest::addRow("%s", name) << op << calls << report;
        };
        // "take" on the observer: a link that need not be recorded, and the method's name.
        static const auto link = [](World &w) {
            return AbstractNotifier::Link{{&w.observer, "1take(int,QString,Trade::IDisposable*)"},
                                          {"valueChanged", "2valueChanged(int,QString)"}};
        };
        static const auto object = [](World &w) { return static_cast<Trade::IDisposable *>(&w.publisher); };
        static const auto null = static_cast<Trade::IDisposable *>(nullptr);
        static const QString five = QStringLiteral("five");
        const QByteArrayList taken{"5 five object"};
        const QString none;
        row("call, Q_ARG", taken, none, [](World &w) {
            w.publisher.call(link(w), Q_ARG(int, 5), Q_ARG(QString, five), Q_ARG(Trade::IDisposable *, object(w)));
        });
        row("call, values", taken, none, [](World &w) { w.publisher.call(link(w), 5, five, object(w)); });
        row("call, mixed", taken, none,
            [](World &w) { w.publisher.call(link(w), 5, Q_ARG(QString, five), object(w)); });
        row("call, null pointer value", {"5 five null"}, none,
            [](World &w) { w.publisher.call(link(w), 5, five, null); });
        // The link was not recorded: reported, and called all the same.
        const QString notSubscribed = refused("::unsubscribe", "Such signal/slot pair is not subscribed");
        row("unsubscribeAndCall, values", taken, notSubscribed,
            [](World &w) { w.publisher.unsubscribeAndCall(link(w), 5, five, object(w)); });
        row("unsubscribeAndCall, Q_ARG", taken, notSubscribed, [](World &w) {
            w.publisher.unsubscribeAndCall(link(w), Q_ARG(int, 5), Q_ARG(QString, five),
                                           Q_ARG(Trade::IDisposable *, object(w)));
        });
        row("callQueued, values", taken, none,
            [](World &w) { AbstractNotifier::callQueued(&w.observer, "take", 5, five, object(w)); });
        row("callQueued, Q_ARG", taken, none, [](World &w) {
            AbstractNotifier::callQueued(&w.observer, "take", Q_ARG(int, 5), Q_ARG(QString, five),
                                         Q_ARG(Trade::IDisposable *, object(w)));
        });
        row("callQueued on the publisher, value", {"set 5"}, none, [](World &w) {
            w.publisher.callQueued("setValue", 5);
            QCOMPARE(w.publisher.value, 7); // not yet
            QTRY_COMPARE(w.publisher.value, 5);
            w.observer.calls << "set " + QByteArray::number(w.publisher.value);
        });
        row("call, more arguments than parameters", {"value 5"}, none, [](World &w) {
            const AbstractNotifier::Link valueLink{{&w.observer, "1slot_valueChanged(int)"}, link(w).signal};
            w.publisher.call(valueLink, 5, five, null);
        });
        row("call, fewer arguments than parameters", {}, callRefused(),
            [](World &w) { w.publisher.call(link(w), 5, five); });
        row("call, a derived pointer for an interface", {}, callRefused(),
            [](World &w) { w.publisher.call(link(w), 5, five, &w.publisher); });
        row("call, a double for an int", {}, callRefused(),
            [](World &w) { w.publisher.call(link(w), 5.0, five, null); });
    }
    void callArguments()
    {
        QFETCH(Operation, operation);
        QFETCH(QByteArrayList, calls);
        QFETCH(QString, report);
        World world;
        Trade::ReportRecorder recorder;
        operation(world);
        QTRY_COMPARE(world.observer.calls, calls);
        QCOMPARE(recorder.lines(), report.isEmpty() ? QStringList() : QStringList{report});
    }

    // A publisher whose detach slot calls the observer it lets go, as it is being destroyed: the
    // observer is not called (its own part is gone), and no QPointer is made to it (the sanitizer run).
    void detachSlotOfADyingObserver()
    {
        World world;
        auto *observer = new Observer;
        world.publisher.subscribe(observer, "valueChanged");
        int calls = 0;
        world.publisher.onDetached = [&](const AbstractNotifier::Link *link) {
            world.publisher.unsubscribeAndCall(*link, 1);
            world.publisher.call(*link, 2);
            ++calls;
        };
        Trade::ReportRecorder recorder;
        delete observer;
        QCOMPARE(calls, 1);
        QCOMPARE(recorder.lines(),
                 QStringList({refused("::unsubscribe", "Such signal/slot pair is not subscribed"), callRefused()}));
        world.publisher.onDetached = nullptr;
    }

    // Observers live in the thread that subscribes them: one of another thread is refused, with no
    // link and no child made for it there (the ThreadSanitizer run). The other thread need not
    // run: the refusal goes by the observer's thread.
    void observerOfAnotherThread()
    {
        World world;
        QThread thread;
        auto observer = std::make_unique<Observer>();
        observer->moveToThread(&thread);
        Trade::ReportRecorder recorder;
        world.publisher.subscribe(observer.get(), "valueChanged");
        world.publisher.subscribe(observer.get()); // valueChanged, disposed, destroyed
        QCOMPARE(recorder.lines(),
                 QStringList(4, refused("::subscribe",
                                        "The observer lives in another thread than the one that subscribes it")));
        QVERIFY(!world.publisher.isSubscribed(static_cast<const QObject *>(observer.get())));
        QCOMPARE(helpers(observer.get()), 0);
        Q_EMIT world.publisher.valueChanged(1, QString());
        QCoreApplication::processEvents();
        QCOMPARE(observer->calls, QByteArrayList());
    }

    // subscribe(observer) names the methods meant for the publisher's signals that do not
    // follow the convention, once per observer class and publisher class.
    void misfitMethods()
    {
        Trade::ReportRecorder recorder;
        Publisher publisher;
        Misspelt first, second;
        publisher.subscribe(&first);
        publisher.subscribe(&second);
        QStringList logged = recorder.logLines();
        const auto misfit = [](const char *method, const char *more = "") {
            return subscribeLog(QStringLiteral("\"Misspelt::%1 follows no signal of Publisher%2.\"")
                                    .arg(QLatin1String(method), QLatin1String(more)));
        };
        QStringList expected{misfit("slot_counted(int)", ": it is not a slot"),
                             misfit("slot_valuechanged(int)"),
                             misfit("slot_valeuChanged(int)"),
                             misfit("slot_valueChang(int)"),
                             misfit("slot_disposed(int)"),
                             misfit("attached_counted(int)")};
        logged.sort();
        expected.sort();
        QCOMPARE(logged, expected);
        QVERIFY(publisher.isSubscribed(&first, "valueChanged") && publisher.isSubscribed(&second, "valueChanged"));
        QCOMPARE(recorder.count(), 0);
    }

    // The checked forms make, find and drop ordinary links; the signal may be named through an
    // interface the publisher implements. What the meta-objects lack is reported as by text.
    void checkedSubscription()
    {
        Trade::ReportRecorder recorder;
        World w;
        const auto valueChanged = TRADE_SIGNAL(Publisher, valueChanged);
        const auto valueSlot = TRADE_SLOT(Observer, slot_valueChanged);
        Common::subscribe(&w.publisher, valueChanged, &w.observer, valueSlot);
        Common::subscribe(&w.publisher, valueChanged, &w.observer, valueSlot); // nothing new, nothing reported
        QVERIFY(w.publisher.isSubscribed(&w.observer, "valueChanged"));
        QVERIFY(Common::isSubscribed(&w.publisher, valueChanged, &w.observer, valueSlot));
        Q_EMIT w.publisher.valueChanged(3, QString());
        QCOMPARE(w.observer.calls, QByteArrayList({"value 7", "value 3"})); // greeted by the attach slot
        Common::unsubscribe(&w.publisher, valueChanged, &w.observer, valueSlot);
        QVERIFY(!w.publisher.isSubscribed(&w.observer));
        QCOMPARE(w.publisher.heard, QByteArrayList({"attached", "+valueChanged", "detached", "-valueChanged"}));

        Common::subscribe(&w.publisher, TRADE_SIGNAL(Trade::IDisposable, disposed), &w.observer,
                          TRADE_SLOT(Observer, onGone));
        QVERIFY(w.publisher.isSubscribed("disposed", &w.observer, "onGone"));
        QCOMPARE(recorder.count(), 0);

        Common::subscribe(&w.publisher, TRADE_SIGNAL(Publisher, counted), &w.observer, TRADE_SLOT(Observer, plain));
        Common::subscribe(static_cast<Common::INotifier *>(nullptr), valueChanged, &w.observer, valueSlot);
        QVERIFY(!Common::isSubscribed(static_cast<Common::INotifier *>(nullptr), valueChanged, &w.observer, valueSlot));
        QCOMPARE(recorder.lines(),
                 QStringList({refused("::subscribe", "Failed to subscribe/unsubscribe signal/slot"),
                              Trade::ReportRecorder::line(u"notifier/checkedsubscription", u"Common::subscribe",
                                                          u"publisher != 0"),
                              Trade::ReportRecorder::line(u"notifier/checkedsubscription", u"Common::isSubscribed",
                                                          u"publisher != 0")}));
    }

    // All conventional slots, by the notifier (recorded, greeted by the attach slot) and by the static
    // calls (neither); the publisher dies before its observers.
    void subscribeAll()
    {
        Trade::ReportRecorder recorder;
        auto *publisher = new Publisher;
        auto *observer = new Observer;
        Observer unrecorded;
        Bare bare;
        publisher->subscribe(observer);
        publisher->subscribe(observer); // nothing new, nothing reported
        // The signal inherited from QObject too; the slot taking one parameter does not fit destroyed().
        for (const char *signal : eachRow(std::array{"destroyed", "disposed", "valueChanged"}))
            QCOMPARE(publisher->linkCountByName(signal), 1);
        publisher->subscribe(&bare);
        QVERIFY(!publisher->isSubscribed(&bare));
        const QString nothingConnected =
            subscribeLog(QStringLiteral("\"No signals/slots were connected during subscribe() call. Event source: "
                                        "'Publisher', observer: 'Bare'.\""));
        QCOMPARE(recorder.logLines(),
                 QStringList(
                     {nothingConnected, subscribeLog(QStringLiteral(
                                            "\"Bare::slot_valueChanged(double) follows no signal of Publisher.\""))}));

        AbstractNotifier::subscribe(publisher, &unrecorded, Qt::UniqueConnection);
        AbstractNotifier::unsubscribe(publisher, "valueChanged", &unrecorded);
        AbstractNotifier::subscribe(publisher, "disposed", &unrecorded, "onGone", Qt::DirectConnection);
        Q_EMIT publisher->valueChanged(1, QString());
        QCOMPARE(recorder.count(), 0);
        AbstractNotifier::subscribe(publisher, &unrecorded, Qt::UniqueConnection); // two of three are there
        QCOMPARE(recorder.lines(),
                 QStringList(2, line("::subscribe", "QObject::connect(sender, signal.decoratedSignature(), "
                                                    "observer, slot.decoratedSignature(), connectionType)")));
        QVERIFY(!publisher->isSubscribed(&unrecorded));
        QVERIFY(!publisher->isSubscribed(&unrecorded, "valueChanged"));
        QVERIFY(!publisher->isSubscribed("valueChanged", &unrecorded, "1slot_valueChanged(int)"));
        AbstractNotifier::subscribe(publisher, &bare, Qt::AutoConnection); // nothing fits: said by the static call too
        QCOMPARE(recorder.logLines().size(), 3);
        QCOMPARE(recorder.logLines().last(), nothingConnected);
        recorder.clear();

        delete publisher;
        QCOMPARE(observer->calls, QByteArrayList({"value 7", "value 1", "disposed", "destroyed"}));
        QCOMPARE(unrecorded.calls, QByteArrayList({"disposed", "gone", "destroyed"}));
        QCOMPARE(helpers(observer), 1); // left inert
        QCOMPARE(helpers(&unrecorded), 0);
        delete observer;
        QCOMPARE(recorder.count(), 0);
    }

    void reports_data()
    {
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<QStringList>("reports");

        const QString noSignal = refused("::subscribe", "Appropriate signal could not be found");
        const QString noSlot = refused("::subscribe", "Appropriate slot could not be found");
        const QString failed = refused("::subscribe", "Failed to subscribe/unsubscribe signal/slot");
        const QString notSubscribed = refused("::unsubscribe", "Such signal/slot pair is not subscribed");
        const QByteArray arguments = "val0, val1, val2, val3, val4, val5, val6, val7, val8, val9)";
        const auto row = [](const char *name, Operation op, QStringList reports) {
            QTest::addRow("%s", name) << op << reports;
        };
        row("unknown signal", [](World &w) { w.publisher.subscribe(&w.observer, "absent"); }, {noSignal});
        row("decorated unknown signal", [](World &w) { w.publisher.subscribe("2absent(int)", &w.observer, "onGone"); },
            {failed});
        row("wrong parameter type", [](World &w) { w.publisher.subscribe(&w.bare, "valueChanged"); }, {noSlot});
        row("unknown slot", [](World &w) { w.publisher.subscribe("valueChanged", &w.observer, "absent"); }, {noSlot});
        row("unfitting slot", [](World &w) { w.publisher.subscribe("valueChanged", &w.observer, "onGone"); }, {failed});
        row("null observer", [](World &w) { w.publisher.subscribe(nullptr, "valueChanged"); }, {noSlot});
        row("null observer, decorated", [](World &w) { w.publisher.subscribe("valueChanged", nullptr, "1onGone()"); },
            {noSlot});
        row("not subscribed", [](World &w) { w.publisher.unsubscribe(&w.observer, "valueChanged"); }, {notSubscribed});
        row("empty link", [](World &w) { w.publisher.unsubscribe(AbstractNotifier::Link()); }, {notSubscribed});
        row("empty link, subscribed", [](World &w) { w.publisher.subscribe(AbstractNotifier::Link()); }, {failed});
        row("null observer has nothing", [](World &w) { w.publisher.unsubscribe(nullptr); }, {});
        row("null observer fits nothing", [](World &w) { w.publisher.subscribe(static_cast<QObject *>(nullptr)); }, {});
        row("missing slot is no subscription",
            [](World &w) { QVERIFY(!w.publisher.isSubscribed(&w.bare, "valueChanged")); }, {});
        row("isSubscribed, unknown signal", [](World &w) { w.publisher.isSubscribed(&w.observer, "absent"); },
            {refused("::isSubscribed", "Appropriate signal could not be found")});
        row("linkCount, unknown signal", [](World &w) { QCOMPARE(w.publisher.linkCount("absent"), 0); },
            {refused("::linkCount", "Appropriate signal could not be found")});
        row("forward to a target without the signal", [](World &w) { w.publisher.forward(&w.observer, "disposed"); },
            {refused("::forward", "Failed to subscribe/unsubscribe signal/slot")});
        row("forward to an unknown signal",
            [](World &w) { w.publisher.forward("valueChanged", &w.observer, "absent"); },
            {refused("::forward", "Appropriate signal could not be found")});
        row("link without a slot",
            [](World &w) {
                QVERIFY(!w.publisher.linkBySignalAndObserverOrSubscribe("valueChanged", &w.bare)->isValid());
                QVERIFY(!w.publisher.linkBySignalAndObserverOrSubscribe("valueChanged", nullptr)->isValid());
            },
            {noSlot, line("::linkBySignalAndObserverOrSubscribe", "link->isValid()",
                          Trade::ReportRecorder::quoted(u"The observer must have an appropriate slot"))});
        row("call of a missing method",
            [](World &w) {
                w.publisher.call({{&w.observer, "1absent()"}, {"valueChanged", "2valueChanged(int,QString)"}});
            },
            {callRefused()});
        row("queued call of a missing method", [](World &w) { w.publisher.callQueued("absent"); },
            {line("::callQueued", "QMetaObject::invokeMethod(qobject(), method, Qt::QueuedConnection, " + arguments)});
        row("interface casts",
            [](World &w) {
                Common::IObject *object = &w.publisher;
                QCOMPARE(object->as<Trade::IDisposable>(), static_cast<Trade::IDisposable *>(&w.publisher));
                QCOMPARE(object->as<Common::IObject>(), object);
                QCOMPARE(static_cast<Trade::IDisposable *>(&w.publisher)->as<Common::IObject>(), object);
                QVERIFY(!object->as(typeid(int)));
                QVERIFY(!object->as<Trade::INotifier>());
                QVERIFY(!Orphan().qobject());
            },
            {Trade::ReportRecorder::line(
                 u"iobject", u"Common::IObject::as", u"result != NULL",
                 Trade::ReportRecorder::quoted(u"invalid type, type must be interface and inherit Common::IObject")),
             line("::qobject", "result != NULL",
                  Trade::ReportRecorder::quoted(u"object must be inherited from QObject"))});
        const QString helper = QStringLiteral("Common::ObserverDestroyHelper::ObserverDestroyHelper");
        row("helper without observer or notifier",
            [](World &) { delete new Common::ObserverDestroyHelper(nullptr, nullptr); },
            {Trade::ReportRecorder::line(u"notifier/observerdestroyhelper", helper, u"NULL != observer"),
             Trade::ReportRecorder::line(u"notifier/observerdestroyhelper", helper, u"NULL != notifier")});
        row("attach and detach slots of wrong shapes",
            [](World &w) {
                w.publisher.subscribe("counted", &w.observer, "slot_valueChanged");
                w.publisher.unsubscribe(&w.observer);
            },
            {refused("Private::callAttachDetachSlots",
                     "slot name matches the signal, while the argument type is incorrect"),
             refused("Private::callAttachDetachSlots",
                     "slot name matches the signal, while the argument count does not")});
    }

    void reports()
    {
        QFETCH(Operation, operation);
        QFETCH(QStringList, reports);

        World world;
        Trade::ReportRecorder recorder;
        operation(world);
        QCOMPARE(recorder.lines(), reports);
        QVERIFY(!world.publisher.isSubscribed(&world.observer) && !world.publisher.isSubscribed(&world.bare)
                && !world.publisher.isSubscribed(nullptr));
        QCOMPARE(helpers(&world.observer) + helpers(&world.bare), 0);
    }

    void unsubscribe_data()
    {
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<bool>("observerLeft"); // else the bare observer left
        const auto row = [](const char *name, bool observerLeft, Operation op) {
            QTest::addRow("%s", name) << op << observerLeft;
        };
        row("by observer", true, [](World &w) { w.publisher.unsubscribe(&w.observer); });
        row("by signal", true, [](World &w) { w.publisher.unsubscribe(&w.observer, "valueChanged"); });
        row("by link", true, [](World &w) {
            w.publisher.unsubscribe(
                *w.publisher.linkBySignalAndObserverOrSubscribe("2valueChanged(int,QString)", &w.observer));
        });
        row("by slot", false, [](World &w) { w.publisher.unsubscribe("disposed", &w.bare, "onGone"); });
        // Bare has no conventional slot for disposed: its link of that signal goes.
        row("bare, by signal", false, [](World &w) { w.publisher.unsubscribe(&w.bare, "disposed"); });
    }

    void unsubscribe()
    {
        QFETCH(Operation, operation);
        QFETCH(bool, observerLeft);

        World world;
        world.publisher.subscribe(&world.observer, "valueChanged");
        world.publisher.subscribe("disposed", &world.bare, "onGone");
        world.publisher.heard.clear();
        Trade::ReportRecorder recorder;
        operation(world);
        // The link of valueChanged goes through its detach slot; disposed has none.
        const QByteArrayList heard =
            observerLeft ? QByteArrayList{"detached", "-valueChanged"} : QByteArrayList{"-disposed"};
        QCOMPARE(world.publisher.heard, heard);
        QObject *left = observerLeft ? static_cast<QObject *>(&world.observer) : &world.bare;
        QObject *stayed = observerLeft ? static_cast<QObject *>(&world.bare) : &world.observer;
        QVERIFY(!world.publisher.isSubscribed(left) && world.publisher.isSubscribed(stayed));
        QCOMPARE(helpers(left), 0); // gone with the last link
        QCOMPARE(recorder.count(), 0);
    }

    void destroyed()
    {
        Trade::ReportRecorder recorder;
        {
            Publisher first, second;
            auto *observer = new Observer;
            first.subscribe(observer);
            second.subscribe(observer, "valueChanged");
            QCOMPARE(helpers(observer), 2);
            first.heard.clear();
            second.heard.clear();
            delete observer;
            // Detach slots and hooks once per link, in link order.
            QCOMPARE(first.heard, QByteArrayList({"-destroyed", "-disposed", "detached", "-valueChanged"}));
            QCOMPARE(second.heard, QByteArrayList({"detached", "-valueChanged"}));
            QVERIFY(!first.isSubscribed(observer) && !second.isSubscribed(observer));
        }
        // Deaths inside the notifier's own calls: at the entry it hears, the publisher deletes the
        // observer or itself. The notifier goes no further and keeps no link to the dead.
        const auto dies = [](const char *entry, bool publisherDies,
                             const std::function<void(Publisher *, Observer *)> &scene) {
            QPointer<Publisher> publisher = new Publisher;
            QPointer<Observer> observer = new Observer;
            QObject *victim = publisherDies ? static_cast<QObject *>(publisher) : observer;
            publisher->death = {entry, [victim] { delete victim; }};
            scene(publisher, observer);
            QVERIFY2(publisherDies ? publisher.isNull() : observer.isNull(), entry);
            delete publisher.data();
            delete observer.data();
        };
        // subscribe() walks the publisher's signals no further than the attach slot that killed the observer.
        dies("attached", false, [](Publisher *publisher, Observer *observer) {
            publisher->subscribe(observer);
            QVERIFY(!publisher->isSubscribed(observer));
            QCOMPARE(publisher->linkCountByName("destroyed") + publisher->linkCountByName("disposed"), 0);
        });
        // The first of a destroyed observer's three links kills the publisher.
        dies("-destroyed", true, [](Publisher *publisher, Observer *observer) {
            publisher->subscribe(observer);
            delete observer;
        });
        // linkBySignalAndObserverOrSubscribe() whose attach slot kills either: no link, and nothing to
        // report, since the slot existed.
        for (const bool publisherDies : eachRow(std::array{false, true})) {
            dies("attached", publisherDies, [](Publisher *publisher, Observer *observer) {
                QVERIFY(!publisher->linkBySignalAndObserverOrSubscribe("valueChanged", observer)->isValid());
            });
        }
        // unsubscribeAndCall() whose detach slot or hook kills the observer: nothing is called.
        for (const char *entry : eachRow(std::array{"detached", "-valueChanged"})) {
            dies(entry, false, [](Publisher *publisher, Observer *observer) {
                const AbstractNotifier::Link *link =
                    publisher->linkBySignalAndObserverOrSubscribe("valueChanged", observer);
                publisher->unsubscribeAndCall(*link, Q_ARG(int, 9));
                QCOMPARE(publisher->linkCountByName("valueChanged"), 0);
            });
        }
        QCOMPARE(recorder.count(), 0);
    }

    void forwarding()
    {
        Publisher source, target;
        QSignalSpy same(&target, &Publisher::valueChanged);
        QSignalSpy renamed(&target, &Publisher::counted);
        Trade::ReportRecorder recorder;
        source.forward(&target, "valueChanged");
        source.forward("valueChanged", &target, "counted");
        source.forward(&target, "valueChanged");   // already there
        QCOMPARE(same.size() + renamed.size(), 2); // the attach slot greets forwarding links too
        Q_EMIT source.valueChanged(5, QStringLiteral("five"));
        QCOMPARE(same.last(), QVariantList({5, QStringLiteral("five")}));
        QCOMPARE(renamed.last(), QVariantList{5});
        QCOMPARE(source.linkCount("2valueChanged(int,QString)"), 2);
        source.unsubscribe(&target);
        Q_EMIT source.valueChanged(6, QString());
        QCOMPARE(same.size() + renamed.size(), 4);
        QCOMPARE(recorder.count(), 0);
    }

    // The links connect what Qt connects when given the texts: the derived class's slot, the
    // emitted form of a signal with a defaulted parameter; parameters that do not fit are refused
    // (Qt's warning, the notifier's report). Unsubscribing by the same texts ends the calls.
    void connectsAsQtByText_data()
    {
        QTest::addColumn<Subscription>("subscription");
        QTest::addColumn<QByteArrayList>("calls");
        QTest::addColumn<int>("reports");
        const auto texts = [](const char *signal, const char *slot) {
            return Subscription([=](Announcer &a, Listener &l, bool on) {
                on ? a.subscribe(signal, &l, slot) : a.unsubscribe(signal, &l, slot);
            });
        };
        const auto add = [](const char *name, QByteArrayList calls, int reports, Subscription subscription) {
            QTest::addRow("%s", name) << subscription << calls << reports;
        };
        add("by convention, slot declared again", {"derived 3"}, 0,
            [](Announcer &a, Listener &l, bool on) { on ? a.subscribe(&l) : a.unsubscribe(&l); });
        add("by signal name, slot declared again", {"derived 3"}, 0,
            [](Announcer &a, Listener &l, bool on) { on ? a.subscribe(&l, "changed") : a.unsubscribe(&l, "changed"); });
        add("by texts, slot declared again", {"derived"}, 0, texts("2changed(int)", "1onChanged()"));
        add("by plain names", {"number 3"}, 0, texts("changed", "onNumber"));
        add("defaulted parameter left out", {"derived"}, 0, texts("2changed()", "1onChanged()"));
        add("defaulted parameter left out, slot takes it", {}, 1, texts("2changed()", "1onNumber(int)"));
        add("parameters that do not fit", {}, 1, texts("2named(QString)", "1onNumber(int)"));
        add("checked, slot declared again", {"number 3"}, 0, [](Announcer &a, Listener &l, bool on) {
            const auto signal = TRADE_SIGNAL(Announcer, changed);
            const auto slot = TRADE_SLOT(Listener, onNumber);
            on ? Common::subscribe(&a, signal, &l, slot) : Common::unsubscribe(&a, signal, &l, slot);
        });
    }

    void connectsAsQtByText()
    {
        QFETCH(Subscription, subscription);
        QFETCH(QByteArrayList, calls);
        QFETCH(int, reports);
        Trade::ReportRecorder recorder;
        Announcer announcer;
        Listener listener;
        if (reports)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^QObject::connect: Incompatible")));
        subscription(announcer, listener, true);
        QCOMPARE(recorder.count(), reports);
        QCOMPARE(announcer.isSubscribed(&listener), reports == 0);
        Q_EMIT announcer.changed(3);
        Q_EMIT announcer.named(QStringLiteral("x"));
        QCOMPARE(listener.calls, calls);
        if (reports)
            return;
        subscription(announcer, listener, false);
        QVERIFY(!announcer.isSubscribed(&listener));
        Q_EMIT announcer.changed(4);
        QCOMPARE(listener.calls, calls);
        QCOMPARE(recorder.count(), 0);
    }

    // The observer, the slot and both signal texts each tell links apart, for equality and for
    // the order the notifier keeps its links in.
    void linkIdentity()
    {
        using Link = AbstractNotifier::Link;
        Observer first, second;
        const Link link{{&first, "1slot_valueChanged(int)"}, {"valueChanged", "2valueChanged(int,QString)"}};
        QVERIFY(link == Link(link) && !(link < link));
        for (const Link &other : eachRow(std::array{Link{{&second, link.delegate.slot}, link.signal},
                                                    Link{{&first, "1onGone()"}, link.signal},
                                                    Link{link.delegate, {"counted", link.signal.signature}},
                                                    Link{link.delegate, {"valueChangee", link.signal.signature}},
                                                    Link{link.delegate, {link.signal.name, "2counted(int)"}}})) {
            QVERIFY(link != other);
            QVERIFY((link < other) != (other < link));
        }
        // Without any one part a link is invalid; a delegate without its observer names no method.
        QVERIFY(link.isValid() && link.delegate.metaMethod().isValid());
        for (const Link &partial : eachRow(std::array{Link{{nullptr, link.delegate.slot}, link.signal},
                                                      Link{{&first, QByteArray()}, link.signal},
                                                      Link{link.delegate, {QByteArray(), link.signal.signature}},
                                                      Link{link.delegate, {link.signal.name, QByteArray()}}}))
            QVERIFY(!partial.isValid());
        QVERIFY(!(Link::Delegate{nullptr, link.delegate.slot}).metaMethod().isValid());
    }
};

QTEST_GUILESS_MAIN(tst_Notifier)
#include "tst_notifier.moc"
