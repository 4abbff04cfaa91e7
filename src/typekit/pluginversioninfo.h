#pragma once

#include <typekit/typekit_export.h>
#include <typekit/version.h>

#include <QtCore/QHashFunctions>

namespace Trade {

/// A plug-in version and whether the host can work with it.
class TYPEKIT_EXPORT PluginVersionInfo
{
public:
    /// An invalid version, not compatible.
    PluginVersionInfo() : m_compatible(false) {}
    PluginVersionInfo(const Version &version, bool compatible) : m_version(version), m_compatible(compatible) {}

    const Version &version() const { return m_version; }
    bool isValid() const { return m_version.isValid(); }
    bool isCompatible() const { return m_compatible; }

    /// Orders by version only.
    bool operator<(const PluginVersionInfo &other) const { return m_version < other.m_version; }
    bool operator==(const PluginVersionInfo &other) const
    {
        return m_version == other.m_version && m_compatible == other.m_compatible;
    }
    bool operator!=(const PluginVersionInfo &other) const { return !(*this == other); }

private:
    Version m_version;
    bool m_compatible;
};

/// Hashes the version's dotted text, so entries that differ only in compatibility share a hash.
TYPEKIT_EXPORT size_t qHash(const PluginVersionInfo &info, size_t seed = 0);

} // namespace Trade
