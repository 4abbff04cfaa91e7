// The German catalogue, installed before the first display text: order texts translate, saved texts and order kinds do not.
#include <typekit/mms/exitstrategy/pyramid.h>
#include <typekit/order/orderaction.h>
#include <typekit/order/ordercategory.h>
#include <typekit/order/orderstate.h>
#include <typekit/position/tradeside.h>

#include <QtCore/QTranslator>
#include <QtTest/QtTest>

using namespace Trade;

class tst_Translation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void texts()
    {
        // Texts are made once and kept: this runs before anything in this program asks for one.
        QTranslator translator;
        QVERIFY(translator.load(QLocale(QLocale::German), QStringLiteral("typekit"), QStringLiteral("_"),
                                QStringLiteral(TYPEKIT_TRANSLATIONS_DIR)));
        QVERIFY(QCoreApplication::installTranslator(&translator));
        QCOMPARE(OrderAction(OrderAction::SellShort).toString(), u"Leerverkauf");
        QCOMPARE(OrderAction(OrderAction::SellShort).toSaveableString(), u"Sell Short");
        QCOMPARE(OrderState(OrderState::Completed, OrderState::reasonFilled).toString(), u"Ausgeführt");
        QCOMPARE(TradeSide(TradeSide::Flat).toString(), u"Glatt");
        QCOMPARE(Pyramid(Pyramid::AdjustQuantityOnly).toString(), u"Nur Menge anp.");
        QCOMPARE(OrderCategory(OrderCategory::LimitAtAsk).toString(), u"Limit At Ask"); // order kinds stay
    }
};

QTEST_GUILESS_MAIN(tst_Translation)
#include "tst_translation.moc"
