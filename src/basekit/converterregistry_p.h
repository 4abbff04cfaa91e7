// The converter instances that Variant dispatches to, one per converter meta-type, found through
// the naming rule "<type name>Converter" and cached by the held type's id so that a dispatch is
// one array read.
#pragma once

#include <QtCore/QByteArrayView>
#include <QtCore/QMetaType>

#include <atomic>
#include <cstdint>

namespace Trade {

class IConverter;

namespace ConverterRegistry {

// Type ids from QMetaType::User up to this bound are cached in a flat table; larger ones (a
// process with thousands of custom types) go through a locked hash.
constexpr int tableSize = 4096;

extern std::atomic<IConverter *> s_table[tableSize];
// Marks a table slot whose type has been looked up and has no converter.
inline IConverter *absent()
{
    return reinterpret_cast<IConverter *>(std::uintptr_t(1));
}

// The slow path of forType(), for user types only: under the lock, fills the cache.
IConverter *lookUp(int typeId);

// The converter of a held type, or null. Built-in Qt types have none.
inline IConverter *forType(int typeId)
{
    const unsigned index = unsigned(typeId) - unsigned(QMetaType::User);
    if (index < unsigned(tableSize)) {
        IConverter *converter = s_table[index].load(std::memory_order_acquire);
        if (Q_LIKELY(converter))
            return converter == absent() ? nullptr : converter;
    } else if (typeId < QMetaType::User) {
        return nullptr;
    }
    return lookUp(typeId);
}

// The converter of a type known by name only, as in a dump of a type whose meta-type has not
// been registered yet in this process.
IConverter *forTypeName(QByteArrayView typeName);

} // namespace ConverterRegistry
} // namespace Trade
