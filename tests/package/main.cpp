// A program of a headless host: the core libraries and the sample host, built against an install
// or the Debian packages. It fails when it loaded Qt Gui or Widgets, which it has no use for.
#include <samplehost/host.h>
#include <typekit/position/tradeside.h>
#include <typekit/version.h>

#include <cstdio>
#include <fstream>
#include <string>

// The Qt GUI modules mapped into this process, by the lines of /proc/self/maps that name them.
static int guiModulesLoaded()
{
    std::ifstream maps("/proc/self/maps");
    if (!maps) {
        std::printf("no /proc/self/maps: loaded libraries not checked\n");
        return 0;
    }
    int found = 0;
    for (std::string line; std::getline(maps, line);) {
        if (line.find("libQt6Gui") != std::string::npos || line.find("libQt6Widgets") != std::string::npos) {
            std::printf("loaded: %s\n", line.c_str());
            ++found;
        }
    }
    return found;
}

int main()
{
    Sample::Host host;
    const Trade::Variant side = Trade::Variant::fromValue(Trade::TradeSide(Trade::TradeSide::Short));
    const Trade::Version version(QStringLiteral("12.0.3598.1040"));
    std::printf("%s %s\n", qPrintable(side.toString()), qPrintable(version.toString(QStringLiteral("."))));
    const bool exact = side.toString() == QStringLiteral("Short") && version.isValid();
    return exact && guiModulesLoaded() == 0 ? 0 : 1;
}
