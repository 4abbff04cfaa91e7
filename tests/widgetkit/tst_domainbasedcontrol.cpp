#include <widgetkit/domainbasedcontrol.h>

#include <QtTest/QtTest>
#include <QtWidgets/QAbstractItemView>
#include <QtWidgets/QApplication>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLayout>

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

struct Probe : Trade::DomainBasedControl
{
    using Trade::DomainBasedControl::itemValue;
};

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

    // From B, a key up chooses A, the wheel C: announced once; a click opens the list; read-only takes no gesture.
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
            QTest::keyClick(combo, Qt::Key_Up);
        else if (gesture == "wheel")
            QApplication::sendEvent(combo, &wheel);
        else
            QTest::mouseClick(combo, Qt::LeftButton);

        const char *chosen = readOnly || gesture == "click" ? "" : gesture == "key" ? "A" : "C";
        QCOMPARE(view.heard, words(chosen));
        QCOMPARE(control.value().toString(), QLatin1String(*chosen ? chosen : "B"));
        QCOMPARE(combo->view()->isVisible(), !readOnly && gesture == "click");
        combo->hidePopup();
    }

    // Read-only, the combo box lets Tab and Backtab through (wheel and other keys: userChoice); others' events pass.
    void readOnlyFilter()
    {
        Trade::DomainBasedControl control;
        QObject &filter = control; // the override is protected; Qt calls it through QObject
        const QPointF at(5, 5);
        QMouseEvent press(QEvent::MouseButtonPress, at, at, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QKeyEvent backtab(QEvent::KeyPress, Qt::Key_Backtab, Qt::ShiftModifier);
        QEvent other(QEvent::ToolTip);
        const std::pair<QEvent *, bool> rows[] = {{&press, true}, {&tab, false}, {&backtab, false}, {&other, false}};
        for (const bool readOnly : {false, true}) {
            control.setReadOnly(readOnly);
            for (const auto &[event, eaten] : rows) {
                QCOMPARE(filter.eventFilter(control.comboControl(), event), readOnly && eaten);
                QVERIFY(!filter.eventFilter(&control, event));
            }
        }
    }

    // The value's item is current when the domain has it; only a different value is announced, a new domain never.
    void valueAndDomain()
    {
        Probe control;
        QCOMPARE(control.layout()->contentsMargins(), QMargins()); // as wide as a plain combo box
        QComboBox *combo = control.comboControl();
        View view;
        control.subscribe(&view);

        control.setDomain(textDomain("A B C"));
        QCOMPARE(itemTexts(combo), words("A B C"));
        QVERIFY(!control.itemValue(-1).isValid() && !control.itemValue(3).isValid());
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
        control.setDomain(Trade::Domain({Trade::Variant(), Trade::Variant(QString())}));
        QCOMPARE(itemTexts(combo), QStringList({QString(), QString()}));
        QCOMPARE(control.value().toString(), QStringLiteral("Z"));
    }
};

QTEST_MAIN(tst_DomainBasedControl)
#include "tst_domainbasedcontrol.moc"
