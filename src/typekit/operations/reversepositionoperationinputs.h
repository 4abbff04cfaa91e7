#pragma once

#include <typekit/operations/closepositionoperationinputs.h>

namespace Trade {

/// The order inputs with which a reverse-position operation turns each of its positions around:
/// the close inputs, as for closing, and the inputs of the order that opens the opposite side.
/// Both are filled lazily from the position, as ClosePositionOperationInputs describes.
class TYPEKIT_EXPORT ReversePositionOperationInputs : public ClosePositionOperationInputs
{
public:
    ReversePositionOperationInputs();
    explicit ReversePositionOperationInputs(IPosition *position);
    ReversePositionOperationInputs(IPosition *position, const OrderRecord &closeInputs,
                                   const OrderRecord &reverseInputs);
    ReversePositionOperationInputs(const ReversePositionOperationInputs &other);
    ReversePositionOperationInputs &operator=(const ReversePositionOperationInputs &other);
    ~ReversePositionOperationInputs();

    /// The stored inputs, or, while they are empty, the position's reverse order when it can be
    /// reversed (kept from then on); otherwise the empty record.
    const OrderRecord &reverseInputs() const;

private:
    mutable OrderRecord m_reverseInputs;
};

/// The inputs of reversing several positions at once, one entry per position.
class TYPEKIT_EXPORT ListOfReversePositionOperationInputs : public QVector<ReversePositionOperationInputs>
{
public:
    ListOfReversePositionOperationInputs();
    /// One entry per position, in the container's order, with inputs still to be filled.
    explicit ListOfReversePositionOperationInputs(const Container<IPosition *> &positions);
    ListOfReversePositionOperationInputs(const ListOfReversePositionOperationInputs &other);
    ListOfReversePositionOperationInputs &operator=(const ListOfReversePositionOperationInputs &other);
    ~ListOfReversePositionOperationInputs();

    /// The entries' positions with their close inputs as stored: nothing is filled from the
    /// positions here.
    ListOfClosePositionOperationInputs closePositionInputsList() const;
    /// The positions of the entries that can be closed now, in order.
    Container<IPosition *> positions() const;
};

} // namespace Trade
