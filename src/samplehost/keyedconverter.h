// The converter of a host object pointer that is saved by a key (a symbol's name, an account's
// identifier, a field's identifier) and found again by it when a saved record loads.
#pragma once

#include <basekit/iconverter.h>
#include <basekit/loadproblems.h>
#include <basekit/logstream.h>

namespace Sample {

/// Keys gives: static QString keyOf(const T *), never called with null; static T *find(const
/// QString &key, const Trade::Variant &context), which may fall back on the load's context.
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
    /// Live objects compare by address.
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
    /// A key that finds no object is logged as an error and handed to the load's problems; the
    /// value is then a null pointer.
    Trade::Variant load(const Trade::Dump &dump, const Trade::Variant &context) override
    {
        const QString &key = dump.asAtom().value();
        T *object = Keys::find(key, context);
        if (!object && !key.isEmpty()) {
            const QString typeName = QString::fromLatin1(QMetaType::fromType<T *>().name());
            const QString message = QStringLiteral("no %1 \"%2\" is known here").arg(typeName, key);
            Shadow::LogStream(0, 4, u"samplehost/keyedconverter", __LINE__, u"Sample::KeyedPointerConverter::load", this)
                << message;
            Trade::LoadProblems::add(Trade::LoadProblem::UnresolvedReference, typeName, key, message);
        }
        return Trade::Variant::fromValue(object);
    }
};

} // namespace Sample
