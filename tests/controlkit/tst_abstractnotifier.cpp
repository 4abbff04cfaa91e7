// The notifier base of providers and controls: what its dump tells about the object.
#include <controlkit/abstractnotifier.h>

#include <QtTest/QtTest>

namespace {

class Publisher : public QObject, public Trade::AbstractNotifier
{
    Q_OBJECT
signals:
    void changed(int value);
};

class Observer : public QObject
{
    Q_OBJECT
public slots:
    void slot_changed(int) {}
};

} // namespace

class tst_AbstractNotifier : public QObject
{
    Q_OBJECT

private slots:
    void dumpNamesClassAndLinks()
    {
        Publisher publisher;
        publisher.setObjectName(QStringLiteral("ticket"));
        QCOMPARE(publisher.dump().asStruct().member(QStringLiteral("links")).asContainer().size(), 0);

        Observer observer;
        publisher.subscribe(&observer);
        Trade::INotifier *notifier = &publisher;
        const Trade::Dump::Struct dump = notifier->dump().asStruct();
        QCOMPARE(dump.typeName(), QStringLiteral("Publisher"));
        QCOMPARE(dump.member(QStringLiteral("objectName")).asAtom().value(), QStringLiteral("ticket"));
        const QVector<Trade::Dump> links = dump.member(QStringLiteral("links")).asContainer().items();
        QCOMPARE(links.size(), 1);
        const Trade::Dump::Struct link = links.first().asStruct();
        QCOMPARE(link.member(QStringLiteral("signal")).asAtom().value(), QStringLiteral("2changed(int)"));
        QCOMPARE(link.member(QStringLiteral("slot")).asAtom().value(), QStringLiteral("1slot_changed(int)"));
        QVERIFY(link.member(QStringLiteral("observer")).asAtom().value().startsWith(QStringLiteral("Observer@0x")));

        publisher.unsubscribe(&observer);
        QCOMPARE(publisher.dump().asStruct().member(QStringLiteral("links")).asContainer().size(), 0);
    }
};

QTEST_GUILESS_MAIN(tst_AbstractNotifier)
#include "tst_abstractnotifier.moc"
