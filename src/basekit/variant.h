#pragma once

#include <basekit/basekit_export.h>
#include <basekit/loadproblems.h>
#include <basekit/nonfatalstreamlogwrapper.h>

#include <QtCore/QDateTime>
#include <QtCore/QVariant>
#include <QtCore/QVector>

#include <type_traits>

namespace Trade {

class Dump;

/// Trade::Variant: the QVariant that the trading libraries pass around. It adds typed access that
/// reports misuse instead of converting silently, and dispatches display, comparison, conversion,
/// saving and loading to the converter registered for the held type (see iconverter.h).
class BASEKIT_EXPORT Variant : public QVariant
{
public:
    using QVariant::QVariant;
    Variant() noexcept = default;
    Variant(const QVariant &other) : QVariant(other) {}
    Variant(QVariant &&other) noexcept : QVariant(std::move(other)) {}

    template <typename T>
    static Variant fromValue(const T &value)
    {
        return Variant(QVariant::fromValue(value));
    }

    /// Holds exactly that meta-type.
    bool is(int typeId) const { return QVariant::typeId() == typeId; }
    /// Holds a value of exactly that type that is not null. Null keeps its older, stricter
    /// meaning: a null pointer and a null QString, QByteArray, QChar, QDate, QTime, QDateTime or
    /// QBitArray are no value. A value of another type is no value of this one, even when Qt could
    /// convert it: conversions are asked for explicitly, with convert().
    bool hasValue(int typeId) const;
    /// Holds any value.
    bool isInit() const { return isValid(); }
    /// Holds a value that counts as null (see hasValue()); an empty variant is null too.
    bool holdsNull() const;

    /// The value as another type. A value that already has the type stays as it is, unless a
    /// context is given and the type's converter rebases its values on contexts (see
    /// IRebasingConverter: a price is put on the context's symbol). Else the target type's
    /// converter makes it (fromVariant); else the held type's converter's plain value (toVariant),
    /// or the value itself, through Qt's conversions; an empty variant when nothing converts.
    Variant convert(int typeId, const Variant &context) const;

    /// The saved form, by the held type's converter. A type without a converter is saved as an
    /// atom of its type name and its text (see plain types below); an empty variant as an atom of
    /// two empty texts.
    ///
    /// Plain types save so that they load back equal: numbers, booleans, QString, QDate, QTime
    /// and QDateTime (ISO 8601 with milliseconds and the offset) as Qt writes them; characters
    /// (char, signed and unsigned) as their numbers; QChar as a one-character text; QByteArray as
    /// Base64; QStringList as a container "QStringList" of "QString" atoms.
    Dump save() const;
    /// Makes a value back from a saved form: the converter of the dump's type name loads it. An
    /// atom of a plain type is read back from its text (an empty text gives the type's null or
    /// default value: a null text or date, zero); a text that does not read as that type gives an
    /// empty variant. Types that are no plain values (images, objects) never load from a text.
    static Variant load(const Dump &dump, const Variant &context);

    /// Saving to JSON text and files, and loading back.
    ///
    /// The text is save() written by Dump::toJsonIndented(); Variant::fromValue(record).toJson()
    /// and record.dump().toJsonIndented() are the same text. A load reads the text with
    /// Dump::fromJson() and makes the value with load().
    ///
    /// The context is what a saved form cannot say by itself, handed to every converter of the
    /// load: a variant holding the Trade::ISymbol* that the values belong to. Quantities load on
    /// the context's symbol (their lot size) instead of the one they were saved with; prices and
    /// profits whose saved symbol is no longer known load on it; other values ignore it. Without
    /// a context (an empty variant) saved host objects are looked up by their saved keys only.
    ///
    /// What the load could not make (text that is no saved form, an unreadable file, an unknown
    /// type, a field no topic has, a symbol or account that is gone or was replaced by the host)
    /// is appended to `problems` when it is given, once per saved reference, each with its saved
    /// form. A lenient load gives what could be loaded; a strict one gives an empty variant when
    /// there was any problem.
    QString toJson() const;
    static Variant fromJson(const QString &json, const Variant &context = Variant(),
                            QVector<LoadProblem> *problems = nullptr, LoadMode mode = LoadMode::Lenient);
    /// Writes toJson() to the file, replacing it; false, with the reason in `error`, when it cannot.
    bool saveJsonFile(const QString &path, QString *error = nullptr) const;
    static Variant loadJsonFile(const QString &path, const Variant &context = Variant(),
                                QVector<LoadProblem> *problems = nullptr, LoadMode mode = LoadMode::Lenient);

