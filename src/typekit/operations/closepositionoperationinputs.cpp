#include "closepositionoperationinputs.h"

#include "positionoperationinputs_p.h"

#include <basekit/nonfatalstreamlogwrapper.h>

#include <algorithm>
#include <utility>

namespace Trade {

namespace {

constexpr QStringView unit = u"operations/closepositionoperationinputs";

} // namespace

ClosePositionOperationInputs::ClosePositionOperationInputs() : m_position(nullptr)
{
}

ClosePositionOperationInputs::ClosePositionOperationInputs(IPosition *position) : m_position(position)
{
}

ClosePositionOperationInputs::ClosePositionOperationInputs(IPosition *position, const OrderRecord &closeInputs)
    : m_position(position), m_closeInputs(closeInputs)
{
}

ClosePositionOperationInputs::ClosePositionOperationInputs(const ClosePositionOperationInputs &other) = default;
ClosePositionOperationInputs &ClosePositionOperationInputs::operator=(const ClosePositionOperationInputs &other) =
    default;
ClosePositionOperationInputs::~ClosePositionOperationInputs() = default;

IPosition *ClosePositionOperationInputs::position() const
{
    TRADE_ASSERT(m_position != 0, u"Trade::ClosePositionOperationInputs::position", unit, this);
    return m_position;
}

const OrderRecord &ClosePositionOperationInputs::filled(OrderRecord &stored, bool (IPosition::*available)() const,
                                                        OrderRecord (IPosition::*order)() const) const
{
    if (!stored.isEmpty())
        return stored;
    const IPosition *owner = position();
    if (owner && (owner->*available)())
        stored = (owner->*order)();
    return stored;
}

const OrderRecord &ClosePositionOperationInputs::closeInputs() const
{
    return filled(m_closeInputs, &IPosition::canClose, &IPosition::closeOrder);
}

bool ClosePositionOperationInputs::operator==(const ClosePositionOperationInputs &other) const
{
    return position() == other.position() && closeInputs() == other.closeInputs();
}

bool ClosePositionOperationInputs::operator!=(const ClosePositionOperationInputs &other) const
{
    return !(*this == other);
}

ListOfClosePositionOperationInputs::ListOfClosePositionOperationInputs() = default;

ListOfClosePositionOperationInputs::ListOfClosePositionOperationInputs(const Container<IPosition *> &positions)
{
    detail::appendEachPosition(*this, positions);
}

ListOfClosePositionOperationInputs::ListOfClosePositionOperationInputs(
    const QList<ClosePositionOperationInputs> &inputs)
    : QVector<ClosePositionOperationInputs>(inputs)
{
}

ListOfClosePositionOperationInputs::ListOfClosePositionOperationInputs(
    const ListOfClosePositionOperationInputs &other) = default;
ListOfClosePositionOperationInputs &ListOfClosePositionOperationInputs::operator=(
    const ListOfClosePositionOperationInputs &other) = default;
ListOfClosePositionOperationInputs::~ListOfClosePositionOperationInputs() = default;

ListOfClosePositionOperationInputs::iterator ListOfClosePositionOperationInputs::findOperationInputsByPosition(
    IPosition *position)
{
    const qsizetype index = std::as_const(*this).findOperationInputsByPosition(position) - cbegin();
    return begin() + index;
}

ListOfClosePositionOperationInputs::const_iterator ListOfClosePositionOperationInputs::findOperationInputsByPosition(
    IPosition *position) const
{
    return std::find_if(cbegin(), cend(), [position](const ClosePositionOperationInputs &inputs) {
        return inputs.position() == position;
    });
}

OrderRecord ListOfClosePositionOperationInputs::findOrderInputsByPosition(IPosition *position) const
{
    const const_iterator it = findOperationInputsByPosition(position);
    TRADE_ASSERT(it != end(), u"Trade::ListOfClosePositionOperationInputs::findOrderInputsByPosition", unit, this);
    return it != end() ? it->closeInputs() : OrderRecord();
}

void ListOfClosePositionOperationInputs::removeByPosition(IPosition *position)
{
    const const_iterator it = std::as_const(*this).findOperationInputsByPosition(position);
    if (it != cend())
        removeAt(it - cbegin());
}

Container<IPosition *> ListOfClosePositionOperationInputs::positions() const
{
    Container<IPosition *> closable;
    for (const ClosePositionOperationInputs &inputs : *this) {
        IPosition *position = inputs.position();
        if (position && position->canClose())
            closable.append(position);
    }
    return closable;
}

} // namespace Trade
