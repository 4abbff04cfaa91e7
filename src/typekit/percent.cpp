#include "percent.h"

#include <typekit/formatting/formatter.h>
#include <typekit/numeric_p.h>

namespace Trade {

Percent::Percent(const QString &text) : Percent()
{
    m_value = text.toDouble(&m_hasValue);
}

Percent::Percent(double whole, double part) : Percent()
{
    if (whole != 0.0) {
        m_value = part / whole * 100.0;
        m_hasValue = true;
    }
}

Percent::Percent(const Common::Nullable<double> &value)
    : m_hasValue(value.hasValue()), m_value(value.hasValue() ? value.value() : 0.0)
{
}

Percent &Percent::operator=(double value)
{
    m_hasValue = true;
    m_value = value;
    return *this;
}

Percent::operator QString() const
{
    if (!m_hasValue)
        return QString();
    const IFormatter *formatter = IFormatter::instance();
    return formatter ? formatter->formatPercent(m_value) : QString();
}

Variant PercentConverter::fromVariant(const Variant &value, const Variant &)
{
    if (!value.isInit())
        return Variant();
    if (value.is<Percent>())
        return value;
    if (value.is(QMetaType::QString))
        return Variant::fromValue(Percent(value.heldOr(QString())));
    if (value.is(QMetaType::Double))
        return Variant::fromValue(Percent(value.strongValue<double>()));
    return Variant::fromValue(Percent());
}

Variant PercentConverter::toVariant(const Variant &value)
{
    const Percent percent = value.valueOr(Percent());
    return percent.hasValue() ? Variant(double(percent)) : Variant();
}

QString PercentConverter::toString(const Variant &value)
{
    return value.valueOr(Percent());
}

int PercentConverter::compare(const Variant &left, const Variant &right) const
{
    const Percent l = left.valueOr(Percent());
    const Percent r = right.valueOr(Percent());
    if (const auto order = detail::orderOfMissingValues(l.hasValue(), r.hasValue()))
        return *order;
    const double a = l;
    const double b = r;
    return a < b ? -1 : (a > b ? 1 : 0);
}

Dump PercentConverter::save(const Variant &value)
{
    Dump::Struct saved(QString::fromLatin1(value.typeName()));
    saved.insert(QStringLiteral("value"), toVariant(value).save());
    return Dump(saved);
}

Variant PercentConverter::load(const Dump &dump, const Variant &context)
{
    double number = 0.0;
    const bool isNumber =
        detail::readSavedNumber(dump.asStruct().member(QStringLiteral("value")).asAtom().value(), &number);
    return fromVariant(isNumber ? Variant(number) : Variant(QString()), context);
}

} // namespace Trade
