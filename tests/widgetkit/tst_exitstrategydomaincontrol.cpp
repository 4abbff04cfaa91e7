// The exit strategy choice control: which items carry the " (Active)" mark as the host's active
// exit strategy provider changes, is replaced or goes away, and the control's life beside it.
#include <testsupport/reportrecorder.h>

#include <samplehost/ticket.h>
#include <widgetkit/exitstrategydomaincontrol.h>

#include <QtTest/QtTest>
#include <QtWidgets/QComboBox>

#include <functional>
#include <memory>
#include <utility>

namespace {

// A provider of another host, which calls active every value whose text it names.
class NamingProvider : public QObject, public Trade::AbstractNotifier, public Trade::IActiveExitStrategyProvider
{
    Q_OBJECT

public:
    QStringList names;
    // Run once: when a subscriber is greeted, let go, or asks (after the answer is made). Each may
    // delete this provider or the control.
    std::function<void()> onAttached, onDetached;
    mutable std::function<void()> onAsked;

    ~NamingProvider() override { Q_EMIT disposed(this); }
    bool isActive(const Trade::Variant &value) const override
    {
        const bool active = names.contains(value.toString());
        if (auto asked = std::exchange(onAsked, nullptr))
            asked();
        return active;
    }
    void setNames(const QStringList &value)
    {
        names = value;
        Q_EMIT activeExitStrategyChanged(this);
    }

Q_SIGNALS:
    void activeExitStrategyChanged(Trade::IActiveExitStrategyProvider *provider) const override;
    void disposed(Trade::IDisposable *object) const override;

private Q_SLOTS:
    void attached_activeExitStrategyChanged(const Link *)
    {
        if (auto attached = std::exchange(onAttached, nullptr))
            attached();
    }
    void detached_activeExitStrategyChanged(const Link *)
    {
        if (auto detached = std::exchange(onDetached, nullptr))
            detached();
    }
};

// A template of another host: it has no name in the sample host.
class ForeignTemplate final : public Trade::IExitStrategyTemplate
{};

} // namespace