    /// The display text, by the held type's converter, or Qt's own text of the value.
    QString toString() const;
    operator QString() const { return toString(); }

    /// Negative, 0 or positive: the two values in the order of the held type's converter (a
    /// price by its ticks, an enumeration by its order); values of a type without a converter in
    /// Qt's order of the type (numbers, dates; texts by the locale). An empty variant comes
    /// first; values that neither orders count as equal. For sorting views (beyond the described
    /// operations).
    static int order(const Variant &left, const Variant &right);

    // The held T. Without a value of T (see hasValue()) it reports and gives a reference to a
    // per-type default (zero, empty) that lives as long as the process.
    template <typename T>
    const T &strongValue() const;
    /// The held T, or the fallback when there is no value of T; silent.
    template <typename T>
    T valueOr(const T &fallback) const
    {
        return hasValue<T>() ? strongValue<T>() : fallback;
    }
    /// The held T when the variant holds exactly a T that is not null, else the fallback; no
    /// conversion is tried, and nothing is reported.
    template <typename T>
    T heldOr(const T &fallback) const
    {
        const T *held = heldValue<T>();
        return held ? *held : fallback;
    }
    template <typename T>
    bool is() const
    {
        return metaType() == QMetaType::fromType<T>();
    }
    template <typename T>
    bool hasValue() const;

private:
    template <typename T>
    static bool isNullValue(const T &value);
    /// The held T when the variant holds exactly a T that is not null; null otherwise. This is the
    /// path of every typed read that succeeds, inline and without calls into QtCore: on Qt 6.7 and
    /// later it is get_if(), which reads the held type and Qt's null flag. Older Qt has no public
    /// inline form of it (metaType() and isNull() are calls, which make a typed read 17 times as
    /// slow as QVariant::value()), so there it reads the same two fields through data_ptr(), as
    /// those versions' own inline qvariant_cast() does in every program built against them; their
    /// headers no longer change, and the fields are there in every Qt 6.
    template <typename T>
    const T *heldValue() const
    {
#if QT_VERSION >= QT_VERSION_CHECK(6, 7, 0)
        const T *value = get_if<T>(static_cast<const QVariant *>(this));
#else
        const DataPtr &held = data_ptr();
        const T *value = !held.is_null && held.type() == QMetaType::fromType<T>() ? &held.get<T>() : nullptr;
#endif
        return value && !isNullValue(*value) ? value : nullptr;
    }
    template <typename T>
    const T &strongValueSlow(int typeId) const;
};

BASEKIT_EXPORT bool operator==(const Variant &left, const Variant &right);
inline bool operator!=(const Variant &left, const Variant &right)
{
    return !(left == right);
}

namespace detail {
template <typename T>
const T &defaultValue()
{
    static const T value{};
    return value;
}
} // namespace detail

template <typename T>
bool Variant::isNullValue(const T &value)
{
    if constexpr (std::is_pointer_v<T>) {
        return value == nullptr;
    } else if constexpr (
        std::is_same_v<
            T,
            QString> || std::is_same_v<T, QByteArray> || std::is_same_v<T, QChar> || std::is_same_v<T, QDate> || std::is_same_v<T, QTime> || std::is_same_v<T, QDateTime>) {
        return value.isNull();
    } else {
        Q_UNUSED(value);
        return false;
    }
}

template <typename T>
bool Variant::hasValue() const
{
    return heldValue<T>() != nullptr || hasValue(qMetaTypeId<T>());
}

template <typename T>
const T &Variant::strongValue() const
{
    if (const T *held = heldValue<T>(); Q_LIKELY(held))
        return *held;
    return strongValueSlow<T>(qMetaTypeId<T>());
}

template <typename T>
const T &Variant::strongValueSlow(int typeId) const
{
    if (!hasValue(typeId)) {
        TRADE_ASSERT(!"unexpected data type or null value", u"Trade::Variant::strongValue",
                     u"trade/common/export/include/variant", this);
        return detail::defaultValue<T>();
    }
    /// hasValue() holds for a T only, so the held type is T: the check guards the cast below.
    TRADE_ASSERT(typeId == userType(), u"Trade::Variant::strongValue", u"trade/common/export/include/variant", this)
        << "Must not do calls that require type conversions.";
    if (typeId != userType())
        return detail::defaultValue<T>();
    return *static_cast<const T *>(constData());
}

} // namespace Trade

Q_DECLARE_METATYPE(Trade::Variant)
