// What the lists of close and reverse inputs share.
#pragma once

#include <typekit/container.h>

#include <QtCore/QVector>

namespace Trade {
namespace detail {

// One entry per position, in the container's order, each with inputs still to be filled.
template <typename Inputs>
void appendEachPosition(QVector<Inputs> &list, const Container<IPosition *> &positions)
{
    const int count = positions.size();
    list.reserve(list.size() + count);
    for (int i = 0; i < count; ++i)
        list.append(Inputs(positions.value(i)));
}

} // namespace detail
} // namespace Trade
