#include "converterregistry_p.h"

#include "iconverter.h"

#include <QtCore/QHash>

#include <mutex>

namespace Trade {
namespace ConverterRegistry {

std::atomic<IConverter *> s_table[tableSize];

namespace {

struct Instances
{
    // Converters still cached when basekit itself unloads belong to libraries that did not
    // release them; their code is still mapped at that point.
    ~Instances()
    {
        for (std::atomic<IConverter *> &slot : s_table)
            slot.store(nullptr, std::memory_order_release);
        for (IConverter *converter : std::as_const(byConverterType))
            delete converter;
    }

    std::mutex mutex;
    QHash<int, IConverter *> byConverterType; // the one instance of each converter meta-type
    QHash<int, IConverter *> largeTypeIds;    // held type id -> converter found, beyond the table (a
                                              // type without one is looked up again each time)
    QHash<QByteArray, IConverter *> byTypeName;
};

Instances &instances()
{
    static Instances s;
    return s;
}

// Made while basekit loads, so that it outlives the libraries that load after basekit and
// release their converters when they unload.
[[maybe_unused]] const Instances &s_instancesMadeAtLoad = instances();

// Called with the mutex held.
IConverter *instanceOf(Instances &all, const QMetaType &converterType)
{
    if (!converterType.isValid())
        return nullptr;
    IConverter *&instance = all.byConverterType[converterType.id()];
    if (!instance)
        instance = static_cast<IConverter *>(converterType.create());
    return instance;
}

// The converter meta-type of a type name. A name read from a user's file may hold anything: one
// with a NUL in it is refused, so that it cannot resolve to a shorter name.
QMetaType converterTypeFor(QByteArrayView typeName)
{
    if (typeName.isEmpty() || typeName.contains('\0'))
        return QMetaType();
    QByteArray name;
    name.reserve(typeName.size() + 9);
    name.append(typeName.data(), typeName.size()).append("Converter");
    // A converter may be registered under an alias ("Trade::IField*Converter" is no class name).
    return QMetaType::fromName(name);
}

} // namespace

IConverter *lookUp(int typeId)
{
    Instances &all = instances();
    const std::lock_guard<std::mutex> lock(all.mutex);
    const unsigned index = unsigned(typeId) - unsigned(QMetaType::User);
    const bool inTable = index < unsigned(tableSize);
    if (inTable) {
        if (IConverter *cached = s_table[index].load(std::memory_order_acquire))
            return cached == absent() ? nullptr : cached;
    } else if (IConverter *cached = all.largeTypeIds.value(typeId)) {
        return cached;
    }
    const QMetaType type(typeId);
    IConverter *converter = type.isValid() ? instanceOf(all, converterTypeFor(type.name())) : nullptr;
    if (inTable)
        s_table[index].store(converter ? converter : absent(), std::memory_order_release);
    else if (converter)
        all.largeTypeIds.insert(typeId, converter);
    return converter;
}

IConverter *forTypeName(QByteArrayView typeName)
{
    if (typeName.isEmpty())
        return nullptr;
    const QMetaType type = QMetaType::fromName(typeName);
    if (type.isValid() && typeName == type.name())
        return forType(type.id());
    Instances &all = instances();
    const std::lock_guard<std::mutex> lock(all.mutex);
    const QByteArray key = typeName.toByteArray();
    const auto found = all.byTypeName.constFind(key);
    if (found != all.byTypeName.constEnd())
        return found.value();
    // Only names that have a converter are kept: names read from files are unbounded.
    IConverter *converter = instanceOf(all, converterTypeFor(typeName));
    if (converter)
        all.byTypeName.insert(key, converter);
    return converter;
}

} // namespace ConverterRegistry

void forgetMissingConverters()
{
    using namespace ConverterRegistry;
    Instances &all = instances();
    const std::lock_guard<std::mutex> lock(all.mutex);
    for (std::atomic<IConverter *> &slot : s_table) {
        IConverter *expected = absent();
        slot.compare_exchange_strong(expected, nullptr, std::memory_order_acq_rel);
    }
}

void releaseConverters()
{
    using namespace ConverterRegistry;
    Instances &all = instances();
    const std::lock_guard<std::mutex> lock(all.mutex);
    for (std::atomic<IConverter *> &slot : s_table)
        slot.store(nullptr, std::memory_order_release);
    all.largeTypeIds.clear();
    all.byTypeName.clear();
    for (IConverter *converter : std::as_const(all.byConverterType))
        delete converter;
    all.byConverterType.clear();
}

} // namespace Trade
