#include <samplehost/host.h>
#include <typekit/position/tradeside.h>
#include <typekit/version.h>

#include <cstdio>

int main()
{
    Sample::Host host;
    const Trade::Variant side = Trade::Variant::fromValue(Trade::TradeSide(Trade::TradeSide::Short));
    const Trade::Version version(QStringLiteral("12.0.3598.1040"));
    std::printf("%s %s\n", qPrintable(side.toString()), qPrintable(version.toString(QStringLiteral("."))));
    return side.toString() == QStringLiteral("Short") && version.isValid() ? 0 : 1;
}
