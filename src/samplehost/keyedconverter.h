// The converter of a host object pointer that is saved by a key (a symbol's name, an account's
// identifier, a field's identifier) and found again by it when a saved record loads.
#pragma once

#include <basekit/iconverter.h>

namespace Sample {

// Keys gives: static QString keyOf(const T *); static T *find(const QString &key, const
// Trade::Variant &context), which may fall back on the load's context.
template <typename T, typename Keys>
class KeyedPointerConverter : public Trade::StubConverterImpl
{
public:
    Trade::Variant fromVariant(const Trade::Variant &value, const Trade::Variant &) override
    {
        return value.is<T *>() ? value : Trade::Variant();
    }
    QString toString(const Trade::Variant &value) override
    {
        const T *object = value.valueOr<T *>(nullptr);
        return object ? Keys::keyOf(object) : QString();
    }
    // Live objects compare by address.
    int compare(const Trade::Variant &left, const Trade::Variant &right) const override
    {
        const quintptr l = quintptr(left.valueOr<T *>(nullptr));
        const quintptr r = quintptr(right.valueOr<T *>(nullptr));
        return l == r ? 0 : (l < r ? -1 : 1);
    }
    Trade::Dump save(const Trade::Variant &value) override
    {
        return Trade::Dump(Trade::Dump::Atom(QString::fromLatin1(QMetaType::fromType<T *>().name()), toString(value)));
    }
    Trade::Variant load(const Trade::Dump &dump, const Trade::Variant &context) override
    {
        return Trade::Variant::fromValue(Keys::find(dump.asAtom().value(), context));
    }
};

} // namespace Sample
