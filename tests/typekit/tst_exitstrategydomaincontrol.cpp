// The exit strategy choice control: which items carry the " (Active)" mark as the host's active
// exit strategy provider changes, is replaced or goes away, and the control's life beside it.
#include <testsupport/reportrecorder.h>

#include <samplehost/ticket.h>
#include <typekit/exitstrategydomaincontrol.h>

#include <QtTest/QtTest>
#include <QtWidgets/QComboBox>

namespace {

// A provider of another host, which calls active every value whose text it names.
class NamingProvider : public QObject, public Trade::AbstractNotifier, public Trade::IActiveExitStrategyProvider
{
    Q_OBJECT

public:
    QStringList names;

    ~NamingProvider() override { emit disposed(this); }
    bool isActive(const Trade::Variant &value) const override { return names.contains(value.toString()); }
    void setNames(const QStringList &value)
    {
        names = value;
        emit activeExitStrategyChanged(this);
    }

signals:
    void activeExitStrategyChanged(Trade::IActiveExitStrategyProvider *provider) const override;
    void disposed(Trade::IDisposable *object) const override;
};

// A template of another host: it has no name in the sample host.
class ForeignTemplate final : public Trade::IExitStrategyTemplate
{
};

QStringList itemTexts(const QComboBox *combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

} // namespace

class tst_ExitStrategyDomainControl : public QObject
{
    Q_OBJECT

private slots:
    void marks_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("texts");       // the items, joined by "|"
        QTest::addColumn<QString>("subscribed");  // the providers that still have the control subscribed
        QTest::addColumn<QStringList>("reports");
        QTest::addColumn<int>("unknownDisposals");  // logged

        const auto row = [](const char *name, const char *steps, const char *texts, const char *subscribed,
                            const QStringList &reports = {}, int unknownDisposals = 0) {
            QTest::addRow("%s", name) << QString::fromLatin1(steps) << QString::fromLatin1(texts)
                                      << QString::fromLatin1(subscribed) << reports << unknownDisposals;
        };
        row("no provider", "domain", "A|B|C", "");
        row("one active", "sample, active B, domain", "A|B (Active)|C", "sample");
        row("provider after the domain", "active B, domain, sample", "A|B (Active)|C", "sample");
        row("the mark moves", "sample, domain, active B, active C", "A|B|C (Active)", "sample");
        row("the mark goes", "sample, domain, active B, active -", "A|B|C", "sample");
        row("several active", "naming A C, naming, domain", "A (Active)|B|C (Active)", "naming");
        row("empty domain", "sample, active B, domain -", "", "sample");
        row("values without text", "sample, active foreign, domain blank", "| (Active)", "sample");
        row("another provider in the place", "sample, active B, domain, naming, naming C, active A", "A|B|C (Active)",
            "naming");
        row("after disposal, plain texts", "sample, active B, domain, dispose sample, update", "A|B|C", "");
        row("disposal of another object", "sample, active B, domain, hook naming, dispose naming, active C",
            "A|B|C (Active)", "sample", {}, 1);
        row("null provider", "sample, active B, domain, null, active C", "A|B|C (Active)", "sample",
            {ReportRecorder::line(u"exitstrategydomaincontrol",
                                  u"Trade::ExitStrategyDomainControl::setActiveExitStrategyProvider",
                                  u"provider != 0")});
    }

