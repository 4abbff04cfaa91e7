#pragma once

#include <typekit/container.h>
#include <typekit/order/orderrecord.h>
#include <typekit/position/iposition.h>
#include <typekit/typekit_export.h>

#include <QtCore/QList>
#include <QtCore/QVector>

namespace Trade {

/// The order inputs with which a close-position operation closes each of its positions: inputs the
/// user gave explicitly, or, until then, the position's own close order.
///
///     Trade::ListOfClosePositionOperationInputs inputs(storage->positions());
///     for (Trade::IPosition *position : inputs.positions())          // those that can be closed
///         send(inputs.findOrderInputsByPosition(position));
///
/// The close inputs are filled lazily: the first read while they are empty asks the position
/// (when it can be closed) for its close order and keeps a copy, which is never refreshed. So a
/// const read may write, and one object must not be read from two threads at once.
class TYPEKIT_EXPORT ClosePositionOperationInputs
{
public:
    ClosePositionOperationInputs();
    explicit ClosePositionOperationInputs(IPosition *position);
    /// Explicit inputs; the position is not consulted while they are not empty.
    ClosePositionOperationInputs(IPosition *position, const OrderRecord &closeInputs);
    ClosePositionOperationInputs(const ClosePositionOperationInputs &other);
    ClosePositionOperationInputs &operator=(const ClosePositionOperationInputs &other);
    ~ClosePositionOperationInputs();

    /// The position; a null one is reported (and given).
    IPosition *position() const;
    /// The stored inputs, or, while they are empty, the position's close order when it can be
    /// closed (kept from then on); otherwise the empty record.
    const OrderRecord &closeInputs() const;

    /// The same position and equal close inputs (both read as above).
    bool operator==(const ClosePositionOperationInputs &other) const;
    bool operator!=(const ClosePositionOperationInputs &other) const;

protected:
    /// Reads `stored`, filling it first from the position when it is empty and `available` says
    /// the position offers inputs; the lazy fill of both close and reverse inputs.
    const OrderRecord &filled(OrderRecord &stored, bool (IPosition::*available)() const,
                              OrderRecord (IPosition::*order)() const) const;

private:
    IPosition *m_position;
    mutable OrderRecord m_closeInputs;
};

/// The inputs of closing several positions at once, one entry per position.
class TYPEKIT_EXPORT ListOfClosePositionOperationInputs : public QVector<ClosePositionOperationInputs>
{
public:
    ListOfClosePositionOperationInputs();
    /// One entry per position, in the container's order, with inputs still to be filled.
    explicit ListOfClosePositionOperationInputs(const Container<IPosition *> &positions);
    explicit ListOfClosePositionOperationInputs(const QList<ClosePositionOperationInputs> &inputs);
    ListOfClosePositionOperationInputs(const ListOfClosePositionOperationInputs &other);
    ListOfClosePositionOperationInputs &operator=(const ListOfClosePositionOperationInputs &other);
    ~ListOfClosePositionOperationInputs();

    /// The first entry of the position, or end(). The const form leaves a shared list shared.
    iterator findOperationInputsByPosition(IPosition *position);
    const_iterator findOperationInputsByPosition(IPosition *position) const;
    /// A copy of the close inputs of the position's first entry; a position without entry is
    /// reported and gives an empty order.
    OrderRecord findOrderInputsByPosition(IPosition *position) const;
    /// Removes the position's first entry, if it has one.
    void removeByPosition(IPosition *position);
    /// The positions of the entries that can be closed now, in order.
    Container<IPosition *> positions() const;
};

} // namespace Trade
