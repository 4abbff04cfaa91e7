#pragma once

#include <typekit/order/persistenttexts.h>
#include <typekit/typekit_export.h>

#include <basekit/iconverter.h>

#include <QtCore/qobjectdefs.h>

class QDebug;

namespace Trade {

/// How an exit strategy reacts when a position is added to: not at all, by adjusting the
/// quantities of its levels, or by adjusting quantities and prices.
class TYPEKIT_EXPORT Pyramid : public PersistentTexts<Pyramid>
{
    Q_GADGET

public:
    enum Type : qint32 { None = 1, AdjustQuantityOnly = 2, AdjustQuantityAndPrice = 3 };
    Q_ENUM(Type)

    Pyramid(Type type = Type(0)) : m_type(type) {}

    Type type() const { return m_type; }
    operator Type() const { return m_type; }

    /// The translated display text ("Adj. Qty Only"), made once per value; empty, after a report
    /// naming the value, for any other value. The persistent text ("AdjustQuantityOnly", see
    /// PersistentTexts) is what the converter saves.
    QString toString() const;
    operator QString() const { return toString(); }

private:
    friend class PersistentTexts<Pyramid>;
    /// The persistent texts, built on first use.
    static const dual_map<Type, QString> &persistentTexts();

    Type m_type;
};

/// Saves a pyramid as an atom of its persistent text and loads it back (an unknown text loads as
/// None); shows it; supports nothing else.
class TYPEKIT_EXPORT PyramidConverter : public StubConverterImpl
{
public:
    TRADE_CONVERTER_OPERATIONS

private:
    static const int metaTypeId;
};

/// For logs and failing comparisons: Trade::Pyramid(AdjustQuantityOnly).
TYPEKIT_EXPORT QDebug operator<<(QDebug debug, const Pyramid &pyramid);

} // namespace Trade

Q_DECLARE_METATYPE(Trade::Pyramid)
