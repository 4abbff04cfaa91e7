#pragma once

#include <typekit/typekit_export.h>

#include <QtCore/QMetaType>
#include <QtCore/QString>

namespace Trade {

/// The small bit set of an order's flags.
class TYPEKIT_EXPORT OrderFlags
{
public:
    enum Type : quint32 {
        // The basket manager leaves the order alone.
        ShouldBeIgnoredByBasketManager = 1,
        // A quantity of zero is meant, not missing.
        ZeroQuantityIsValid = 2,
    };

    OrderFlags() : m_flags(0) {}
    OrderFlags(Type flag) : m_flags(flag) {}

    quint32 bits() const { return m_flags; }
    bool operator==(const OrderFlags &other) const { return m_flags == other.m_flags; }
    bool operator!=(const OrderFlags &other) const { return m_flags != other.m_flags; }

    /// Some bit in common; nothing is set in common with no flags.
    bool isFlagSet(const OrderFlags &flag) const { return (m_flags & flag.m_flags) != 0; }
    void setFlag(const OrderFlags &flag) { m_flags |= flag.m_flags; }
    void clearFlag(const OrderFlags &flag) { m_flags &= ~flag.m_flags; }

    /// "ShouldBeIgnoredByBasketManager: 0\nZeroQuantityIsValid: 1"
    QString toString() const;

private:
    quint32 m_flags;
};

} // namespace Trade

Q_DECLARE_METATYPE(Trade::OrderFlags)
