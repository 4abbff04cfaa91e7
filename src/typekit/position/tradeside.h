#pragma once

#include <typekit/typekit_export.h>

#include <basekit/iconverter.h>

#include <QtCore/qobjectdefs.h>

class QDebug;

namespace Trade {

/// The side of a position: long, short or flat.
class TYPEKIT_EXPORT TradeSide
{
    Q_GADGET

public:
    enum Type : qint32 { Long = 1, Short = 2, Flat = 3 };
    Q_ENUM(Type)

    TradeSide() : m_type(Type(0)) {}
    TradeSide(Type type) : m_type(type) {}
    /// Long when true, else short.
    explicit TradeSide(bool isLong) : m_type(isLong ? Long : Short) {}
    TradeSide(int) = delete; // an integer is no side: say TradeSide::Type(n)

    bool isLong() const { return m_type == Long; }
    bool isShort() const { return m_type == Short; }
    bool isFlat() const { return m_type == Flat; }
    Type type() const { return m_type; }
    operator Type() const { return m_type; }

    /// The translated text ("Long"), made on each call; empty, silently, for any other value.
    /// A side has no saved text of its own.
    QString toString() const;

private:
    Type m_type;
};

/// Shows a side by its text (TradeSide::toString) and compares sides as integers.
class TYPEKIT_EXPORT TradeSideConverter : public StubConverterImpl
{
public:
    QString toString(const Variant &value) override;
    int compare(const Variant &left, const Variant &right) const override;

private:
    static const int metaTypeId;
};

/// For logs and failing comparisons: Trade::TradeSide(Long).
TYPEKIT_EXPORT QDebug operator<<(QDebug debug, const TradeSide &side);

} // namespace Trade

Q_DECLARE_METATYPE(Trade::TradeSide)
