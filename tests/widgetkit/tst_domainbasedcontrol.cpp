// The control bases as the user and a plug-in meet them: a domain's items, the value, the read-only state.
#include <widgetkit/domainbasedcontrol.h>

#include <QtTest/QtTest>
#include <QtWidgets/QAbstractItemView>
#include <QtWidgets/QApplication>
#include <QtWidgets/QComboBox>

namespace {

QStringList words(const char *text)
{
    return QString::fromLatin1(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

Trade::Domain textDomain(const char *texts)
{
    Trade::Domain domain;
    for (const QString &text : words(texts))
        domain << Trade::Variant(text);
    return domain;
}

QStringList itemTexts(const QComboBox *combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

// Subscribed through the notifier: hears valueChanged by its full signature.
class View : public QObject
{
    Q_OBJECT

public:
    QStringList heard;

public Q_SLOTS:
    void slot_valueChanged(const Trade::Variant &value) { heard << value.toString(); }
};

} // namespace

class tst_DomainBasedControl : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void userChoice_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QByteArray>("gesture");

        for (const char *gesture : {"key", "wheel", "click"}) {
            QTest::addRow("%s", gesture) << false << QByteArray(gesture);
            QTest::addRow("read-only, %s", gesture) << true << QByteArray(gesture);
        }
    }

    // The user moves from B: a key or the wheel chooses C, which becomes the value and is announced
    // once, with the domain's value; a click opens the list. A read-only control takes no gesture.
    void userChoice()
    {
        QFETCH(bool, readOnly);
        QFETCH(QByteArray, gesture);

        Trade::DomainBasedControl control;
        control.setDomain(textDomain("A B C"));
        control.setValue(Trade::Variant(QStringLiteral("B")));
        control.setReadOnly(readOnly);
        control.show();
        QVERIFY(QTest::qWaitForWindowExposed(&control));
        View view;
        control.subscribe(&view);

        QComboBox *combo = control.comboControl();
        const QPointF at(5, 5);
        QWheelEvent wheel(at, combo->mapToGlobal(at), {}, {0, -120}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                          false);
        if (gesture == "key")
            QTest::keyClick(combo, Qt::Key_Down);
        else if (gesture == "wheel")
            QApplication::sendEvent(combo, &wheel);
        else
            QTest::mouseClick(combo, Qt::LeftButton);

        const bool chosen = !readOnly && gesture != "click";
        QCOMPARE(view.heard, chosen ? words("C") : QStringList());
        QCOMPARE(control.value().toString(), QString::fromLatin1(chosen ? "C" : "B"));
        QCOMPARE(combo->currentText(), control.value().toString());
        QCOMPARE(combo->view()->isVisible(), !readOnly && gesture == "click");
        combo->hidePopup();
    }

    // The program sets the value and the domain: the value's item is current when the domain has it;
    // only a different value is announced, a new domain never is.
    void valueAndDomain()
    {
        Trade::DomainBasedControl control;
        QComboBox *combo = control.comboControl();
        View view;
        control.subscribe(&view);

        control.setDomain(textDomain("A B C"));
        QCOMPARE(itemTexts(combo), words("A B C"));
        QCOMPARE(combo->currentIndex(), -1); // no value yet

        control.setValue(Trade::Variant(QStringLiteral("B")));
        control.setValue(Trade::Variant(QStringLiteral("B")));
        QCOMPARE(combo->currentIndex(), 1);
        control.setDomain(textDomain("B D"));
        QCOMPARE(combo->currentIndex(), 0);
        control.setValue(Trade::Variant(QStringLiteral("Z")));
        QCOMPARE(combo->currentIndex(), -1);
        QCOMPARE(view.heard, words("B Z"));

        control.setDomain(Trade::Domain());
        QCOMPARE(combo->count(), 0);
        // Values without text: an empty variant and a null text.
        control.setDomain(Trade::Domain({Trade::Variant(), Trade::Variant(QString())}));
        QCOMPARE(itemTexts(combo), QStringList({QString(), QString()}));
        QCOMPARE(control.value().toString(), QStringLiteral("Z"));
    }
};

QTEST_MAIN(tst_DomainBasedControl)
#include "tst_domainbasedcontrol.moc"
