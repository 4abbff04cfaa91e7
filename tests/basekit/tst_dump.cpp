// Dump: the saved-form tree and its JSON text, which users keep in files on their disks.
#include <basekit/dump.h>

#include <QtTest/QtTest>

#include "rows.h"

using Trade::Dump;

namespace {

Dump sampleRecord()
{
    Dump::Container record(QStringLiteral("Trade::VariantRecord"));
    for (int i = 0; i < 3; ++i) {
        Dump::Struct entry{QString()};
        entry.insert(QStringLiteral("field"), Dump(Dump::Atom(QStringLiteral("Trade::IField*"), QString::number(i))));
        const QString value = QStringLiteral("line\n\"%1\" é").arg(i);
        record.append(Dump(entry.insert(QStringLiteral("value"), Dump(Dump::Atom(QStringLiteral("QString"), value)))));
    }
    record.append(Dump());
    record.append(Dump(Dump::Container(QStringLiteral("empty"))));
    return Dump(record);
}

QString nested(int depth)
{
    QString text = QStringLiteral("{\"type\": \"t\", \"value\": \"v\"}");
    for (int i = 1; i < depth; ++i)
        text = QStringLiteral("{\"type\": \"t\", \"items\": [%1]}").arg(text);
    return text;
}

} // namespace

class tst_Dump : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void nodes()
    {
        const Dump atom(Dump::Atom(QStringLiteral("int"), QStringLiteral("3")));
        QVERIFY(atom.typeName() == u"int" && Dump().typeName().isNull());
        QVERIFY(atom.asStruct().size() == 0 && atom.asContainer().size() == 0 && Dump().asAtom() == Dump::Atom());

        // Copies share, and an edit to a node copy does not reach the dump it came from.
        const Dump record = sampleRecord();
        Dump::Container edited = record.asContainer();
        edited.append(atom);
        QVERIFY(record.asContainer().size() == 5 && edited.size() == 6);

        const Dump four(Dump::Atom(QStringLiteral("int"), QStringLiteral("4")));
        Dump::Struct structure(QStringLiteral("s"));
        structure.insert(QStringLiteral("b"), atom).insert(QStringLiteral("a"), atom).insert(QStringLiteral("b"), four);
        QCOMPARE(structure.size(), 2);
        QCOMPARE(structure.member(QStringLiteral("b")), four); // the later member replaces the earlier
        QVERIFY(structure.member(QStringLiteral("missing")).isNull());

        Dump::Struct renamed(QStringLiteral("t"));
        renamed.insert(QStringLiteral("a"), atom).insert(QStringLiteral("b"), four);
        const QList<Dump> distinct{Dump(), atom, four, Dump::Atom(QStringLiteral("uint"), QStringLiteral("3")),
                                   structure, Dump::Struct(structure).insert(QStringLiteral("a"), four), renamed,
                                   Dump::Container(QStringLiteral("int")).append(atom),
                                   Dump::Container(QStringLiteral("int")).append(four),
                                   Dump::Container(QStringLiteral("uint")).append(atom)};
        for (qsizetype i = 0; i < distinct.size(); ++i) {
            for (qsizetype j = 0; j < distinct.size(); ++j)
                QCOMPARE(distinct.at(i) != distinct.at(j), i != j);
        }
    }

    void roundTrip()
    {
        Dump::Struct outer(QStringLiteral("outer"));
        outer.insert(QStringLiteral("record"), sampleRecord());
        outer.insert(QStringLiteral("type"), Dump(Dump::Atom())); // member names are free
        for (const Dump &dump : eachRow(std::array{
                 Dump(), Dump(Dump::Atom()), Dump(Dump::Struct(QStringLiteral("Trade::Price"))), sampleRecord(),
                 Dump(outer), Dump(Dump::Atom(QStringLiteral("Trade::TradeSide"), QStringLiteral("Long")))})) {
            QString error = QStringLiteral("untouched");
            const Dump back = Dump::fromJson(dump.toJsonIndented(), &error);
            QCOMPARE(error, QString());
            QVERIFY2(back == dump, qPrintable(dump.toJsonIndented()));
        }
        QVERIFY(!Dump::fromJson(nested(Dump::maxJsonDepth)).isNull()); // the deepest nesting read
    }

    // Text that is no dump reads as a null dump, with an error that says why; no error pointer is needed.
    void malformedJson()
    {
        const std::pair<QString, const char *> rows[] = {
            {QString(), "offset"},
            {QStringLiteral("[]"), "JSON object"},
            {QStringLiteral("{\"type\": \"t\", \"value\": \"v\", \"x\": 1}"), "unexpected key \"x\""},
            {QStringLiteral("{\"type\": \"t\"}"), "exactly one"},
            {QStringLiteral("{\"type\": \"t\", \"value\": \"v\", \"items\": []}"), "exactly one"},
            {QStringLiteral("{\"value\": \"v\"}"), "\"type\" must be a string"},
            {QStringLiteral("{\"type\": \"t\", \"value\": 2}"), "\"value\" must be a string or null"},
            {QStringLiteral("{\"type\": \"t\", \"members\": []}"), "\"members\" must be an object"},
            {QStringLiteral("{\"type\": \"t\", \"items\": {}}"), "\"items\" must be an array"},
            {QStringLiteral("{\"type\": \"t\", \"items\": [{}, 3]}"), "/1: a dump must be a JSON object"},
            {QStringLiteral("{\"type\": \"t\", \"members\": {\"m\": {\"type\": \"t\", \"items\": [\"x\"]}}}"),
             "/m/0: a dump must be a JSON object"},
            {nested(Dump::maxJsonDepth + 1), "nested deeper"},
        };
        for (const auto &[json, errorPart] : eachRow(rows)) {
            QString error;
            QVERIFY(Dump::fromJson(json, &error).isNull());
            QVERIFY2(error.contains(QLatin1String(errorPart)), qPrintable(error));
            QVERIFY(Dump::fromJson(json).isNull());
        }
    }
};

QTEST_GUILESS_MAIN(tst_Dump)
#include "tst_dump.moc"
