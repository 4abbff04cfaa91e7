// The converter of a host object pointer that is saved by a key (a symbol's name, an account's
// identifier, a field's identifier) and found again by it when a saved record loads.
#pragma once

#include <basekit/iconverter.h>
#include <basekit/loadproblems.h>
#include <basekit/logstream.h>

#include <type_traits>
#include <utility>

namespace Sample {

namespace detail {
template <typename Keys, typename = void>
struct HasFallback : std::false_type
{
};
template <typename Keys>
struct HasFallback<Keys, std::void_t<decltype(Keys::fallback(std::declval<const Trade::Variant &>()))>> : std::true_type
{
};
} // namespace detail

/// Keys gives: static QString keyOf(const T *), never called with null; static T *find(const
/// QString &key, const Trade::Variant &context), the live object saved under that key (null when
/// none); and optionally static T *fallback(const Trade::Variant &context), the object the host
/// puts in the place of a saved null or of a key that finds none (the load's context, say).
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
    /// A saved null is the fallback, silently. A key that finds no object is an error of the
    /// load: logged and handed to the load's problems (once per load), with the saved form; the
    /// value is then the fallback, told as a substitution naming both, or a null pointer.
    Trade::Variant load(const Trade::Dump &dump, const Trade::Variant &context) override
    {
        const QString &key = dump.asAtom().value();
        if (T *object = key.isEmpty() ? nullptr : Keys::find(key, context))
            return Trade::Variant::fromValue(object);
        T *fallback = nullptr;
        if constexpr (detail::HasFallback<Keys>::value)
            fallback = Keys::fallback(context);
        if (key.isEmpty())
            return Trade::Variant::fromValue(fallback);
        Trade::LoadProblem problem;
        problem.typeName = QString::fromLatin1(QMetaType::fromType<T *>().name());
        problem.key = key;
        problem.saved = dump;
        problem.message = QStringLiteral("no %1 \"%2\" is known here").arg(problem.typeName, key);
        if (fallback) {
            problem.kind = Trade::LoadProblem::SubstitutedReference;
            problem.substitute = Keys::keyOf(fallback);
            problem.message += QStringLiteral("; \"%1\" is used in its place").arg(problem.substitute);
        } else {
            problem.kind = Trade::LoadProblem::UnresolvedReference;
        }
        if (Trade::LoadProblems::add(problem))
            Shadow::LogStream(0, 4, u"samplehost/keyedconverter", __LINE__, u"Sample::KeyedPointerConverter::load",
                              this)
                << problem.message;
        return Trade::Variant::fromValue(fallback);
    }
};

} // namespace Sample
