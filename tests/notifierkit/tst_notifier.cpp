// The notifier: subscriptions, reports, attach and detach, observer and publisher lifetime, calls and forwarding.
#include <testsupport/reportrecorder.h>

#include <notifierkit/checkedsubscription.h>
#include <notifierkit/idisposable.h>
#include <notifierkit/commonabstractnotifier.h>
#include <notifierkit/observerdestroyhelper.h>

#include <QtTest/QtTest>

#include "rows.h"

#include <functional>
#include <optional>

using Common::AbstractNotifier;

// `heard`: "attached"/"detached" from the valueChanged attach/detach slots, "+name"/"-name" from the hooks.
class Publisher : public QObject, public AbstractNotifier, public virtual Trade::IDisposable
{
    Q_OBJECT

public:
    ~Publisher() override { Q_EMIT disposed(this); }
    int value = 7;
    QByteArrayList heard;
    // Run once when `heard` gets this entry: a place inside the notifier's calls where an object can die.
    std::pair<QByteArray, std::function<void()>> death;
    std::function<void(const Link *)> onDetached;

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
};

class Bare : public QObject
{
    Q_OBJECT

public Q_SLOTS:
    void slot_valueChanged(double) {} // fits no signal of Publisher
    void onGone(Trade::IDisposable *) {}
};

// Misfits of the convention for Publisher's signals, beside a fit, another publisher's and its own attach slot.
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
    void slot_vblueChangedXY(int) {} // three letters off: another publisher's

Q_SIGNALS:
    void valueChange();

private Q_SLOTS:
    void attached_valueChange(const Link *) {}
};

struct Orphan : AbstractNotifier
{}; // a notifier that is no QObject

