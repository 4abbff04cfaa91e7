#pragma once

#include <typekit/typekit_export.h>

#include <basekit/iconverter.h>

#include <QtCore/qobjectdefs.h>

class QDebug;

namespace Trade {

/// The state of a broker connection, with what a user may do in it.
class TYPEKIT_EXPORT ConnectionState
{
    Q_GADGET

public:
    enum Type : qint32 { Disconnected = 1, Connecting = 2, Connected = 3, Disconnecting = 4 };
    Q_ENUM(Type)

    ConnectionState() : m_type(Type(0)) {}
    ConnectionState(Type type) : m_type(type) {}

    Type type() const { return m_type; }
    operator Type() const { return m_type; }

    bool isReady() const { return m_type == Connected; }
    bool isNotReady() const { return !isReady(); }
    bool canConnect() const { return m_type == Disconnected; }
    bool canDisconnect() const { return m_type == Connecting || m_type == Connected; }

    /// The translated text, made once per state on first use and kept for the life of the
    /// library. A value outside the states reports and gives an empty text. A state has no saved
    /// text.
    const QString &toString() const;

private:
    Type m_type;
};

/// Shows a state; a state has no plain form (toVariant gives an empty variant, silently).
class TYPEKIT_EXPORT ConnectionStateConverter : public StubConverterImpl
{
public:
    Variant toVariant(const Variant &value) override;
    QString toString(const Variant &value) override;

private:
    static const int metaTypeId;
};

/// For logs and failing comparisons: Trade::ConnectionState(Connected).
TYPEKIT_EXPORT QDebug operator<<(QDebug debug, const ConnectionState &state);

} // namespace Trade

Q_DECLARE_METATYPE(Trade::ConnectionState)
