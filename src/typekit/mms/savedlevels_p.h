// The saved forms that the exit and stop strategy levels share: int members of a saved level, and
// lists of levels saved and loaded item by item.
#pragma once

#include <basekit/dump.h>
#include <basekit/variant.h>

namespace Trade {
namespace detail {

// An int entry of a saved struct: loaded with an empty context, 0 when it holds no int.
inline int savedInt(const Dump::Struct &saved, const QString &name)
{
    return Variant::load(saved.member(name), Variant()).heldOr(0);
}

// The saved forms of the variants of a list's items, in order.
template <typename List>
Dump savedList(const Variant &value)
{
    Dump::Container saved(QString::fromLatin1(value.typeName()));
    for (const auto &item : value.valueOr(List()))
        saved.append(Variant::fromValue(item).save());
    return Dump(saved);
}

// The items of a saved list, in order: each that loads as something is taken as an item (a
// default, invalid level when it is not one), each that loads as nothing (an invalid level among
// them) is left out. A list holding a default level saves it with its reports and loads it back
// as nothing, so its saved form settles after one round.
template <typename List, typename Item>
List loadedList(const Dump &dump)
{
    List loaded;
    for (const Dump &saved : dump.asContainer().items()) {
        const Variant item = Variant::load(saved, Variant());
        if (item.isInit())
            loaded << item.valueOr(Item());
    }
    return loaded;
}

} // namespace detail
} // namespace Trade