// Qt's lookup by text picks one of several: a defaulted parameter (two methods), slots declared again.
class Announcer : public QObject, public AbstractNotifier
{
    Q_OBJECT

Q_SIGNALS:
    void changed(int value = 5);
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

QString line(const char *function, const QByteArray &condition, QStringView message = u"\"\" ")
{
    const QString qualified = QStringLiteral("Common::AbstractNotifier") + QLatin1String(function);
    return Trade::ReportRecorder::line(u"notifier/commonabstractnotifier", qualified, QString::fromLatin1(condition),
                                       message);
}

QString subscribeLog(const QString &text)
{
    return Trade::ReportRecorder::logLine(0, 3, u"notifier/commonabstractnotifier",
                                          u"Common::AbstractNotifier::subscribe", text);
}

QString refused(const char *function, const QByteArray &reason)
{
    return line(function, "false && \"" + reason + '"');
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

    std::optional<Trade::ReportRecorder> recorder; // each test's; cleanup() wants no report left in it
    QStringList taken()
    {
        const QStringList lines = recorder->lines();
        recorder->clear();
        return lines;
    }

private Q_SLOTS:
    void init() { recorder.emplace(); }
    void cleanup() { QCOMPARE(recorder->count(), 0); }

    void subscribeByNameAndCall()
    {
        World world;
        world.observer.watched = &world.publisher;
        world.publisher.subscribe(&world.observer, "valueChanged");
        world.publisher.subscribe(&world.observer, "2valueChanged(int, const QString&)"); // the same link
        QCOMPARE(world.observer.calls, QByteArrayList({"value 7", "subscribed"})); // greeted once, by attach slot
        QCOMPARE(world.publisher.heard, QByteArrayList({"attached", "+valueChanged"}));

        const AbstractNotifier::Link link =
            *world.publisher.linkBySignalAndObserverOrSubscribe("valueChanged", &world.observer);
        world.publisher.subscribe(link);
        QCOMPARE(taken(), QStringList{refused("::subscribe", "Such signal/slot pair is already subscribed")});

        world.observer.calls.clear();
        world.publisher.unsubscribeAndCall(link, Q_ARG(int, 9));
        QCOMPARE(world.observer.calls, QByteArrayList({"value 9", "unsubscribed"}));
    }

    // Misfits are named once per observer and publisher class; the static calls neither record nor greet.
    void subscribeAll()
    {
        Publisher misfitted;
        Misspelt first, second;
        misfitted.subscribe(&first);
        misfitted.subscribe(&second);
        QStringList expected; // in method order: the invokable comes after the slots
        for (const char *method : {"slot_valuechanged(int)", "slot_valeuChanged(int)", "slot_valueChang(int)",
                                   "slot_disposed(int)", "attached_counted(int)", "slot_counted(int)"}) {
            const QLatin1String more(qstrcmp(method, "slot_counted(int)") ? "" : ": it is not a slot");
            expected << subscribeLog(
                QStringLiteral("\"Misspelt::%1 follows no signal of Publisher%2.\"").arg(QLatin1String(method), more));
        }
        QCOMPARE(recorder->logLines(), expected);
        QVERIFY(misfitted.isSubscribed(&first, "valueChanged") && misfitted.isSubscribed(&second, "valueChanged"));
        recorder->clear();

        auto *publisher = new Publisher;
        auto *observer = new Observer;
        Observer unrecorded;
        Bare bare;
        publisher->subscribe(observer);
        publisher->subscribe(observer); // nothing new, nothing reported
        publisher->subscribe(&bare);
        const QString nothingConnected = subscribeLog(QStringLiteral("\"No signals/slots were connected during "
                                                                     "subscribe() call. Event source: 'Publisher', "
                                                                     "observer: 'Bare'.\""));
        const QString bareMisfit =
            subscribeLog(QStringLiteral("\"Bare::slot_valueChanged(double) follows no signal of Publisher.\""));
        QCOMPARE(recorder->logLines(), QStringList({nothingConnected, bareMisfit}));

        AbstractNotifier::subscribe(publisher, &unrecorded, Qt::UniqueConnection);
        AbstractNotifier::unsubscribe(publisher, "valueChanged", &unrecorded);
        AbstractNotifier::subscribe(publisher, "disposed", &unrecorded, "onGone", Qt::DirectConnection);
        Q_EMIT publisher->valueChanged(1, QString());
        AbstractNotifier::subscribe(publisher, &unrecorded, Qt::UniqueConnection); // two of three are there
        QCOMPARE(recorder->lines(),
                 QStringList(2, line("::subscribe", "QObject::connect(sender, signal.decoratedSignature(), "
                                                    "observer, slot.decoratedSignature(), connectionType)")));
        QVERIFY(!publisher->isSubscribed("valueChanged", &unrecorded, "1slot_valueChanged(int)"));
        AbstractNotifier::subscribe(publisher, &bare, Qt::AutoConnection); // nothing fits: said by the static call too
        QCOMPARE(recorder->logLines(), QStringList({nothingConnected, bareMisfit, nothingConnected}));
        recorder->clear();

        delete publisher;
        QCOMPARE(observer->calls, QByteArrayList({"value 7", "value 1", "disposed", "destroyed"}));
        QCOMPARE(unrecorded.calls, QByteArrayList({"disposed", "gone", "destroyed"}));
        QVERIFY(helpers(observer) == 1 && helpers(&unrecorded) == 0); // the recorded observer's left inert
        delete observer;
    }

    void checkedSubscription()
    {
        World w;
        const auto valueChanged = TRADE_SIGNAL(Publisher, valueChanged);
        const auto valueSlot = TRADE_SLOT(Observer, slot_valueChanged);
        Common::subscribe(&w.publisher, valueChanged, &w.observer, valueSlot);
        QVERIFY(Common::isSubscribed(&w.publisher, valueChanged, &w.observer, valueSlot));
        Common::subscribe(&w.publisher, TRADE_SIGNAL(Trade::IDisposable, disposed), &w.observer,
                          TRADE_SLOT(Observer, onGone));
        QVERIFY(w.publisher.isSubscribed("disposed", &w.observer, "onGone"));
        Common::subscribe(static_cast<Common::INotifier *>(nullptr), valueChanged, &w.observer, valueSlot);
        QVERIFY(!Common::isSubscribed(static_cast<Common::INotifier *>(nullptr), valueChanged, &w.observer, valueSlot));
        const auto checked = [](const char16_t *function) {
            return Trade::ReportRecorder::line(u"notifier/checkedsubscription", function, u"publisher != 0");
        };
        QCOMPARE(taken(), QStringList({checked(u"Common::subscribe"), checked(u"Common::isSubscribed")}));
    }

    // Calls take Q_ARG or values (Qt 6.4, 6.5 forms); a value of another type is refused on every Qt, as 6.5 does.
    void operations_data()
    {
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<QByteArrayList>("calls");
        QTest::addColumn<QStringList>("reports");
        const auto call = [](const char *name, QByteArrayList calls, QStringList reports, Operation op) {
            QTest::addRow("%s", name) << op << calls << reports;
        };
        const auto row = [&call](const char *name, QStringList reports, Operation op) { call(name, {}, reports, op); };
        const QString noSlot = refused("::subscribe", "Appropriate slot could not be found");
        const QString failed = refused("::subscribe", "Failed to subscribe/unsubscribe signal/slot");
        const QString notSubscribed = refused("::unsubscribe", "Such signal/slot pair is not subscribed");
        const QByteArray noSignal = "Appropriate signal could not be found";
        const QString callRefused = line("::call", "link.delegate.metaMethod().invoke(link.delegate.observer, "
                                                   "m_private->m_connectionType, val0, val1, val2, val3, val4, val5, "
                                                   "val6, val7, val8, val9)");
        static const auto link = [](World &w) {
            return AbstractNotifier::Link{{&w.observer, "1take(int,QString,Trade::IDisposable*)"},
                                          {"valueChanged", "2valueChanged(int,QString)"}};
        };
        static const auto object = [](World &w) { return static_cast<Trade::IDisposable *>(&w.publisher); };
        static const auto null = static_cast<Trade::IDisposable *>(nullptr);
        static const QString five = QStringLiteral("five");
        const QByteArrayList taken{"5 five object"};
        call("call, Q_ARG", taken, {}, [](World &w) {
            w.publisher.call(link(w), Q_ARG(int, 5), Q_ARG(QString, five), Q_ARG(Trade::IDisposable *, object(w)));
        });
        call("call, null pointer", {"5 five null"}, {}, [](World &w) { w.publisher.call(link(w), 5, five, null); });
        // Not recorded: reported, and called all the same.
        call("unsubscribeAndCall", taken, {notSubscribed},
             [](World &w) { w.publisher.unsubscribeAndCall(link(w), 5, five, object(w)); });
        call("callQueued", taken, {},
             [](World &w) { AbstractNotifier::callQueued(&w.observer, "take", 5, five, object(w)); });
        call("more arguments than parameters", {"value 5"}, {}, [](World &w) {
            w.publisher.call({{&w.observer, "1slot_valueChanged(int)"}, link(w).signal}, 5, five, null);
        });
        row("fewer arguments than parameters", {callRefused}, [](World &w) { w.publisher.call(link(w), 5, five); });
        row("a double for an int", {callRefused}, [](World &w) { w.publisher.call(link(w), 5.0, five, null); });
        row("call of a missing method", {callRefused}, [](World &w) {
            w.publisher.call({{&w.observer, "1absent()"}, link(w).signal});
        });
        row("queued call of a missing method",
            {line("::callQueued", "QMetaObject::invokeMethod(qobject(), method, Qt::QueuedConnection, "
                                  "val0, val1, val2, val3, val4, val5, val6, val7, val8, val9)")},
            [](World &w) { w.publisher.callQueued("absent"); });

        row("unknown signal", {refused("::subscribe", noSignal)},
            [](World &w) { w.publisher.subscribe(&w.observer, "absent"); });
        row("decorated unknown signal", {failed},
            [](World &w) { w.publisher.subscribe("2absent(int)", &w.observer, "onGone"); });
        row("unknown slot", {noSlot}, [](World &w) { w.publisher.subscribe("valueChanged", &w.observer, "absent"); });
        row("unfitting slot", {failed}, [](World &w) { w.publisher.subscribe("valueChanged", &w.observer, "onGone"); });
        row("null observer", {noSlot}, [](World &w) { w.publisher.subscribe(nullptr, "valueChanged"); });
        row("null observer, slot", {noSlot},
            [](World &w) { w.publisher.subscribe("valueChanged", nullptr, "1onGone()"); });
        row("not subscribed", {notSubscribed}, [](World &w) { w.publisher.unsubscribe(&w.observer, "valueChanged"); });
        row("empty link", {notSubscribed}, [](World &w) { w.publisher.unsubscribe(AbstractNotifier::Link()); });
        row("empty link, subscribed", {failed}, [](World &w) { w.publisher.subscribe(AbstractNotifier::Link()); });
        row("null observer has nothing", {}, [](World &w) { w.publisher.unsubscribe(nullptr); });
        row("null observer fits nothing", {}, [](World &w) { w.publisher.subscribe(static_cast<QObject *>(nullptr)); });
        row("missing slot, no link", {}, [](World &w) { QVERIFY(!w.publisher.isSubscribed(&w.bare, "valueChanged")); });
        row("isSubscribed, unknown signal", {refused("::isSubscribed", noSignal)},
            [](World &w) { w.publisher.isSubscribed(&w.observer, "absent"); });
        row("linkCount, unknown signal", {refused("::linkCount", noSignal)},
            [](World &w) { QCOMPARE(w.publisher.linkCount("absent"), 0); });
        row("forward to a target without the signal",
            {refused("::forward", "Failed to subscribe/unsubscribe signal/slot")},
            [](World &w) { w.publisher.forward(&w.observer, "disposed"); });
        row("forward to an unknown signal", {refused("::forward", noSignal)},
            [](World &w) { w.publisher.forward("valueChanged", &w.observer, "absent"); });
        row("link without a slot",
            {noSlot, line("::linkBySignalAndObserverOrSubscribe", "link->isValid()",
                          Trade::ReportRecorder::quoted(u"The observer must have an appropriate slot"))},
            [](World &w) {
                QVERIFY(!w.publisher.linkBySignalAndObserverOrSubscribe("valueChanged", &w.bare)->isValid());
                QVERIFY(!w.publisher.linkBySignalAndObserverOrSubscribe("valueChanged", nullptr)->isValid());
            });
        row("interface casts",
            {line("::qobject", "result != NULL",
                  Trade::ReportRecorder::quoted(u"object must be inherited from QObject"))},
            [](World &w) {
                Common::IObject *object = &w.publisher;
                QCOMPARE(object->as<Common::IObject>(), object);
                QVERIFY(!object->as(typeid(int)) && !Orphan().qobject());
            });
        const QString helper = QStringLiteral("Common::ObserverDestroyHelper::ObserverDestroyHelper");
        row("helper without observer or notifier",
            {Trade::ReportRecorder::line(u"notifier/observerdestroyhelper", helper, u"NULL != observer"),
             Trade::ReportRecorder::line(u"notifier/observerdestroyhelper", helper, u"NULL != notifier")},
            [](World &) { delete new Common::ObserverDestroyHelper(nullptr, nullptr); });
        const char *const matches = "slot name matches the signal, while the argument ";
        row("attach and detach slots of wrong shapes",
            {refused("Private::callAttachDetachSlots", QByteArray(matches) + "type is incorrect"),
             refused("Private::callAttachDetachSlots", QByteArray(matches) + "count does not")},
            [](World &w) {
                w.publisher.subscribe("counted", &w.observer, "slot_valueChanged");
                w.publisher.unsubscribe(&w.observer);
            });
        // Observers live in the subscribing thread: no link and no child is made there (the ThreadSanitizer run).
        row("observer of another thread",
            QStringList(3,
                        refused("::subscribe", "The observer lives in another thread than the one that subscribes it")),
            [](World &w) {
                QThread thread;
                Observer observer;
                observer.moveToThread(&thread);
                w.publisher.subscribe(&observer); // valueChanged, disposed, destroyed
                QVERIFY(!w.publisher.isSubscribed(&observer));
                QCOMPARE(helpers(&observer), 0);
            });
        // A detach slot calls the observer being destroyed: not called, and no QPointer made to it (sanitizers).
        row("detach slot calls a dying observer", {notSubscribed, callRefused}, [](World &w) {
            w.publisher.onDetached = [&w](const AbstractNotifier::Link *link) {
                w.publisher.unsubscribeAndCall(*link, 1);
                w.publisher.call(*link, 2);
            };
            auto *observer = new Observer;
            w.publisher.subscribe(observer, "valueChanged");
            delete observer;
            w.publisher.onDetached = nullptr;
        });
    }

    void operations()
    {
        QFETCH(Operation, operation);
        QFETCH(QByteArrayList, calls);
        QFETCH(QStringList, reports);
        World world;
        operation(world);
        QTRY_COMPARE(world.observer.calls, calls);
        QCOMPARE(taken(), reports);
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
        row("bare, without a conventional slot, by signal", false,
            [](World &w) { w.publisher.unsubscribe(&w.bare, "disposed"); });
    }

    void unsubscribe()
    {
        QFETCH(Operation, operation);
        QFETCH(bool, observerLeft);

        World world;
        world.publisher.subscribe(&world.observer, "valueChanged");
        world.publisher.subscribe("disposed", &world.bare, "onGone");
        world.publisher.heard.clear();
        operation(world);
        QCOMPARE(world.publisher.heard,
                 observerLeft ? QByteArrayList({"detached", "-valueChanged"}) : QByteArrayList{"-disposed"});
        QObject *left = observerLeft ? static_cast<QObject *>(&world.observer) : &world.bare;
        QObject *stayed = observerLeft ? static_cast<QObject *>(&world.bare) : &world.observer;
        QVERIFY(!world.publisher.isSubscribed(left) && world.publisher.isSubscribed(stayed));
        QCOMPARE(helpers(left), 0); // gone with the last link
    }

    void destroyed()
    {
        {
            Publisher first, second;
            auto *observer = new Observer;
            first.subscribe(observer);
            second.subscribe(observer, "valueChanged");
            QCOMPARE(helpers(observer), 2);
            first.heard.clear();
            second.heard.clear();
            delete observer;
            QCOMPARE(first.heard, QByteArrayList({"-destroyed", "-disposed", "detached", "-valueChanged"}));
            QCOMPARE(second.heard, QByteArrayList({"detached", "-valueChanged"}));
        }
        // At the entry it hears, the publisher deletes the observer or itself: the notifier stops, no link kept.
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
        dies("-destroyed", true, [](Publisher *publisher, Observer *observer) {
            publisher->subscribe(observer);
            delete observer;
        });
        for (const bool publisherDies : eachRow(std::array{false, true})) {
            dies("attached", publisherDies, [](Publisher *publisher, Observer *observer) {
                QVERIFY(!publisher->linkBySignalAndObserverOrSubscribe("valueChanged", observer)->isValid());
            });
        }
        dies("detached", false, [](Publisher *publisher, Observer *observer) {
            publisher->unsubscribeAndCall(*publisher->linkBySignalAndObserverOrSubscribe("valueChanged", observer),
                                          Q_ARG(int, 9));
            QCOMPARE(publisher->linkCountByName("valueChanged"), 0);
        });
    }

    void forwarding()
    {
        Publisher source, target;
        QSignalSpy same(&target, &Publisher::valueChanged);
        QSignalSpy renamed(&target, &Publisher::counted);
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
    }

    // Links connect what Qt connects given the texts; misfits are refused (Qt's warning, a report).
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
        add("by texts, slot declared again", {"derived"}, 0, texts("2changed(int)", "1onChanged()"));
        add("by plain names", {"number 3"}, 0, texts("changed", "onNumber"));
        add("defaulted parameter left out", {"derived"}, 0, texts("2changed()", "1onChanged()"));
        add("defaulted parameter left out, slot takes it", {}, 1, texts("2changed()", "1onNumber(int)"));
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
        Announcer announcer;
        Listener listener;
        if (reports)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^QObject::connect: Incompatible")));
        subscription(announcer, listener, true);
        QCOMPARE(taken().size(), reports);
        QCOMPARE(announcer.isSubscribed(&listener), reports == 0);
        Q_EMIT announcer.changed(3);
        QCOMPARE(listener.calls, calls);
        if (reports)
            return;
        subscription(announcer, listener, false);
        QVERIFY(!announcer.isSubscribed(&listener));
        Q_EMIT announcer.changed(4);
        QCOMPARE(listener.calls, calls);
    }

    void linkIdentity()
    {
        using Link = AbstractNotifier::Link;
        Observer first, second;
        const Link link{{&first, "1slot_valueChanged(int)"}, {"valueChanged", "2valueChanged(int,QString)"}};
        QVERIFY(link == Link(link) && !(link < link));
        for (const Link &other : eachRow(std::array{Link{{&second, link.delegate.slot}, link.signal},
                                                    Link{{&first, "1onGone()"}, link.signal},
                                                    Link{link.delegate, {"counted", link.signal.signature}},
                                                    Link{link.delegate, {link.signal.name, "2counted(int)"}}})) {
            QVERIFY(link != other);
            QVERIFY((link < other) != (other < link));
        }
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
