#include "pyramid.h"

#include <typekit/lazytexts_p.h>

namespace Trade {

namespace {

constexpr QStringView unit = u"mms/exitstrategy/pyramid";

const char *const displayTexts[] = {nullptr, QT_TRANSLATE_NOOP("Trade::Pyramid", "None"),
                                    QT_TRANSLATE_NOOP("Trade::Pyramid", "Adj. Qty Only"),
                                    QT_TRANSLATE_NOOP("Trade::Pyramid", "Adj. Qty & Price")};

// Made while the library loads, so that it outlives everything loaded after it, and released
// when the library unloads; each text in it is made on its value's first use.
const detail::LazyTexts texts("Trade::Pyramid", displayTexts);

} // namespace

const dual_map<Pyramid::Type, QString> &Pyramid::persistentTexts()
{
    static const dual_map<Type, QString> texts = [] {
        dual_map<Type, QString> building;
        building.insert(None, QStringLiteral("None"))
            .insert(AdjustQuantityOnly, QStringLiteral("AdjustQuantityOnly"))
            .insert(AdjustQuantityAndPrice, QStringLiteral("AdjustQuantityAndPrice"));
        return building;
    }();
    return texts;
}

QString Pyramid::toString() const
{
    if (const QString *text = texts.find(m_type))
        return *text;
    TRADE_ASSERT(false && "Invalid type", u"Trade::Pyramid::toString", unit, this) << TRADE_NAMED_VALUE((int)m_type);
    return QString();
}

Variant PyramidConverter::fromVariant(const Variant &value, const Variant &)
{
    if (!value.isInit())
        return Variant();
    if (value.is<Pyramid>())
        return value;
    TRADE_ASSERT(false && "Not implemented", u"Trade::PyramidConverter::fromVariant", unit, this);
    return Variant();
}

Variant PyramidConverter::toVariant(const Variant &)
{
    TRADE_ASSERT(false && "Not implemented.", u"Trade::PyramidConverter::toVariant", unit, this);
    return Variant();
}

QString PyramidConverter::toString(const Variant &value)
{
    return value.valueOr(Pyramid()).toString();
}

int PyramidConverter::compare(const Variant &, const Variant &) const
{
    TRADE_ASSERT(false && "Not implemented.", u"Trade::PyramidConverter::compare", unit, this);
    return 0;
}

Dump PyramidConverter::save(const Variant &value)
{
    return Dump(Dump::Atom(QString::fromLatin1(value.typeName()), value.valueOr(Pyramid()).toSaveableString()));
}

Variant PyramidConverter::load(const Dump &dump, const Variant &)
{
    Pyramid pyramid;
    pyramid.fromSaveableString(dump.asAtom().value());
    return Variant::fromValue(pyramid.type() == 0 ? Pyramid(Pyramid::None) : pyramid);
}

} // namespace Trade
