// The notifier base of providers and controls: what its dump tells about the object.
#include <controlkit/abstractnotifier.h>

#include <QtTest/QtTest>

namespace {

class Publisher : public QObject, public Trade::AbstractNotifier
{
    Q_OBJECT
Q_SIGNALS:
    void changed(int value);
};

class Observer : public QObject
{
    Q_OBJECT
public Q_SLOTS:
    void slot_changed(int) {}
};

} // namespace

class tst_AbstractNotifier : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dumpNamesClassAndLinks()
    {
        Publisher publisher;
        Observer observer;
        const auto dump = [&publisher] { return static_cast<Trade::INotifier &>(publisher).dump().asStruct(); };
        const auto links = [&dump] { return dump().member(QStringLiteral("links")).asContainer().items(); };
        QVERIFY(!dump().contains(QStringLiteral("objectName")) && links().isEmpty()); // no name set, no link

        publisher.setObjectName(QStringLiteral("ticket"));
        publisher.subscribe(&observer);
        QCOMPARE(dump().typeName(), QStringLiteral("Publisher"));
        QCOMPARE(dump().member(QStringLiteral("objectName")).asAtom().value(), QStringLiteral("ticket"));
        QCOMPARE(links().size(), 1);
        const Trade::Dump::Struct link = links().first().asStruct();
        QCOMPARE(link.member(QStringLiteral("signal")).asAtom().value(), QStringLiteral("2changed(int)"));
        QCOMPARE(link.member(QStringLiteral("slot")).asAtom().value(), QStringLiteral("1slot_changed(int)"));
        QVERIFY(link.member(QStringLiteral("observer")).asAtom().value().startsWith(QStringLiteral("Observer@0x")));

        // A notifier that is no QObject is dumped quietly under its base's name.
        struct Plain : Trade::AbstractNotifier
        {};
        QCOMPARE(Plain().dump().asStruct().typeName(), QStringLiteral("Trade::AbstractNotifier"));
    }
};

QTEST_GUILESS_MAIN(tst_AbstractNotifier)
#include "tst_abstractnotifier.moc"
