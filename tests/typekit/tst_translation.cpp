// The German catalogue as a host uses it: installed before the first display text is made, it
// translates the order world's texts, while saved texts and order kinds stay as they are.
#include <typekit/mms/exitstrategy/pyramid.h>
#include <typekit/order/bracketcategory.h>
#include <typekit/order/orderaction.h>
#include <typekit/order/ordercategory.h>
#include <typekit/order/orderexpiry.h>
#include <typekit/order/orderstate.h>
#include <typekit/position/tradeside.h>

#include <QtCore/QTranslator>
#include <QtTest/QtTest>

using namespace Trade;

class tst_Translation : public QObject
{
    Q_OBJECT

    QTranslator translator;

private slots:
    void initTestCase();
    void texts_data();
    void texts();
};

void tst_Translation::initTestCase()
{
    // Texts are made once and kept: this runs before anything in this program asks for one.
    QVERIFY(translator.load(QLocale(QLocale::German), QStringLiteral("typekit"), QStringLiteral("_"),
                            QStringLiteral(TYPEKIT_TRANSLATIONS_DIR)));
    QVERIFY(QCoreApplication::installTranslator(&translator));
}

void tst_Translation::texts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    const OrderAction sellShort(OrderAction::SellShort);
    const OrderState filled(OrderState::Completed, OrderState::reasonFilled);
    QTest::addRow("action") << sellShort.toString() << QStringLiteral("Leerverkauf");
    QTest::addRow("saved action") << sellShort.toSaveableString() << QStringLiteral("Sell Short");
    QTest::addRow("state") << filled.toString() << QStringLiteral("Ausgeführt");
    QTest::addRow("untranslated state") << filled.toLatin1String() << QStringLiteral("Filled");
    QTest::addRow("expiry") << OrderExpiry(OrderExpiry::DayExt).toString() << QStringLiteral("Tagesorder erw.");
    QTest::addRow("bracket") << BracketCategory(BracketCategory::StopLoss).toString() << QStringLiteral("Stop-Loss");
    QTest::addRow("side") << TradeSide(TradeSide::Flat).toString() << QStringLiteral("Glatt");
    QTest::addRow("pyramid") << Pyramid(Pyramid::AdjustQuantityOnly).toString() << QStringLiteral("Nur Menge anp.");
    QTest::addRow("order kind") << OrderCategory(OrderCategory::LimitAtAsk).toString() << QStringLiteral("Limit At Ask");
}

void tst_Translation::texts()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(text, expected);
}

QTEST_GUILESS_MAIN(tst_Translation)
#include "tst_translation.moc"