class tst_ExitStrategyDomainControl : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void marks_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("texts");       // the items, joined by "|"
        QTest::addColumn<QString>("subscribed");  // the providers that still have the control subscribed
        QTest::addColumn<QStringList>("reports"); // then the logs: severity, file, function, text

        const auto row = [](const char *name, const char *steps, const char *texts, const char *subscribed,
                            const QStringList &reports = {}) {
            QTest::addRow("%s", name) << QString::fromLatin1(steps) << QString::fromLatin1(texts)
                                      << QString::fromLatin1(subscribed) << reports;
        };
        row("no provider", "domain", "A|B|C", "");
        row("one active", "sample, active B, domain", "A|B (Active)|C", "sample");
        // Setting the provider marks nothing: the next update or announcement does.
        row("provider after the domain", "active B, domain, sample", "A|B|C", "sample");
        row("provider after the domain, then update", "active B, domain, sample, update", "A|B (Active)|C", "sample");
        row("the mark moves", "sample, domain, active B, active C", "A|B|C (Active)", "sample");
        row("the mark goes", "sample, domain, active B, active -", "A|B|C", "sample");
        row("several active", "naming A C, naming, domain", "A (Active)|B|C (Active)", "naming");
        row("empty domain", "sample, active B, domain -", "", "sample");
        row("values without text", "sample, active foreign, domain blank", "| (Active)", "sample");
        row("another provider in the place", "sample, active B, domain, naming, naming C, active A", "A|B|C (Active)",
            "naming");
        row("after disposal, plain texts", "sample, active B, domain, dispose sample, update", "A|B|C", "");
        row("disposal of another object", "sample, active B, domain, hook naming, dispose naming, active C",
            "A|B|C (Active)", "sample",
            {Trade::ReportRecorder::logLine(0, 4, u"exitstrategydomaincontrol",
                                            u"Trade::ExitStrategyDomainControl::slot_disposed",
                                            u"unknown disposed object")});
        row("the control before its provider", "sample, active B, domain, dispose control, active A", "", "");
        // The provider or the control gone inside a call the control makes: nothing is reached
        // afterwards (the sanitizer run), nothing is reported, and the control has no provider.
        row("provider deleted while it greets the control", "domain, naming A, doom naming on attach, naming, update",
            "A|B|C", "");
        row("control deleted while its provider lets it go", "naming, domain, doom control on detach, sample", "", "");
        row("provider deleted while it answers", "naming A C, naming, doom naming on ask, domain", "A|B|C", "");
        row("provider replaced while it answers", "naming A C, naming, doom sample on ask, domain", "A|B|C", "sample");
        row("null provider", "sample, active B, domain, null, active C", "A|B|C (Active)", "sample",
            {Trade::ReportRecorder::line(u"exitstrategydomaincontrol",
                                         u"Trade::ExitStrategyDomainControl::setActiveExitStrategyProvider",
                                         u"provider != 0")});
    }

    void marks()
    {
        QFETCH(QString, steps);
        QFETCH(QString, texts);
        QFETCH(QString, subscribed);
        QFETCH(QStringList, reports);

        Sample::ExitStrategyTemplate a(QStringLiteral("A")), b(QStringLiteral("B")), c(QStringLiteral("C"));
        ForeignTemplate foreign;
        const auto value = [](Trade::IExitStrategyTemplate *strategy) { return Trade::Variant::fromValue(strategy); };
        const QHash<QString, Trade::IExitStrategyTemplate *> byName{{QStringLiteral("A"), &a},
                                                                    {QStringLiteral("B"), &b},
                                                                    {QStringLiteral("C"), &c},
                                                                    {QStringLiteral("foreign"), &foreign}};
        QPointer<Sample::ActiveExitStrategyProvider> sample = new Sample::ActiveExitStrategyProvider;
        QPointer<NamingProvider> naming = new NamingProvider;
        auto control = std::make_unique<Trade::ExitStrategyDomainControl>(nullptr);
        const Trade::Domain abc({value(&a), value(&b), value(&c)}), blank({Trade::Variant(), value(&foreign)});
        const QHash<QString, std::function<void()>> actions{
            {QStringLiteral("domain"), [&] { control->setDomain(abc); }},
            {QStringLiteral("domain -"), [&] { control->setDomain(Trade::Domain()); }},
            {QStringLiteral("domain blank"), [&] { control->setDomain(blank); }},
            {QStringLiteral("sample"), [&] { control->setActiveExitStrategyProvider(sample); }},
            {QStringLiteral("naming"), [&] { control->setActiveExitStrategyProvider(naming); }},
            {QStringLiteral("null"), [&] { control->setActiveExitStrategyProvider(nullptr); }},
            {QStringLiteral("hook naming"), [&] { naming->subscribe(control.get()); }},
            {QStringLiteral("dispose sample"), [&] { delete sample; }},
            {QStringLiteral("dispose naming"), [&] { delete naming; }},
            {QStringLiteral("dispose control"), [&] { control.reset(); }},
            {QStringLiteral("doom naming on attach"), [&] { naming->onAttached = [&] { delete naming; }; }},
            {QStringLiteral("doom control on detach"), [&] { naming->onDetached = [&] { control.reset(); }; }},
            {QStringLiteral("doom naming on ask"), [&] { naming->onAsked = [&] { delete naming; }; }},
            {QStringLiteral("doom sample on ask"),
             [&] { naming->onAsked = [&] { control->setActiveExitStrategyProvider(sample); }; }},
            {QStringLiteral("update"), [&] { control->update(); }}};

        Trade::ReportRecorder recorder;
        for (const QString &step : steps.split(QLatin1String(", "))) {
            const QString rest = step.section(QLatin1Char(' '), 1);
            if (actions.contains(step))
                actions.value(step)();
            else if (step.startsWith(QLatin1String("active ")))
                sample->setActiveTemplate(byName.value(rest));
            else if (step.startsWith(QLatin1String("naming ")))
                naming->setNames(rest.split(QLatin1Char(' ')));
            else
                QFAIL(qPrintable(step));
        }

        QStringList items;
        for (int i = 0; control && i < control->comboControl()->count(); ++i)
            items << control->comboControl()->itemText(i);
        QCOMPARE(items.join(QLatin1Char('|')), texts);
        QCOMPARE(recorder.lines() + recorder.logLines(), reports);
        // Once the control is gone, any link left on a provider would be a subscription it forgot.
        const auto watching = [&control](Trade::AbstractNotifier *provider) {
            return provider && (control ? provider->isSubscribed(control.get()) : !provider->links().isEmpty());
        };
        QCOMPARE(watching(sample), subscribed.contains(QLatin1String("sample")));
        QCOMPARE(watching(naming), subscribed.contains(QLatin1String("naming")));
        delete sample; // after the control, in the row that disposes it: reaches nothing (the sanitizer run)
        delete naming;
    }
};

QTEST_MAIN(tst_ExitStrategyDomainControl)
#include "tst_exitstrategydomaincontrol.moc"
