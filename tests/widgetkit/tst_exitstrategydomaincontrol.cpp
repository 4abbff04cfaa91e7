#include <testsupport/reportrecorder.h>

#include <samplehost/ticket.h>
#include <widgetkit/exitstrategydomaincontrol.h>

#include <QtTest/QtTest>
#include <QtWidgets/QComboBox>

#include <functional>
#include <map>
#include <memory>
#include <utility>

namespace {

// A provider of another host, which calls active every value whose text it names.
class NamingProvider : public QObject, public Trade::AbstractNotifier, public Trade::IActiveExitStrategyProvider
{
    Q_OBJECT

public:
    QStringList names;
    // Run once when a subscriber is greeted, let go, or asks (after the answer is made); each may delete anything.
    std::function<void()> onAttached, onDetached;
    mutable std::function<void()> onAsked;

    static void once(std::function<void()> &hook)
    {
        if (auto run = std::exchange(hook, nullptr))
            run();
    }
    ~NamingProvider() override { Q_EMIT disposed(this); }
    bool isActive(const Trade::Variant &value) const override
    {
        const bool active = names.contains(value.toString());
        once(onAsked);
        return active;
    }

Q_SIGNALS:
    void activeExitStrategyChanged(Trade::IActiveExitStrategyProvider *provider) const override;
    void disposed(Trade::IDisposable *object) const override;

private Q_SLOTS:
    void attached_activeExitStrategyChanged(const Link *) { once(onAttached); }
    void detached_activeExitStrategyChanged(const Link *) { once(onDetached); }
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
        QTest::addColumn<QByteArray>("steps");
        QTest::addColumn<QString>("texts");       // the items, joined by "|"
        QTest::addColumn<QString>("subscribed");  // the providers that still have the control subscribed
        QTest::addColumn<QStringList>("reports"); // then the logs: severity, file, function, text

        const auto row = [](const char *name, const char *steps, const char *texts, const char *subscribed,
                            const QStringList &reports = {}) {
            QTest::addRow("%s", name) << QByteArray(steps) << QString::fromLatin1(texts)
                                      << QString::fromLatin1(subscribed) << reports;
        };
        row("provider after the domain marks nothing", "active B, domain, sample", "A|B|C", "sample");
        row("provider after the domain, then update", "active B, domain, sample, update", "A|B (Active)|C", "sample");
        row("several active", "naming A C, naming, domain", "A (Active)|B|C (Active)", "naming");
        row("empty domain", "sample, active B, domain -", "", "sample");
        row("values without text", "sample, active foreign, domain blank", "| (Active)", "sample");
        row("provider replaced", "sample, active B, domain, naming, naming C, active A", "A|B|C (Active)", "naming");
        row("after disposal, plain texts", "sample, active B, domain, dispose sample, update", "A|B|C", "");
        row("disposal of another object", "sample, active B, domain, hook naming, dispose naming, active C",
            "A|B|C (Active)", "sample",
            {Trade::ReportRecorder::logLine(0, 4, u"exitstrategydomaincontrol",
                                            u"Trade::ExitStrategyDomainControl::slot_disposed",
                                            u"unknown disposed object")});
        row("the control before its provider", "sample, active B, domain, dispose control, active A", "", "");
        // Gone inside a call the control makes: nothing is reached afterwards (the sanitizer run) or reported.
        row("provider deleted while it greets", "domain, naming A, doom naming on attach, naming, update", "A|B|C", "");
        row("control deleted while its provider lets it go", "naming, domain, doom control on detach, sample", "", "");
        row("provider deleted while it answers", "naming A C, naming, doom naming on ask, domain", "A|B|C", "");
        row("null provider", "sample, active B, domain, null, active C", "A|B|C (Active)", "sample",
            {Trade::ReportRecorder::line(u"exitstrategydomaincontrol",
                                         u"Trade::ExitStrategyDomainControl::setActiveExitStrategyProvider",
                                         u"provider != 0")});
    }

    void marks()
    {
        QFETCH(QByteArray, steps);
        QFETCH(QString, texts);
        QFETCH(QString, subscribed);
        QFETCH(QStringList, reports);

        Sample::ExitStrategyTemplate a(QStringLiteral("A")), b(QStringLiteral("B")), c(QStringLiteral("C"));
        ForeignTemplate foreign;
        const auto value = [](Trade::IExitStrategyTemplate *strategy) { return Trade::Variant::fromValue(strategy); };
        const QHash<QByteArray, Trade::IExitStrategyTemplate *> byName{
            {"A", &a}, {"B", &b}, {"C", &c}, {"foreign", &foreign}};
        QPointer<Sample::ActiveExitStrategyProvider> sample = new Sample::ActiveExitStrategyProvider;
        QPointer<NamingProvider> naming = new NamingProvider;
        auto control = std::make_unique<Trade::ExitStrategyDomainControl>(nullptr);
        const Trade::Domain abc({value(&a), value(&b), value(&c)}), blank({Trade::Variant(), value(&foreign)});
        const std::map<QByteArray, std::function<void()>> actions{
            {"domain", [&] { control->setDomain(abc); }},
            {"domain -", [&] { control->setDomain(Trade::Domain()); }},
            {"domain blank", [&] { control->setDomain(blank); }},
            {"sample", [&] { control->setActiveExitStrategyProvider(sample); }},
            {"naming", [&] { control->setActiveExitStrategyProvider(naming); }},
            {"null", [&] { control->setActiveExitStrategyProvider(nullptr); }},
            {"hook naming", [&] { naming->subscribe(control.get()); }},
            {"dispose sample", [&] { delete sample; }},
            {"dispose naming", [&] { delete naming; }},
            {"dispose control", [&] { control.reset(); }},
            {"doom naming on attach", [&] { naming->onAttached = [&] { delete naming; }; }},
            {"doom control on detach", [&] { naming->onDetached = [&] { control.reset(); }; }},
            {"doom naming on ask", [&] { naming->onAsked = [&] { delete naming; }; }},
            {"update", [&] { control->update(); }}};

        Trade::ReportRecorder recorder;
        for (const QByteArray &step : steps.split(',')) {
            const QByteArray action = step.trimmed(), rest = action.mid(action.indexOf(' ') + 1);
            if (actions.count(action)) {
                actions.at(action)();
            } else if (action.startsWith("active ")) {
                sample->setActiveTemplate(byName.value(rest));
            } else if (action.startsWith("naming ")) {
                naming->names = QString::fromLatin1(rest).split(QLatin1Char(' '));
                Q_EMIT naming->activeExitStrategyChanged(naming);
            } else {
                QFAIL(action.constData());
            }
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
