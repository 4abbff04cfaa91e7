#pragma once

#include <basekit/basekit_export.h>
#include <basekit/variant.h>

#include <QtCore/QVector>

namespace Trade {

/// The ordered choices of a value control (a combo box of sides, of symbol categories, ...).
class BASEKIT_EXPORT Domain
{
public:
    Domain() = default;
    explicit Domain(const QVector<Variant> &values) : m_values(values) {}

    const QVector<Variant> &values() const { return m_values; }
    int size() const { return int(m_values.size()); }
    bool isEmpty() const { return m_values.isEmpty(); }
    /// Whether some choice equals the value (Variant's operator==, so through converters).
    bool contains(const Variant &value) const;
    int indexOf(const Variant &value) const;

    Domain &operator<<(const Variant &value)
    {
        m_values.append(value);
        return *this;
    }

    friend bool operator==(const Domain &l, const Domain &r) { return l.m_values == r.m_values; }
    friend bool operator!=(const Domain &l, const Domain &r) { return !(l == r); }

private:
    QVector<Variant> m_values;
};

} // namespace Trade

Q_DECLARE_METATYPE(Trade::Domain)
