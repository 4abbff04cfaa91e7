#pragma once

#include <basekit/iconverter.h>
#include <basekit/nonfatalstreamlogwrapper.h>
#include <basekit/typetext.h>

namespace Trade {

/// The converter of an enumeration class: a class that holds one enumerator of its nested Type
/// (0 meaning no value, enumerators counting from 1), converts to it, is made from it, and has
/// toString(), toSaveableString() and fromSaveableString(const QString &).
///
/// As plain integers, enumerations count from FirstInteger: with the usual 0, the integer 0 is the
/// first enumerator (1), 1 the second, and so on.
template <typename T, int FirstInteger = 0>
class AbstractEnumerationConverter : public StubConverterImpl
{
public:
    using Type = typename T::Type;

    Variant fromVariant(const Variant &value, const Variant &context) override
    {
        Q_UNUSED(context);
        if (!value.isInit())
            return Variant();
        if (value.is<T>())
            return value;
        if (value.is(QMetaType::Int))
            return Variant::fromValue(T(Type(value.strongValue<int>() - FirstInteger + 1)));
        TRADE_ASSERT(false && "Unexpected type.", functionText(u"fromVariant"), unit(), this);
        return Variant();
    }

    Variant toVariant(const Variant &value) override
    {
        if (!value.isInit())
            return Variant();
        if (value.is<T>())
            return Variant(int(Type(value.strongValue<T>())) - 1 + FirstInteger);
        TRADE_ASSERT(false && "Invalid type.", functionText(u"toVariant"), unit(), this);
        return Variant();
    }

    QString toString(const Variant &value) override
    {
        if (value.is<T>())
            return value.strongValue<T>().toString();
        TRADE_ASSERT(false && "Invalid type.", functionText(u"toString"), unit(), this);
        return QString();
    }

    int compare(const Variant &left, const Variant &right) const override
    {
        TRADE_ASSERT(left.userType() == right.userType(), functionText(u"compare"), unit(), this);
        const int l = int(Type(left.strongValue<T>()));
        const int r = int(Type(right.strongValue<T>()));
        return l == r ? 0 : (l < r ? -1 : 1);
    }

    Dump save(const Variant &value) override
    {
        if (!value.isInit())
            return Dump(Dump::Atom());
        TRADE_ASSERT(value.is<T>(), functionText(u"save"), unit(), this);
        return Dump(Dump::Atom(QString::fromUtf8(value.typeName()), value.strongValue<T>().toSaveableString()));
    }

    Variant load(const Dump &dump, const Variant &context) override
    {
        Q_UNUSED(context);
        T loaded;
        loaded.fromSaveableString(dump.asAtom().value());
        return Variant::fromValue(loaded);
    }

private:
    static QStringView unit() { return u"trade/common/export/include/abstractenumerationconverter"; }
    static QString functionText(QStringView operation)
    {
        return QStringLiteral("Trade::AbstractEnumerationConverter<%1,%2>::%3")
            .arg(reportTypeText<T>())
            .arg(FirstInteger)
            .arg(operation);
    }
};

} // namespace Trade
