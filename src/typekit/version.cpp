#include "version.h"

#include <typekit/numeric_p.h>

#include <QtCore/QStringList>

namespace Trade {

Version::Version()
    : m_major(s_invalidVersion), m_minor(s_invalidVersion), m_build(s_invalidVersion), m_revision(s_invalidVersion)
{
}

Version::Version(unsigned short major, unsigned short minor, unsigned short build, unsigned short revision)
    : m_major(major), m_minor(minor), m_build(build), m_revision(revision)
{
}

Version::Version(const QString &text) : Version()
{
    const QStringList parts = text.split(QLatin1Char('.'), Qt::SkipEmptyParts, Qt::CaseSensitive);
    if (parts.isEmpty() || parts.size() > 4)
        return;
    unsigned short *fields[] = {&m_major, &m_minor, &m_build, &m_revision};
    for (int i = 0; i < 4; ++i)
        *fields[i] = i < parts.size() ? parts.at(i).toUShort(nullptr, 10) : 0;
}

bool Version::isValid() const
{
    return !(m_major == s_invalidVersion && m_minor == s_invalidVersion && m_build == s_invalidVersion
             && m_revision == s_invalidVersion);
}

QString Version::toString(const QString &separator) const
{
    // Filled one argument at a time, not by one multi-argument arg(): a place marker inside the
    // separator ("%1") takes part in the fills after it, and the texts made so are the version's.
    return QStringLiteral("%1%2%3%4%5%6%7")
        .arg(uint(m_major))
        .arg(separator)
        .arg(uint(m_minor))
        .arg(separator)
        .arg(uint(m_build))
        .arg(separator)
        .arg(uint(m_revision));
}

quint64 Version::packedVersion() const
{
    return (quint64(m_major) << 48) | (quint64(m_minor) << 32) | (quint64(m_build) << 16) | quint64(m_revision);
}

int Version::compare(const Version &other) const
{
    if (const auto order = detail::orderOfMissingValues(isValid(), other.isValid()))
        return *order;
    const quint64 mine = packedVersion();
    const quint64 theirs = other.packedVersion();
    return mine == theirs ? 0 : (mine < theirs ? -1 : 1);
}

bool Version::operator==(const Version &other) const
{
    return packedVersion() == other.packedVersion();
}

bool Version::operator<(const Version &other) const
{
    return compare(other) < 0;
}

} // namespace Trade
