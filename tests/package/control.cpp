#include <samplehost/ticket.h>
#include <widgetkit/exitstrategydomaincontrol.h>

#include <QtWidgets/QApplication>
#include <QtWidgets/QComboBox>

#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Sample::ExitStrategyTemplate trailing(QStringLiteral("Trailing stop"));
    Sample::ActiveExitStrategyProvider host;
    host.setActiveTemplate(&trailing);
    Trade::ExitStrategyDomainControl control(nullptr);
    control.setActiveExitStrategyProvider(&host);
    control.setDomain(Trade::Domain({Trade::Variant::fromValue<Trade::IExitStrategyTemplate *>(&trailing)}));
    const QString item = control.comboControl()->itemText(0);
    std::printf("%s\n", qPrintable(item));
    return item == QStringLiteral("Trailing stop (Active)") ? 0 : 1;
}
