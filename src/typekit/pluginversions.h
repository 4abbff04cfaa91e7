#pragma once

#include <typekit/pluginversioninfo.h>
#include <typekit/typekit_export.h>

#include <QtCore/QList>

namespace Trade {

/// The versions a plug-in offers, searchable by version.
class TYPEKIT_EXPORT PluginVersions : public QList<PluginVersionInfo>
{
public:
    using QList<PluginVersionInfo>::QList;
    using QList<PluginVersionInfo>::contains;
    PluginVersions() = default;

    /// Some entry has this version, whatever its compatibility.
    bool contains(const Version &version) const;
};

} // namespace Trade
