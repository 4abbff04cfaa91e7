// The text conversions of values that travel in saved records without a converter of their own:
// Variant::save and Variant::load go through Qt's conversions to and from QString for them. Each
// type's conversions live beside the type; the library registers them all while it loads, in its
// load order (library.cpp).
#pragma once

#include <basekit/loadproblems.h>

#include <QtCore/QMetaType>
#include <QtCore/QString>
#include <QtCore/QStringList>

namespace Trade {
namespace detail {

// The saved texts of a type that reads its own back (toSaveableString, fromSaveableString).
template <typename T>
bool registerSavedTextConversions()
{
    QMetaType::registerConverter<T, QString>([](const T &value) { return value.toSaveableString(); });
    return QMetaType::registerConverter<QString, T>([](const QString &text) {
        T value;
        value.fromSaveableString(text);
        return value;
    });
}

// Order states travel as "state,reason", order flags as their bits (orderstate.cpp,
// orderflags.cpp).
bool registerOrderStateTextConversions();
bool registerOrderFlagsTextConversions();

// Tells the load's collector that `text` is no saved value of `typeName` (LoadProblem::MalformedText);
// `shape` says what such a text holds.
inline void malformedSavedText(const QString &text, const char *typeName, const QString &shape)
{
    LoadProblems::add(
        LoadProblem::MalformedText, QString::fromLatin1(typeName), text,
        QStringLiteral("\"%1\" is no saved %2: it holds %3").arg(text, QString::fromLatin1(typeName), shape),
        Dump(Dump::Atom(QString::fromLatin1(typeName), text)));
}

// Up to `count` whole numbers of a saved text written "a,b,...", into `numbers`; numbers left out
// at the end are 0. A text with more parts, or a part that is no number, is no saved value: the
// load's collector hears of it and the caller gives the value without one.
inline bool readSavedNumbers(const QString &text, const char *typeName, int count, int *numbers)
{
    const QStringList parts = text.split(QLatin1Char(','));
    bool ok = parts.size() <= count;
    for (int i = 0; ok && i < count; ++i)
        numbers[i] = i < parts.size() ? parts.at(i).trimmed().toInt(&ok) : 0;
    if (!ok)
        malformedSavedText(text, typeName, QStringLiteral("up to %1 whole numbers").arg(count));
    return ok;
}

} // namespace detail
} // namespace Trade
