// The exit strategy choice control showing twenty templates, one of them active, against a combo
// box filled by hand with the same texts.
#include "ratios.h"

#include <samplehost/ticket.h>
#include <widgetkit/exitstrategydomaincontrol.h>

#include <QtWidgets/QApplication>
#include <QtWidgets/QComboBox>

#include <memory>
#include <vector>

namespace {

struct Templates
{
    std::vector<std::unique_ptr<Sample::ExitStrategyTemplate>> all;
    Trade::Domain domain;
    Sample::ActiveExitStrategyProvider provider;

    Templates()
    {
        for (int i = 0; i < 20; ++i) {
            all.push_back(std::make_unique<Sample::ExitStrategyTemplate>(QStringLiteral("target %1").arg(i)));
            domain << Trade::Variant::fromValue<Trade::IExitStrategyTemplate *>(all.back().get());
        }
        provider.setActiveTemplate(all[7].get());
    }
};

Templates &templates()
{
    static Templates t;
    return t;
}

void BM_ComboFilledByHand(benchmark::State &state)
{
    Templates &t = templates();
    QComboBox combo;
    for (auto _ : state) {
        combo.clear();
        for (const auto &strategy : t.all) {
            const QString name = strategy->name();
            combo.addItem(strategy.get() == t.provider.activeTemplate() ? name + QStringLiteral(" (Active)") : name);
        }
        benchmark::DoNotOptimize(combo.count());
    }
}
BENCHMARK(BM_ComboFilledByHand);

void BM_ControlSetDomain(benchmark::State &state)
{
    Templates &t = templates();
    Trade::ExitStrategyDomainControl control;
    control.setActiveExitStrategyProvider(&t.provider);
    for (auto _ : state) {
        control.setDomain(Trade::Domain());
        control.setDomain(t.domain);
        benchmark::DoNotOptimize(&control);
    }
}
BENCHMARK(BM_ControlSetDomain);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    return bench::runWithRatios(argc, argv, {{"BM_ControlSetDomain", "BM_ComboFilledByHand", 1.5}});
}
