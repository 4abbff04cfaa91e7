#include "pluginversioninfo.h"

#include <QtCore/QHash>

namespace Trade {

size_t qHash(const PluginVersionInfo &info, size_t seed)
{
    return ::qHash(info.version().toString(QStringLiteral(".")), seed);
}

} // namespace Trade
