#include "pluginversions.h"

#include <algorithm>

namespace Trade {

bool PluginVersions::contains(const Version &version) const
{
    return std::any_of(cbegin(), cend(), [&](const PluginVersionInfo &info) { return info.version() == version; });
}

} // namespace Trade
