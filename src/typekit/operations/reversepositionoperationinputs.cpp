#include "reversepositionoperationinputs.h"

#include "positionoperationinputs_p.h"

namespace Trade {

ReversePositionOperationInputs::ReversePositionOperationInputs() = default;

ReversePositionOperationInputs::ReversePositionOperationInputs(IPosition *position)
    : ClosePositionOperationInputs(position)
{
}

ReversePositionOperationInputs::ReversePositionOperationInputs(IPosition *position, const OrderRecord &closeInputs,
                                                               const OrderRecord &reverseInputs)
    : ClosePositionOperationInputs(position, closeInputs), m_reverseInputs(reverseInputs)
{
}

ReversePositionOperationInputs::ReversePositionOperationInputs(const ReversePositionOperationInputs &other) = default;
ReversePositionOperationInputs &ReversePositionOperationInputs::operator=(const ReversePositionOperationInputs &other) =
    default;
ReversePositionOperationInputs::~ReversePositionOperationInputs() = default;

const OrderRecord &ReversePositionOperationInputs::reverseInputs() const
{
    return filled(m_reverseInputs, &IPosition::canReverse, &IPosition::reverseOrder);
}

ListOfReversePositionOperationInputs::ListOfReversePositionOperationInputs() = default;

ListOfReversePositionOperationInputs::ListOfReversePositionOperationInputs(const Container<IPosition *> &positions)
{
    detail::appendEachPosition(*this, positions);
}

ListOfReversePositionOperationInputs::ListOfReversePositionOperationInputs(
    const ListOfReversePositionOperationInputs &other) = default;
ListOfReversePositionOperationInputs &ListOfReversePositionOperationInputs::operator=(
    const ListOfReversePositionOperationInputs &other) = default;
ListOfReversePositionOperationInputs::~ListOfReversePositionOperationInputs() = default;

ListOfClosePositionOperationInputs ListOfReversePositionOperationInputs::closePositionInputsList() const
{
    ListOfClosePositionOperationInputs list;
    list.reserve(size());
    // The close part of an entry, copied as it is: a copy reads nothing from the position.
    for (const ReversePositionOperationInputs &entry : *this)
        list.append(static_cast<const ClosePositionOperationInputs &>(entry));
    return list;
}

Container<IPosition *> ListOfReversePositionOperationInputs::positions() const
{
    return closePositionInputsList().positions();
}

} // namespace Trade
