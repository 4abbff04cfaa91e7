// Type texts in the form that report function names use: "class Trade::LogCategory",
// "enum Trade::OrderAction::Type", "int". Templates build their reported function names from
// them, such as "Trade::AbstractEnumerationConverter<class Trade::LogCategory,0>::fromVariant".
#pragma once

#include <QtCore/QMetaType>
#include <QtCore/QString>

#include <type_traits>

namespace Trade {

template <typename T>
const QString &reportTypeText()
{
    static const QString text = [] {
        const char *prefix = std::is_enum_v<T> ? "enum " : std::is_class_v<T> ? "class " : "";
        return QString::fromLatin1(prefix) + QString::fromLatin1(QMetaType::fromType<T>().name());
    }();
    return text;
}

} // namespace Trade
