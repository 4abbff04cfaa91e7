#include <basekit/loadproblems.h>
#include <typekit/position/tradeside.h>
#include <typekit/symbol/symbolcategory.h>

#include <QtCore/QFile>
#include <QtTest/QtTest>

#include "rows.h"

class tst_Library : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Meta-type ids follow the order of registration at load; this runs before the test asks for any type itself.
    void loadOrder()
    {
        const QByteArrayList order =
            QByteArray(
                "ConnectionStateConverter LogCategoryConverter ExitStrategyLevelConverter ExitStrategyLevelsConverter "
                "PyramidConverter StopStrategyLevelConverter StopStrategyLevelsConverter BracketCategory OrderAction "
                "OrderCategory OrderExpiry SymbolCategory EventSource EventReason OrderState OrderFlags "
                "OrderStorageFilter PositionStorageFilter StorageFilter IStorage::ChangeEvent IRecord* IStorage* "
                "VariantRecordConverter AveragePriceConverter FieldSet PercentConverter PriceConverter "
                "ProfitConverter QuantityConverter TradeSideConverter VariantRecordListConverter "
                "SpreadLegsOrderInfoConverter")
                .split(' ');
        int previous = QMetaType::User - 1;
        for (const QByteArray &name : order) {
            const QMetaType type = QMetaType::fromName("Trade::" + name);
            QVERIFY2(type.isValid(), name.constData());
            QVERIFY2(type.id() > previous, name.constData());
            previous = type.id();
        }
        for (const char *lazy : {"Trade::TradeSide", "Trade::ConnectionState", "Trade::Price", "Trade::VariantRecord"})
            QVERIFY2(!QMetaType::fromName(lazy).isValid(), lazy);
        // Asked for by type, value types register under their names, which saved forms carry.
        const int tradeSide = qMetaTypeId<Trade::TradeSide>();
        QVERIFY(tradeSide > previous);
        QCOMPARE(QMetaType::fromName("Trade::TradeSide").id(), tradeSide);
    }

    // Values saved as numbers: a text that does not read gives the value without one, and the load hears why.
    void savedNumbers()
    {
        // Type, text, loaded, malformed; an order state keeps a reason only when completed (5).
        const std::tuple<const char *, const char *, const char *, bool> rows[] = {
            {"Trade::OrderState", "5,2", "5,2", false},      {"Trade::OrderState", "4,2", "0,0", false},
            {"Trade::OrderState", "4,x", "0,0", true},       {"Trade::OrderState", "4", "4,0", false},
            {"Trade::OrderState", "2,0", "2,0", false},      {"Trade::OrderState", "5,3,1", "0,0", true},
            {"Trade::EventSource", "2,3", "2,3", false},     {"Trade::EventSource", "", "0,0", true},
            {"Trade::EventReason", "0:a:b", "0:a:b", false}, {"Trade::EventReason", "3", "0:", true},
            {"Trade::EventReason", ":text", "0:", true},     {"Trade::OrderFlags", "7", "3", false},
            {"Trade::OrderFlags", "all", "0", true},         {"Trade::SymbolCategory", "14", "14", false}};
        for (const auto &[type, text, loaded, malformed] : eachRow(rows)) {
            Trade::LoadProblems problems;
            QVariant value(QString::fromLatin1(text));
            QVERIFY(value.convert(QMetaType::fromName(type)));
            QCOMPARE(value.toString(), QLatin1String(loaded));
            QCOMPARE(problems.problems().size(), malformed ? 1 : 0);
            for (const Trade::LoadProblem &problem : problems.problems())
                QVERIFY(problem.kind == Trade::LoadProblem::MalformedText && problem.typeName == QLatin1String(type));
        }
    }

    void versionResource()
    {
        QFile resource(QStringLiteral(":/typekit/typekit.rc"));
        QVERIFY(resource.open(QIODevice::ReadOnly));
        const QByteArray script = resource.readAll();
        for (const char *text : {"VERSIONINFO", "12,0,3598,1040", "\"12.0.3598.1040\"",
                                 "\"FileDescription\", \"Trade Plugins Support Library\""})
            QVERIFY2(script.contains(text), text);
    }
};

QTEST_GUILESS_MAIN(tst_Library)
#include "tst_library.moc"