    void marks()
    {
        QFETCH(QString, steps);
        QFETCH(QString, texts);
        QFETCH(QString, subscribed);
        QFETCH(QStringList, reports);
        QFETCH(int, unknownDisposals);

        Sample::ExitStrategyTemplate a(QStringLiteral("A")), b(QStringLiteral("B")), c(QStringLiteral("C"));
        ForeignTemplate foreign;
        const auto value = [](Trade::IExitStrategyTemplate *strategy) { return Trade::Variant::fromValue(strategy); };
        const QHash<QString, Trade::IExitStrategyTemplate *> byName{
            {QStringLiteral("A"), &a}, {QStringLiteral("B"), &b}, {QStringLiteral("C"), &c},
            {QStringLiteral("foreign"), &foreign}};
        QPointer<Sample::ActiveExitStrategyProvider> sample = new Sample::ActiveExitStrategyProvider;
        QPointer<NamingProvider> naming = new NamingProvider;
        Trade::ExitStrategyDomainControl control(nullptr);

        ReportRecorder recorder;
        for (const QString &step : steps.split(QLatin1String(", "))) {
            const QString verb = step.section(QLatin1Char(' '), 0, 0);
            const QString rest = step.section(QLatin1Char(' '), 1);
            if (step == QLatin1String("domain"))
                control.setDomain(Trade::Domain({value(&a), value(&b), value(&c)}));
            else if (step == QLatin1String("domain -"))
                control.setDomain(Trade::Domain());
            else if (step == QLatin1String("domain blank"))
                control.setDomain(Trade::Domain({Trade::Variant(), value(&foreign)}));
            else if (step == QLatin1String("sample"))
                control.setActiveExitStrategyProvider(sample);
            else if (step == QLatin1String("naming"))
                control.setActiveExitStrategyProvider(naming);
            else if (step == QLatin1String("null"))
                control.setActiveExitStrategyProvider(nullptr);
            else if (verb == QLatin1String("active"))
                sample->setActiveTemplate(byName.value(rest));
            else if (verb == QLatin1String("naming"))
                naming->setNames(rest.split(QLatin1Char(' ')));
            else if (step == QLatin1String("hook naming"))
                naming->subscribe(&control);
            else if (step == QLatin1String("dispose sample"))
                delete sample;
            else if (step == QLatin1String("dispose naming"))
                delete naming;
            else if (step == QLatin1String("update"))
                control.update();
            else
                QFAIL(qPrintable(step));
        }

        QCOMPARE(itemTexts(control.comboControl()).join(QLatin1Char('|')), texts);
        QCOMPARE(recorder.lines(), reports);
        QStringList logged;
        for (const RecordedLog &log : recorder.logs())
            logged << QStringLiteral("%1 %2 %3 %4").arg(log.severity).arg(log.file, log.function, log.text);
        QCOMPARE(logged, QStringList(unknownDisposals, QStringLiteral("4 exitstrategydomaincontrol "
                                                                      "Trade::ExitStrategyDomainControl::slot_disposed "
                                                                      "unknown disposed object")));
        QStringList subscribedTo;
        if (sample && sample->isSubscribed(&control))
            subscribedTo << QStringLiteral("sample");
        if (naming && naming->isSubscribed(&control))
            subscribedTo << QStringLiteral("naming");
        QCOMPARE(subscribedTo.join(QLatin1Char(' ')), subscribed);
        delete sample;
        delete naming;
    }

    // The control goes before its provider: the provider's later announcements and its disposal
    // reach nothing (the sanitizer run), and it keeps no subscription.
    void controlGoesFirst()
    {
        ReportRecorder recorder;
        Sample::ExitStrategyTemplate a(QStringLiteral("A"));
        QPointer<Sample::ActiveExitStrategyProvider> provider = new Sample::ActiveExitStrategyProvider;
        auto *control = new Trade::ExitStrategyDomainControl(nullptr);
        control->setActiveExitStrategyProvider(provider);
        control->setDomain(Trade::Domain({Trade::Variant::fromValue(static_cast<Trade::IExitStrategyTemplate *>(&a))}));
        delete control;
        QVERIFY(provider->links().isEmpty());
        provider->setActiveTemplate(&a);
        delete provider;
        QCOMPARE(recorder.count(), 0);
    }
};

QTEST_MAIN(tst_ExitStrategyDomainControl)
#include "tst_exitstrategydomaincontrol.moc"
