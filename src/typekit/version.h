#pragma once

#include <typekit/typekit_export.h>

#include <QtCore/QString>

class QDebug;

namespace Trade {

/// The four-part version of a broker plug-in (major.minor.build.revision), with an explicit
/// invalid state: all four parts 65535.
class TYPEKIT_EXPORT Version
{
public:
    /// Invalid.
    Version();
    Version(unsigned short major, unsigned short minor, unsigned short build, unsigned short revision);
    /// Parses "12.0.3598.1040". Empty parts are dropped ("1..2" has two parts); one to four parts
    /// give a version whose missing trailing parts are 0 ("12.1" is 12.1.0.0) and whose parts that
    /// are not 16-bit decimal numbers are 0 ("1.x" is 1.0.0.0); no part or more than four parts
    /// leave it invalid.
    explicit Version(const QString &text);

    bool isValid() const;
    unsigned short majorPart() const { return m_major; }
    unsigned short minorPart() const { return m_minor; }
    unsigned short buildPart() const { return m_build; }
    unsigned short revisionPart() const { return m_revision; }

    /// The four parts in decimal joined by the separator; an invalid version prints 65535 four
    /// times.
    QString toString(const QString &separator) const;

    /// -1, 0 or 1; an invalid version comes before every valid one, two invalid ones are equal.
    int compare(const Version &other) const;

    bool operator==(const Version &other) const;
    bool operator!=(const Version &other) const { return !(*this == other); }
    bool operator<(const Version &other) const;
    bool operator>=(const Version &other) const { return !(*this < other); }
    bool operator>(const Version &other) const { return !(*this == other) && !(*this < other); }

private:
    quint64 packedVersion() const;

    static const unsigned short s_invalidVersion = 0xFFFF;

    unsigned short m_major;
    unsigned short m_minor;
    unsigned short m_build;
    unsigned short m_revision;
};

/// For logs and failing comparisons: Trade::Version(12.0.3598.1040).
TYPEKIT_EXPORT QDebug operator<<(QDebug debug, const Version &version);

} // namespace Trade
