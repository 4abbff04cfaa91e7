// A picture of the exit strategy choice control: three of the host's exit strategies, the one
// the host has active marked " (Active)", shown as the user sees the control with its list
// opened. It draws offscreen, so it needs no display, and writes a PNG:
//
//     build/examples/exitstrategycontrol [picture.png]      (exitstrategycontrol.png by default)
#include <samplehost/ticket.h>
#include <widgetkit/exitstrategydomaincontrol.h>

#include <QtGui/QFontDatabase>
#include <QtGui/QPainter>
#include <QtGui/QPixmap>
#include <QtWidgets/QAbstractItemView>
#include <QtWidgets/QApplication>
#include <QtWidgets/QComboBox>

#include <algorithm>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("exitstrategycontrol.png");
    if (QFontDatabase::families().isEmpty()) {
        std::fprintf(stderr, "No fonts: the picture would have no text (Debian: apt-get install fonts-dejavu-core)\n");
        return 1;
    }

    Sample::ExitStrategyTemplate breakeven(QStringLiteral("Breakeven stop"));
    Sample::ExitStrategyTemplate targets(QStringLiteral("Two profit targets"));
    Sample::ExitStrategyTemplate trailing(QStringLiteral("Trailing stop"));
    Sample::ActiveExitStrategyProvider host;
    host.setActiveTemplate(&targets);

    const auto value = [](Trade::IExitStrategyTemplate *strategy) { return Trade::Variant::fromValue(strategy); };
    Trade::ExitStrategyDomainControl control(nullptr);
    control.setActiveExitStrategyProvider(&host);
    control.setDomain(Trade::Domain({value(&breakeven), value(&targets), value(&trailing)}));
    control.setValue(value(&breakeven));
    control.resize(280, control.sizeHint().height());
    control.show();

    // The closed control, and under it its list as a click opens it.
    QComboBox *combo = control.comboControl();
    combo->showPopup();
    const QPixmap box = control.grab();
    const QPixmap list = combo->view()->window()->grab();
    combo->hidePopup();

    constexpr int margin = 8;
    QPixmap picture(std::max(box.width(), list.width()) + 2 * margin, box.height() + list.height() + 3 * margin);
    picture.fill(control.palette().color(QPalette::Window));
    QPainter painter(&picture);
    painter.drawPixmap(margin, margin, box);
    painter.drawPixmap(margin, box.height() + 2 * margin, list);
    painter.end();
    if (!picture.save(path)) {
        std::fprintf(stderr, "Could not write %s\n", qPrintable(path));
        return 1;
    }
    std::printf("Wrote %s: %s\n", qPrintable(path), qPrintable(combo->itemText(1)));
    return 0;
}
